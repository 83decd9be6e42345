#include "app/page_text/dvd_details_report.h"

#include <filesystem>

#include "app/page_text/dvd_page_lines.h"
#include "component/lumoram.h"

Report DvdDetailsReport(const TKxLumora& lumora) {
    if (!lumora.DVDVolumeRead()) return {};
    const TKxDVDInfo& dvd = lumora.DVDInfo();
    Report report = {{"Диск", {{"Путь", ReportValue(lumora.FileName())},
                               {"Заголовки", std::to_string(dvd.Titles.Count())}}, {}}};
    for (int32_t i = 0; i < dvd.Titles.Count(); ++i) {
        const TKx_DVD_TitleInfo& title = dvd.Titles.Items(i);
        ReportSection section{"Заголовок " + std::to_string(i + 1), {}, {}};
        section.lines.push_back({"Главы", std::to_string(title.NumberOfChapters)});
        section.lines.push_back({"Видео", DvdVideoLine(title.TitleAttributes)});
        report.push_back(std::move(section));
    }
    return report;
}

std::string DvdDetailsName(const TKxLumora& lumora) {
    std::filesystem::path path(lumora.FileName());
    if (!std::filesystem::is_directory(path)) path = path.parent_path();
    if (path.filename() == "VIDEO_TS" || path.filename() == "video_ts") path = path.parent_path();
    return path.filename().string();
}
