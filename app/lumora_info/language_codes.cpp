#include "app/lumora_info/language_codes.h"

namespace {

struct CodeRow {
    uint32_t lcid;
    std::string_view code;
};

// The identifiers the DVD navigator gives for the codes a disc stores. Where a language has two
// codes, the current one (he, id, yi); Norwegian as discs mark it (no).
constexpr CodeRow kCodes[] = {
    {0x0436, "af"}, {0x045E, "am"}, {0x0401, "ar"}, {0x044D, "as"}, {0x042C, "az"}, {0x046D, "ba"},
    {0x0423, "be"}, {0x0402, "bg"}, {0x0445, "bn"}, {0x0451, "bo"}, {0x047E, "br"}, {0x141A, "bs"},
    {0x0403, "ca"}, {0x0483, "co"}, {0x0405, "cs"}, {0x0452, "cy"}, {0x0406, "da"}, {0x0407, "de"},
    {0x0465, "dv"}, {0x0851, "dz"}, {0x0408, "el"}, {0x0409, "en"}, {0x040A, "es"}, {0x0425, "et"},
    {0x042D, "eu"}, {0x0429, "fa"}, {0x0467, "ff"}, {0x040B, "fi"}, {0x0438, "fo"}, {0x040C, "fr"},
    {0x0462, "fy"}, {0x083C, "ga"}, {0x043C, "gd"}, {0x0456, "gl"}, {0x0474, "gn"}, {0x0447, "gu"},
    {0x0468, "ha"}, {0x040D, "he"}, {0x0439, "hi"}, {0x041A, "hr"}, {0x040E, "hu"}, {0x042B, "hy"},
    {0x0421, "id"}, {0x0470, "ig"}, {0x0478, "ii"}, {0x040F, "is"}, {0x0410, "it"}, {0x045D, "iu"},
    {0x0411, "ja"}, {0x0437, "ka"}, {0x043F, "kk"}, {0x046F, "kl"}, {0x0453, "km"}, {0x044B, "kn"},
    {0x0412, "ko"}, {0x0471, "kr"}, {0x0460, "ks"}, {0x0440, "ky"}, {0x0476, "la"}, {0x046E, "lb"},
    {0x0454, "lo"}, {0x0427, "lt"}, {0x0426, "lv"}, {0x0481, "mi"}, {0x042F, "mk"}, {0x044C, "ml"},
    {0x0450, "mn"}, {0x044E, "mr"}, {0x043E, "ms"}, {0x043A, "mt"}, {0x0455, "my"}, {0x0461, "ne"},
    {0x0413, "nl"}, {0x0814, "nn"}, {0x0414, "no"}, {0x0482, "oc"}, {0x0472, "om"}, {0x0448, "or"},
    {0x0446, "pa"}, {0x0415, "pl"}, {0x0463, "ps"}, {0x0416, "pt"}, {0x046B, "qu"}, {0x0417, "rm"},
    {0x0418, "ro"}, {0x0419, "ru"}, {0x0487, "rw"}, {0x044F, "sa"}, {0x0459, "sd"}, {0x043B, "se"},
    {0x045B, "si"}, {0x041B, "sk"}, {0x0424, "sl"}, {0x0477, "so"}, {0x041C, "sq"}, {0x0C1A, "sr"},
    {0x0430, "st"}, {0x041D, "sv"}, {0x0441, "sw"}, {0x0449, "ta"}, {0x044A, "te"}, {0x0428, "tg"},
    {0x041E, "th"}, {0x0473, "ti"}, {0x0442, "tk"}, {0x0464, "tl"}, {0x0432, "tn"}, {0x041F, "tr"},
    {0x0431, "ts"}, {0x0444, "tt"}, {0x0480, "ug"}, {0x0422, "uk"}, {0x0420, "ur"}, {0x0443, "uz"},
    {0x0433, "ve"}, {0x042A, "vi"}, {0x0488, "wo"}, {0x0434, "xh"}, {0x043D, "yi"}, {0x046A, "yo"},
    {0x0804, "zh"}, {0x0435, "zu"},
};

constexpr uint32_t PrimaryLanguage(uint32_t lcid) { return lcid & 0x3FF; }

}  // namespace

std::string_view LanguageCode(uint32_t lcid) {
    if (lcid == 0) return {};
    for (const CodeRow& row : kCodes)
        if (row.lcid == lcid) return row.code;
    // Another sublanguage of a listed language (en-GB, pt-BR …).
    for (const CodeRow& row : kCodes)
        if (PrimaryLanguage(row.lcid) == PrimaryLanguage(lcid)) return row.code;
    return {};
}
