#include "platform/language_codes.h"

#include "platform/ascii.h"

namespace {

struct LanguageCode {
    char code[3];
    uint32_t lcid;
    bool old = false;  // a second code of its language, read but never written
};

// Sorted by code.
constexpr LanguageCode kLanguageCodes[] = {
    {"af", 0x0436},       {"am", 0x045E},       {"ar", 0x0401}, {"as", 0x044D}, {"az", 0x042C},
    {"ba", 0x046D},       {"be", 0x0423},       {"bg", 0x0402}, {"bn", 0x0445}, {"bo", 0x0451},
    {"br", 0x047E},       {"bs", 0x141A},       {"ca", 0x0403}, {"co", 0x0483}, {"cs", 0x0405},
    {"cy", 0x0452},       {"da", 0x0406},       {"de", 0x0407}, {"dv", 0x0465}, {"dz", 0x0851},
    {"el", 0x0408},       {"en", 0x0409},       {"es", 0x040A}, {"et", 0x0425}, {"eu", 0x042D},
    {"fa", 0x0429},       {"ff", 0x0467},       {"fi", 0x040B}, {"fo", 0x0438}, {"fr", 0x040C},
    {"fy", 0x0462},       {"ga", 0x083C},       {"gd", 0x043C}, {"gl", 0x0456}, {"gn", 0x0474},
    {"gu", 0x0447},       {"ha", 0x0468},       {"he", 0x040D}, {"hi", 0x0439}, {"hr", 0x041A},
    {"hu", 0x040E},       {"hy", 0x042B},       {"id", 0x0421}, {"ig", 0x0470}, {"ii", 0x0478},
    {"in", 0x0421, true}, {"is", 0x040F},       {"it", 0x0410}, {"iu", 0x045D}, {"iw", 0x040D, true},
    {"ja", 0x0411},       {"ji", 0x043D, true}, {"ka", 0x0437}, {"kk", 0x043F}, {"kl", 0x046F},
    {"km", 0x0453},       {"kn", 0x044B},       {"ko", 0x0412}, {"kr", 0x0471}, {"ks", 0x0460},
    {"ky", 0x0440},       {"la", 0x0476},       {"lb", 0x046E}, {"lo", 0x0454}, {"lt", 0x0427},
    {"lv", 0x0426},       {"mi", 0x0481},       {"mk", 0x042F}, {"ml", 0x044C}, {"mn", 0x0450},
    {"mr", 0x044E},       {"ms", 0x043E},       {"mt", 0x043A}, {"my", 0x0455}, {"nb", 0x0414, true},
    {"ne", 0x0461},       {"nl", 0x0413},       {"nn", 0x0814}, {"no", 0x0414}, {"oc", 0x0482},
    {"om", 0x0472},       {"or", 0x0448},       {"pa", 0x0446}, {"pl", 0x0415}, {"ps", 0x0463},
    {"pt", 0x0416},       {"qu", 0x046B},       {"rm", 0x0417}, {"ro", 0x0418}, {"ru", 0x0419},
    {"rw", 0x0487},       {"sa", 0x044F},       {"sd", 0x0459}, {"se", 0x043B}, {"si", 0x045B},
    {"sk", 0x041B},       {"sl", 0x0424},       {"so", 0x0477}, {"sq", 0x041C}, {"sr", 0x0C1A},
    {"st", 0x0430},       {"sv", 0x041D},       {"sw", 0x0441}, {"ta", 0x0449}, {"te", 0x044A},
    {"tg", 0x0428},       {"th", 0x041E},       {"ti", 0x0473}, {"tk", 0x0442}, {"tl", 0x0464},
    {"tn", 0x0432},       {"tr", 0x041F},       {"ts", 0x0431}, {"tt", 0x0444}, {"ug", 0x0480},
    {"uk", 0x0422},       {"ur", 0x0420},       {"uz", 0x0443}, {"ve", 0x0433}, {"vi", 0x042A},
    {"wo", 0x0488},       {"xh", 0x0434},       {"yi", 0x043D}, {"yo", 0x046A}, {"zh", 0x0804},
    {"zu", 0x0435},
};

struct ThreeLetterCode {
    char code[4];  // ISO 639-2, bibliographic or terminology
    char twoLetters[3];
};

// The ISO 639-2 codes of the languages above, sorted by code.
constexpr ThreeLetterCode kThreeLetterCodes[] = {
    {"afr", "af"}, {"alb", "sq"}, {"amh", "am"}, {"ara", "ar"}, {"arm", "hy"}, {"asm", "as"}, {"aze", "az"},
    {"bak", "ba"}, {"baq", "eu"}, {"bel", "be"}, {"ben", "bn"}, {"bod", "bo"}, {"bos", "bs"}, {"bre", "br"},
    {"bul", "bg"}, {"bur", "my"}, {"cat", "ca"}, {"ces", "cs"}, {"chi", "zh"}, {"cos", "co"}, {"cym", "cy"},
    {"cze", "cs"}, {"dan", "da"}, {"deu", "de"}, {"div", "dv"}, {"dut", "nl"}, {"dzo", "dz"}, {"ell", "el"},
    {"eng", "en"}, {"est", "et"}, {"eus", "eu"}, {"fao", "fo"}, {"fas", "fa"}, {"fin", "fi"}, {"fra", "fr"},
    {"fre", "fr"}, {"fry", "fy"}, {"ful", "ff"}, {"geo", "ka"}, {"ger", "de"}, {"gla", "gd"}, {"gle", "ga"},
    {"glg", "gl"}, {"gre", "el"}, {"grn", "gn"}, {"guj", "gu"}, {"hau", "ha"}, {"heb", "he"}, {"hin", "hi"},
    {"hrv", "hr"}, {"hun", "hu"}, {"hye", "hy"}, {"ibo", "ig"}, {"ice", "is"}, {"iii", "ii"}, {"iku", "iu"},
    {"ind", "id"}, {"isl", "is"}, {"ita", "it"}, {"jpn", "ja"}, {"kal", "kl"}, {"kan", "kn"}, {"kas", "ks"},
    {"kat", "ka"}, {"kau", "kr"}, {"kaz", "kk"}, {"khm", "km"}, {"kin", "rw"}, {"kir", "ky"}, {"kor", "ko"},
    {"lao", "lo"}, {"lat", "la"}, {"lav", "lv"}, {"lit", "lt"}, {"ltz", "lb"}, {"mac", "mk"}, {"mal", "ml"},
    {"mao", "mi"}, {"mar", "mr"}, {"may", "ms"}, {"mkd", "mk"}, {"mlt", "mt"}, {"mon", "mn"}, {"mri", "mi"},
    {"msa", "ms"}, {"mya", "my"}, {"nep", "ne"}, {"nld", "nl"}, {"nno", "nn"}, {"nob", "nb"}, {"nor", "no"},
    {"oci", "oc"}, {"ori", "or"}, {"orm", "om"}, {"pan", "pa"}, {"per", "fa"}, {"pol", "pl"}, {"por", "pt"},
    {"pus", "ps"}, {"que", "qu"}, {"roh", "rm"}, {"ron", "ro"}, {"rum", "ro"}, {"rus", "ru"}, {"san", "sa"},
    {"sin", "si"}, {"slk", "sk"}, {"slo", "sk"}, {"slv", "sl"}, {"sme", "se"}, {"snd", "sd"}, {"som", "so"},
    {"sot", "st"}, {"spa", "es"}, {"sqi", "sq"}, {"srp", "sr"}, {"swa", "sw"}, {"swe", "sv"}, {"tam", "ta"},
    {"tat", "tt"}, {"tel", "te"}, {"tgk", "tg"}, {"tgl", "tl"}, {"tha", "th"}, {"tib", "bo"}, {"tir", "ti"},
    {"tsn", "tn"}, {"tso", "ts"}, {"tuk", "tk"}, {"tur", "tr"}, {"uig", "ug"}, {"ukr", "uk"}, {"urd", "ur"},
    {"uzb", "uz"}, {"ven", "ve"}, {"vie", "vi"}, {"wel", "cy"}, {"wol", "wo"}, {"xho", "xh"}, {"yid", "yi"},
    {"yor", "yo"}, {"zho", "zh"}, {"zul", "zu"},
};

constexpr uint32_t PrimaryLanguage(uint32_t lcid) { return lcid & 0x3FF; }

}  // namespace

uint32_t LocaleFromLanguageCode(std::string_view code) {
    if (code.size() != 2) return 0;
    const char first = ToLowerAscii(code[0]);
    const char second = ToLowerAscii(code[1]);
    for (const LanguageCode& entry : kLanguageCodes)
        if (entry.code[0] == first && entry.code[1] == second) return entry.lcid;
    return 0;
}

uint32_t LocaleFromIsoLanguageCode(std::string_view code) {
    if (code.size() != 3) return LocaleFromLanguageCode(code);
    const char lower[] = {ToLowerAscii(code[0]), ToLowerAscii(code[1]), ToLowerAscii(code[2])};
    for (const ThreeLetterCode& entry : kThreeLetterCodes)
        if (std::string_view(entry.code) == std::string_view(lower, 3))
            return LocaleFromLanguageCode(entry.twoLetters);
    return 0;
}

std::string_view LanguageCodeOfLocale(uint32_t lcid) {
    if (lcid == 0) return {};
    for (const LanguageCode& entry : kLanguageCodes)
        if (!entry.old && entry.lcid == lcid) return entry.code;
    for (const LanguageCode& entry : kLanguageCodes)
        if (!entry.old && PrimaryLanguage(entry.lcid) == PrimaryLanguage(lcid)) return entry.code;
    return {};
}
