#include <cstdio>

#include "app/lumora_info/commands.h"
#include "app/page_text/dvd_page_lines.h"
#include "mediainfo/lumoram.h"
#include "platform/com.h"
#include "platform/dvd_interfaces.h"

namespace {

// The component reads whatever the navigator yields and reports nothing; whether PATH is a
// volume at all is asked of the navigator here.
bool IsDvdVolume(const std::string& path) {
    ComPtr<IDvdGraphBuilder> builder;
    if (FAILED(CoCreateInstance(CLSID_DvdGraphBuilder, builder))) return false;
    return SUCCEEDED(builder->RenderDvdVideoVolume(path.c_str(), AM_DVD_HWDEC_PREFER, nullptr));
}

void PrintLine(const char* label, const std::string& text) { std::printf("  %s %s\n", label, text.c_str()); }

}  // namespace

int PrintDvdInfo(TKxLumora& lumora, const std::string& path) {
    if (!IsDvdVolume(path)) {
        std::fprintf(stderr, "lumora_info: %s: not a DVD-Video volume\n", path.c_str());
        return kExitFailed;
    }
    lumora.SetFileName(path);
    lumora.ReadDVDInfo();
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
