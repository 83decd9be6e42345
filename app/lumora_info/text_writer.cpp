#include "app/lumora_info/text_writer.h"

#include "app/lumora_info/file_names.h"
#include "app/page_text/dvd_page_lines.h"
#include "app/page_text/file_page_lines.h"
#include "component/lumoram.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string Labelled(const char* label, const std::string& text) {
    return std::string("  ") + label + " " + text + "\n";
}

}  // namespace

std::string TextFileHeader(size_t written, size_t count, std::string_view path) {
    if (count < 2) return {};
    return (written > 0 ? "\n==> " : "==> ") + EscapedName(path) + " <==\n";
}

std::string TextFile(const FileRecord& record) { return Joined(FilePageLines(record.lumora)); }

std::string TextDvd(const DvdRecord& record) {
    std::string text;
    const TKx_DVD_Titles& titles = record.lumora.DVDInfo().Titles;
    for (int32_t i = 0; i < titles.Count(); ++i) {
        const TKx_DVD_TitleInfo& title = titles.Items(i);
        text += DvdTitleLine(i, title) + "\n";
        text += Labelled("Видео:", DvdVideoLine(title.TitleAttributes));
        for (const std::string& line : DvdAudioLines(title.TitleAttributes))
            text += Labelled("Аудиопотоки:", line);
        for (const std::string& line : DvdSubtitleLines(title.TitleAttributes))
            text += Labelled("Субтитры:", line);
    }
    return text;
}

std::string TextCatalogue(const CatalogueRecord& record) { return Joined(CataloguePageLines(record.lists)); }

std::string TextFailure(const Failure&) { return {}; }
