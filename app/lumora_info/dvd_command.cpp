#include <cstdio>

#include "app/lumora_info/commands.h"
#include "app/page_text/dvd_page_lines.h"
#include "component/lumoram.h"

namespace {

void PrintLine(const char* label, const std::string& text) { std::printf("  %s %s\n", label, text.c_str()); }

}  // namespace

int PrintDvdInfo(TKxLumora& lumora, const std::string& path) {
    lumora.SetFileName(path);
    lumora.ReadDVDInfo();
    if (!lumora.DVDVolumeRead()) {
        std::fprintf(stderr, "lumora_info: %s: not a DVD-Video volume\n", path.c_str());
        return kExitFailed;
    }
    const TKx_DVD_Titles& titles = lumora.DVDInfo().Titles;
    for (int32_t i = 0; i < titles.Count(); ++i) {
        const TKx_DVD_TitleInfo& title = titles.Items(i);
        std::printf("%s\n", DvdTitleLine(i, title).c_str());
        PrintLine("Видео:", DvdVideoLine(title.TitleAttributes));
        for (const std::string& line : DvdAudioLines(title.TitleAttributes))
            PrintLine("Аудиопотоки:", line);
        for (const std::string& line : DvdSubtitleLines(title.TitleAttributes))
            PrintLine("Субтитры:", line);
    }
    return kExitOk;
}
