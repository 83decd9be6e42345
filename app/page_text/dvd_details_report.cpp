#include "app/page_text/dvd_details_report.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "component/lumoram.h"
#include "dvd/dvd_detail_names.h"
#include "mediainfo/number_text.h"
#include "platform/ascii.h"

namespace {

// Lines of one section, each added only when its value says something.
class Lines {
public:
    explicit Lines(const std::string& separator) : separator_(separator) {}

    void Add(const char* label, std::string value) {
        if (!value.empty()) lines_.push_back({label, ReportValue(std::move(value))});
    }
    void Time(const char* label, const std::optional<double>& seconds) {
        Add(label, seconds ? FormatClockTime(*seconds, separator_) : std::string("?"));
    }
    void Flag(const char* label, bool set) {
        if (set) Add(label, "да");
    }
    ReportSection Section(std::string title, std::vector<ReportSection> sections = {}) {
        return {std::move(title), std::move(lines_), std::move(sections)};
    }

private:
    const std::string& separator_;
    std::vector<ReportLine> lines_;
};

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

std::string Language(const std::string& code, const std::string& name) {
    return name.empty() ? code : code + " (" + name + ")";
}

std::string FrameRate(const std::optional<double>& rate, const std::string& separator) {
    if (!rate) return {};
    if (*rate == std::round(*rate)) return FormatGeneralNumber(*rate, separator);
    return FormatGeneralNumber(std::round(*rate * 100) / 100, separator) + " (30000/1001)";
}

ReportSection VolumeSection(const TKxLumora& lumora) {
    const TKxDVDInfo& dvd = lumora.DVDInfo();
    const TKxDVDDetails& details = lumora.DVDDetails();
    Lines lines(lumora.DecimalSeparator());
    lines.Add("Путь", lumora.FileName());
    const std::string source = DvdLabelSourceName(details.LabelSource);
    lines.Add("Метка тома", details.Label.empty() ? "" : details.Label + " (" + source + ")");
    lines.Add("Идентификатор VMG", details.VMGId);
    lines.Add("Поставщик", details.ProviderId);
    if (details.Read) lines.Add("Наборы заголовков", std::to_string(details.TitleSets));
    lines.Add("Заголовки", std::to_string(dvd.Titles.Count()));
    if (details.LongestTitle) lines.Add("Самый длинный заголовок", std::to_string(*details.LongestTitle));
    lines.Add("Регионы", details.Regions);
    lines.Add("Том", std::to_string(dvd.Volume) + " из " + std::to_string(dvd.NumberOfVolumes));
    lines.Add("Сторона", dvd.Side == DVD_SIDE_B ? "B" : "A");
    char discId[17];
    std::snprintf(discId, sizeof discId, "%016llX", static_cast<unsigned long long>(dvd.DiscID));
    lines.Add("Идентификатор диска", discId);
    return lines.Section("Диск");
}

// "2–3"; a program map entry outside the cell table as it stands.
std::string CellRange(const TKxDVDChapter& chapter) {
    const std::string first = std::to_string(chapter.FirstCell);
    if (chapter.LastCell == 0) return "вне таблицы ячеек (" + first + ")";
    return chapter.LastCell == chapter.FirstCell ? first : first + "–" + std::to_string(chapter.LastCell);
}

ReportSection ChaptersSection(const TKxDVDTitleDetails& title, const std::string& separator) {
    Lines lines(separator);
    const bool differs =
        title.ChaptersLength && title.Length && std::fabs(*title.ChaptersLength - *title.Length) > 0.0005;
    if (differs)
        lines.Add("Сумма длин",
                  FormatClockTime(*title.ChaptersLength, separator) + " — не равна длительности заголовка");
    std::vector<ReportSection> chapters;
    for (const TKxDVDChapter& chapter : title.Chapters) {
        Lines chapterLines(separator);
        chapterLines.Time("Начало", chapter.Start);
        chapterLines.Time("Длина", chapter.Length);
        chapterLines.Add("Ячейки", CellRange(chapter));
        chapters.push_back(chapterLines.Section("Глава " + std::to_string(chapter.Number)));
    }
    return lines.Section("Главы", std::move(chapters));
}

ReportSection CellsSection(const TKxDVDTitleDetails& title, const std::string& separator) {
    std::vector<ReportSection> cells;
    for (const TKxDVDCell& cell : title.Cells) {
        Lines lines(separator);
        lines.Time("Начало", cell.Start);
        lines.Time("Длина", cell.Length);
        lines.Add("Блок ракурсов", cell.AngleBlock);
        lines.Flag("Бесшовное воспроизведение", cell.Seamless);
        cells.push_back(lines.Section("Ячейка " + std::to_string(cell.Number)));
    }
    return {"Ячейки", {}, std::move(cells)};
}

ReportSection VideoSection(const TKxDVDVideoDetails& video, const std::string& separator) {
    Lines lines(separator);
    lines.Add("Формат", video.MpegVersion);
    lines.Add("Стандарт", video.Standard);
    lines.Add("Размер кадра", video.PictureSize);
    lines.Add("Соотношение сторон", video.AspectRatio);
    lines.Add("Форматы показа", Joined(video.DisplayFormats));
    std::vector<std::string> fields;
    for (const uint32_t field : video.ClosedCaptionFields)
        fields.push_back("field " + std::to_string(field));
    lines.Add("Скрытые субтитры (line 21)", Joined(fields));
    lines.Add("Режим съёмки", video.CameraMode);
    lines.Flag("Источник в формате letterbox", video.SourceLetterboxed);
    return lines.Section("Видео");
}

ReportSection AudioSection(const TKxDVDAudioDetails& audio, const std::string& separator) {
    Lines lines(separator);
    lines.Add("Формат", audio.Format);
    if (audio.SampleRate) lines.Add("Частота дискретизации", std::to_string(audio.SampleRate) + " Гц");
    lines.Add("Квантование", audio.Quantization);
    lines.Add("Каналы", std::to_string(audio.Channels));
    lines.Add("Язык", Language(audio.LanguageCode, audio.LanguageName));
    lines.Add("Содержание", audio.Content);
    lines.Flag("Dolby Surround", audio.DolbySurround);
    if (audio.StreamId) lines.Add("Идентификатор потока", Hex(*audio.StreamId));
    return lines.Section("Аудио #" + std::to_string(audio.Number));
}

ReportSection SubtitleSection(const TKxDVDSubtitleDetails& subtitle, const std::string& separator) {
    Lines lines(separator);
    lines.Add("Язык", Language(subtitle.LanguageCode, subtitle.LanguageName));
    lines.Add("Содержание", subtitle.Kind);
    constexpr const char* kModes[dmCount] = {"4:3", "wide", "letterbox", "pan-scan"};
    std::vector<std::string> ids;
    for (int mode = 0; mode < dmCount; ++mode)
        ids.push_back(std::string(kModes[mode]) + " " + Hex(subtitle.StreamIds[mode]));
    lines.Add("Идентификатор потока", Joined(ids));
    return lines.Section("Субтитры #" + std::to_string(subtitle.Number));
}

ReportSection TitleSection(uint32_t number, const TKxDVDTitleDetails* title, const std::string& separator) {
    Lines lines(separator);
    const std::string heading = "Заголовок " + std::to_string(number);
    if (!title || !title->Read) {
        lines.Add("Чтение", "данные заголовка повреждены: сведений нет");
        return lines.Section(heading);
    }
    lines.Add("Набор заголовков", std::to_string(title->TitleSet));
    lines.Add("Заголовок в наборе", std::to_string(title->TitleInSet));
    lines.Add("Идентификатор набора", title->TitleSetId);
    lines.Time("Длительность", title->Length);
    lines.Add("Частота кадров", FrameRate(title->FrameRate, separator));
    lines.Add("Ракурсы", std::to_string(title->Angles));
    std::string palette;
    for (const std::string& colour : title->Palette)
        palette += (palette.empty() ? "" : " ") + colour;
    lines.Add("Палитра", palette);
    std::vector<ReportSection> sections = {ChaptersSection(*title, separator),
                                           CellsSection(*title, separator),
                                           VideoSection(title->Video, separator)};
    for (const TKxDVDAudioDetails& audio : title->Audio)
        if (audio.Available) sections.push_back(AudioSection(audio, separator));
    for (const TKxDVDSubtitleDetails& subtitle : title->Subtitles)
        if (subtitle.Available) sections.push_back(SubtitleSection(subtitle, separator));
    return lines.Section(heading, std::move(sections));
}

}  // namespace

Report DvdDetailsReport(const TKxLumora& lumora) {
    if (!lumora.DVDVolumeRead()) return {};
    const TKxDVDDetails& details = lumora.DVDDetails();
    Report report = {VolumeSection(lumora)};
    const auto count = static_cast<uint32_t>(lumora.DVDInfo().Titles.Count());
    for (uint32_t number = 1; number <= count; ++number)
        report.push_back(TitleSection(number,
                                      number <= details.Titles.size() ? &details.Titles[number - 1] : nullptr,
                                      lumora.DecimalSeparator()));
    return report;
}

std::string DvdDetailsName(const TKxLumora& lumora) {
    const TKxDVDDetails& details = lumora.DVDDetails();
    if (lumora.DVDVolumeRead() && !details.Label.empty()) return details.Label;
    // The path as the user gave it, read without asking the file system.
    std::filesystem::path path = std::filesystem::path(lumora.FileName()).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();
    const std::string extension = UpperAscii(path.extension().string());
    if (extension == ".IFO" || extension == ".BUP") path = path.parent_path();
    if (UpperAscii(path.filename().string()) == "VIDEO_TS") path = path.parent_path();
    return path.filename().string();
}
