#include "app/page_text/file_details_report.h"

#include <cmath>

#include "app/page_text/hardware_answer_text.h"
#include "component/lumoram.h"
#include "mediainfo/codec_notation.h"
#include "mediainfo/hdr_names.h"
#include "mediainfo/number_text.h"
#include "platform/ascii.h"

namespace {

constexpr struct {
    uint32_t bit;
    const char* name;
} kFlagNames[] = {
    {kDispositionDefault, "по умолчанию"},
    {kDispositionForced, "принудительные"},
    {kDispositionHearingImpaired, "для слабослышащих"},
    {kDispositionVisualImpaired, "для слабовидящих"},
    {kDispositionComment, "комментарий"},
    {kDispositionOriginal, "оригинал"},
    {kDispositionDub, "дубляж"},
    {kDispositionCaptions, "скрытые субтитры"},
    {kDispositionDescriptions, "аудиоописание"},
    {kDispositionLyrics, "текст песни"},
    {kDispositionKaraoke, "караоке"},
    {kDispositionAttachedPicture, "обложка"},
};

// Lines of one section, each added only when its value says something.
class Lines {
public:
    explicit Lines(const std::string& separator) : separator_(separator) {}

    void Add(const char* label, std::string value) {
        if (!value.empty()) lines_.push_back({label, ReportValue(std::move(value))});
    }
    template <class Number>
    void Add(const char* label, const std::optional<Number>& value, const char* unit) {
        if (value) Add(label, NumberText(static_cast<double>(*value)) + unit);
    }
    void Time(const char* label, const std::optional<double>& seconds) {
        if (seconds) Add(label, ClockText(*seconds));
    }
    std::string NumberText(double value) const { return FormatGeneralNumber(value, separator_); }
    std::string ClockText(double seconds) const { return FormatClockTime(seconds, separator_); }

    // A section of its own inside this one, before the tags.
    void Nest(ReportSection section) { nested_.push_back(std::move(section)); }

    ReportSection Section(std::string title, const std::vector<MediaTag>& tags,
                          std::initializer_list<std::string_view> shownKeys) {
        ReportSection section{std::move(title), std::move(lines_), std::move(nested_)};
        ReportSection tagSection{"Теги", {}, {}};
        for (const MediaTag& tag : tags) {
            bool shown = false;
            for (const std::string_view key : shownKeys)
                shown = shown || UpperAscii(tag.key) == UpperAscii(key);
            if (!shown) tagSection.lines.push_back({ReportValue(tag.key), ReportValue(tag.value)});
        }
        if (!tagSection.lines.empty()) section.sections.push_back(std::move(tagSection));
        return section;
    }

private:
    const std::string& separator_;
    std::vector<ReportLine> lines_;
    std::vector<ReportSection> nested_;
};

// "opus — Opus (Opus Interactive Audio Codec)", as the catalogue names codecs.
std::string NameAndLongName(const std::string& name, const std::string& longName) {
    if (name.empty() || longName.empty()) return name + longName;
    return name + " — " + longName;
}

std::string Ratio(const std::optional<MediaRatio>& ratio) {
    return ratio ? std::to_string(ratio->num) + ":" + std::to_string(ratio->den) : std::string();
}

std::string FrameRate(const Lines& lines, const std::optional<MediaRatio>& rate) {
    if (!rate) return {};
    const std::string number =
        lines.NumberText(static_cast<double>(rate->num) / static_cast<double>(rate->den));
    return rate->den == 1 ? number
                          : number + " (" + std::to_string(rate->num) + "/" + std::to_string(rate->den) + ")";
}

std::string Scan(const std::optional<MediaFieldOrder>& order) {
    if (!order) return {};
    switch (*order) {
        case MediaFieldOrder::Progressive: return "прогрессивная";
        case MediaFieldOrder::TopFirst: return "чересстрочная, верхнее поле первым";
        case MediaFieldOrder::BottomFirst: return "чересстрочная, нижнее поле первым";
        case MediaFieldOrder::TopCodedBottomShown:
            return "чересстрочная, нижнее поле первым (верхнее закодировано первым)";
        case MediaFieldOrder::BottomCodedTopShown:
            return "чересстрочная, верхнее поле первым (нижнее закодировано первым)";
    }
    return {};
}

std::string Flags(uint32_t dispositions) {
    std::string text;
    for (const auto& flag : kFlagNames)
        if (dispositions & flag.bit) text += (text.empty() ? "" : ", ") + std::string(flag.name);
    return text;
}

std::string Luminance(const Lines& lines, const std::optional<double>& value) {
    return value ? lines.NumberText(*value) + " кд/м²" : std::string();
}

std::string MasteringDisplay(const Lines& lines, const DetailsVideo& video) {
    std::string text = video.masteringPrimaries;
    for (const auto& [name, value] :
         {std::pair{"min ", &video.masteringMinLuminance}, std::pair{"max ", &video.masteringMaxLuminance}})
        if (*value) text += (text.empty() ? "" : ", ") + std::string(name) + Luminance(lines, *value);
    return text;
}

std::string DolbyVision(const std::optional<MediaDolbyVision>& vision) {
    if (!vision) return {};
    std::string layers;
    for (const auto& [present, name] :
         {std::pair{vision->bl, "BL"}, std::pair{vision->el, "EL"}, std::pair{vision->rpu, "RPU"}})
        if (present) layers.append(layers.empty() ? "" : "+").append(name);
    std::string text = "profile " + std::to_string(vision->profile) + ", level " +
                       std::to_string(vision->level) + ", version " + std::to_string(vision->versionMajor) +
                       "." + std::to_string(vision->versionMinor);
    if (!layers.empty()) text += ", " + layers;
    text += ", compatibility " + std::to_string(vision->compatibilityId);
    if (const std::string compatible = DolbyVisionCompatibilityName(vision->compatibilityId);
        !compatible.empty())
        text += " (" + compatible + ")";
    return text;
}

void AddVideo(Lines& lines, const DetailsVideo& video) {
    if (video.width > 0) lines.Add("Ширина", std::to_string(video.width));
    if (video.height > 0) lines.Add("Высота", std::to_string(video.height));
    lines.Add("Соотношение сторон", Ratio(video.displayAspect));
    lines.Add("Соотношение сторон пикселя", Ratio(video.sampleAspect));
    lines.Add("Частота кадров", FrameRate(lines, video.frameRate));
    if (video.realFrameRate && (!video.frameRate || video.realFrameRate->num * video.frameRate->den !=
                                                        video.frameRate->num * video.realFrameRate->den))
        lines.Add("Базовая частота кадров", FrameRate(lines, video.realFrameRate));
    if (video.frameRateMode)
        lines.Add("Режим частоты кадров",
                  *video.frameRateMode == MediaFrameRateMode::Constant ? "постоянная" : "переменная");
    lines.Add("Формат пикселей", video.pixelFormat);
    lines.Add("Разрядность", video.bitDepth, " бит");
    lines.Add("Субдискретизация цвета", video.chromaSubsampling);
    lines.Add("Диапазон цветов", video.colourRange);
    lines.Add("Основные цвета", video.colourPrimaries);
    lines.Add("Передаточная характеристика", video.transferCharacteristics);
    lines.Add("Матричные коэффициенты", video.matrixCoefficients);
    lines.Add("Положение цветности", video.chromaLocation);
    lines.Add("Развёртка", Scan(video.fieldOrder));
    lines.Add("Поворот", video.rotation, "°");
    lines.Add("Стереоскопия", video.stereo3d);
    lines.Add("HDR", video.hdrFormat);
    lines.Add("Мастеринг-дисплей", MasteringDisplay(lines, video));
    lines.Add("MaxCLL", video.maxCll, " кд/м²");
    lines.Add("MaxFALL", video.maxFall, " кд/м²");
    lines.Add("Dolby Vision", DolbyVision(video.dolbyVision));
}

void AddAudio(Lines& lines, const DetailsAudio& audio) {
    if (audio.channels > 0) lines.Add("Каналы", std::to_string(audio.channels));
    std::string layout = audio.channelLayout;
    if (!audio.channelNames.empty() && audio.channelNames != layout)
        layout += " (" + audio.channelNames + ")";
    lines.Add("Раскладка каналов", layout);
    if (audio.sampleRate > 0) lines.Add("Частота дискретизации", std::to_string(audio.sampleRate) + " Гц");
    lines.Add("Разрядность", audio.bitsPerSample, " бит");
    lines.Add("Формат отсчётов", audio.sampleFormat);
    if (audio.lossless) lines.Add("Сжатие", *audio.lossless ? "без потерь" : "с потерями");
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

void AddDecoding(Lines& lines, MediaStreamKind kind, const DetailsDecoding& decoding) {
    lines.Add("Декодер", decoding.decoder.empty() ? "не установлен" : decoding.decoder);
    lines.Add("Другие декодеры", Joined(decoding.otherDecoders));
    std::string decodes = "не проверено";
    if (decoding.decodes) decodes = *decoding.decodes ? "да" : "нет";
    if (!decoding.decodeError.empty()) decodes += " (" + decoding.decodeError + ")";
    lines.Add("Декодируется", decodes);
    if (decoding.hardware.empty()) {
        if (kind == MediaStreamKind::Video) lines.Add("Аппаратное декодирование", "нет");
        return;
    }
    ReportSection paths{"Аппаратное декодирование", {}, {}};
    for (const DetailsHardwarePath& path : decoding.hardware) {
        std::string label = path.typeName;
        if (path.answer && !path.answer->device.empty()) label += " (" + path.answer->device + ")";
        paths.lines.push_back({ReportValue(label), ReportValue(HardwarePathText(path.answer))});
    }
    lines.Nest(std::move(paths));
}

const char* SectionName(MediaStreamKind kind) {
    switch (kind) {
        case MediaStreamKind::Video: return "Видео #";
        case MediaStreamKind::Audio: return "Аудио #";
        case MediaStreamKind::Subtitle: return "Субтитры #";
        case MediaStreamKind::Attachment: return "Вложение #";
        case MediaStreamKind::Data: return "Данные #";
    }
    return "Данные #";
}

ReportSection StreamSection(const std::string& separator, const DetailsStream& stream) {
    Lines lines(separator);
    lines.Add("Формат", stream.format);
    lines.Add("Кодек", NameAndLongName(stream.codec, stream.codecLong));
    lines.Add("Код кодека", stream.codecTag);
    lines.Add("Профиль", ProfileAndLevel(stream.codec, stream.profile, stream.level));
    std::string language = stream.language;
    if (!stream.languageName.empty()) language += " (" + stream.languageName + ")";
    lines.Add("Язык", language);
    lines.Add("Название", stream.title);
    lines.Add("Признаки", Flags(stream.dispositions));
    lines.Time("Длительность", stream.duration);
    lines.Time("Начало", stream.start);
    if (stream.delay) lines.Add("Задержка", lines.NumberText(std::round(*stream.delay * 1000)) + " мс");
    lines.Add("Битрейт", stream.bitRate, " бит/с");
    if (stream.kind == MediaStreamKind::Video) AddVideo(lines, stream.video);
    if (stream.kind == MediaStreamKind::Audio) AddAudio(lines, stream.audio);
    if (stream.kind == MediaStreamKind::Attachment) {
        lines.Add("Имя файла", stream.attachment.fileName);
        lines.Add("Тип MIME", stream.attachment.mimeType);
        lines.Add("Размер", stream.attachment.size, " байт");
    }
    if (DecodedKind(stream.kind)) AddDecoding(lines, stream.kind, stream.decoding);
    return lines.Section(SectionName(stream.kind) + std::to_string(stream.index), stream.tags,
                         {"language", "title"});
}

ReportSection GeneralSection(const TKxLumora& lumora, const FileDetails& details) {
    Lines lines(lumora.DecimalSeparator());
    lines.Add("Файл", lumora.AnalysedFileName());
    lines.Add("Размер файла", details.size, " байт");
    lines.Add("Контейнер", lumora.FileFormat());
    lines.Add("Формат", NameAndLongName(details.formatName, details.formatLongName));
    lines.Add("Бренд", details.brand);
    std::string duration = details.duration ? lines.ClockText(*details.duration) : std::string();
    if (!duration.empty() && details.durationEstimated) duration += " (оценка по битрейту)";
    lines.Add("Длительность", duration);
    lines.Time("Начало", details.start);
    lines.Add("Общий битрейт", details.bitRate, " бит/с");
    const DetailsNamedTags& named = details.named;
    lines.Add("Название", named.title);
    lines.Add("Исполнитель", named.artist);
    lines.Add("Альбом", named.album);
    lines.Add("Комментарий", named.comment);
    lines.Add("Дата", named.date);
    lines.Add("Дата создания", named.creationTime);
    lines.Add("Программа записи", named.encoder);
    if (details.cutShort) lines.Add("Чтение", "прервано по истечении времени: сведения неполны");
    return lines.Section("Общее", details.tags,
                         {"title", "artist", "album", "comment", "date", "creation_time", "encoder"});
}

}  // namespace

Report FileDetailsReport(const TKxLumora& lumora) {
    if (!lumora.Details()) return {};
    const FileDetails& details = *lumora.Details();
    Report report = {GeneralSection(lumora, details)};
    for (const DetailsStream& stream : details.streams)
        report.push_back(StreamSection(lumora.DecimalSeparator(), stream));
    if (!details.chapters.empty()) {
        Lines lines(lumora.DecimalSeparator());
        ReportSection chapters{"Главы", {}, {}};
        for (const DetailsChapter& chapter : details.chapters)
            chapters.lines.push_back({lines.ClockText(chapter.start.value_or(0)) + " – " +
                                          (chapter.end ? lines.ClockText(*chapter.end) : std::string("?")),
                                      ReportValue(chapter.title)});
        report.push_back(std::move(chapters));
    }
    return report;
}
