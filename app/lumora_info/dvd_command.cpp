#include "app/lumora_info/dvd_command.h"

#include <cstdio>

#include "app/lumora_info/dvd_json.h"
#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/file_names.h"
#include "app/lumora_info/output.h"
#include "app/page_text/dvd_page_lines.h"
#include "component/lumoram.h"

namespace {

void WriteLine(Output& out, const char* label, const std::string& text) {
    out.Write(std::string("  ") + label + " " + text + "\n");
}

void WriteLines(const TKxDVDInfo& dvd, Output& out) {
    const TKx_DVD_Titles& titles = dvd.Titles;
    for (int32_t i = 0; i < titles.Count(); ++i) {
        const TKx_DVD_TitleInfo& title = titles.Items(i);
        out.Write(DvdTitleLine(i, title) + "\n");
        WriteLine(out, "Видео:", DvdVideoLine(title.TitleAttributes));
        for (const std::string& line : DvdAudioLines(title.TitleAttributes))
            WriteLine(out, "Аудиопотоки:", line);
        for (const std::string& line : DvdSubtitleLines(title.TitleAttributes))
            WriteLine(out, "Субтитры:", line);
    }
}

}  // namespace

int PrintDvdInfo(TKxLumora& lumora, const std::string& path, bool json, Output& out) {
    lumora.SetFileName(path);
    lumora.ReadDVDInfo();
    if (!lumora.DVDVolumeRead()) {
        constexpr char kError[] = "not a DVD-Video volume";
        if (json) out.Write(JsonLine(DvdFailureJson(path, kError)));
        if (!out.Finish()) return kExitFailed;
        std::fprintf(stderr, "lumora_info: %s: %s\n", EscapedName(path).c_str(), kError);
        return kExitFailed;
    }
    if (json)
        out.Write(JsonLine(DvdJson(path, lumora.DVDInfo())));
    else
        WriteLines(lumora.DVDInfo(), out);
    return out.Finish() ? kExitOk : kExitFailed;
}
