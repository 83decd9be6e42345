#include "app/page_text/verify_report.h"

#include "mediainfo/number_text.h"
#include "mediainfo/verify_media_file.h"

namespace {

ReportSection FirstErrors(const std::vector<MediaDecodeError>& first, const std::string& separator) {
    ReportSection errors{"Первые ошибки", {}, {}};
    for (const MediaDecodeError& error : first)
        errors.lines.push_back(
            {error.time ? FormatClockTime(*error.time, separator) : "?", ReportValue(error.message)});
    return errors;
}

ReportSection FileSection(const MediaVerification& verification, const std::string& separator) {
    ReportSection section{"Проверка", {{"Итог", VerifyVerdict(verification)}}, {}};
    section.lines.push_back({"Прочитано", std::to_string(verification.bytesRead) + " из " +
                                              std::to_string(verification.fileSize) + " байт"});
    if (verification.statedDuration)
        section.lines.push_back({"Длительность", FormatClockTime(*verification.statedDuration, separator)});
    if (verification.reachedEnd)
        section.lines.push_back({"Данные до", FormatClockTime(*verification.reachedEnd, separator)});
    if (verification.endedEarly)
        section.lines.push_back({"Файл обрывается", "раньше заявленной длительности"});
    if (!verification.readError.empty())
        section.lines.push_back({"Чтение остановлено", ReportValue(verification.readError)});
    if (verification.containerErrors > 0) {
        section.lines.push_back({"Ошибок контейнера", std::to_string(verification.containerErrors)});
        section.sections.push_back(FirstErrors(verification.firstContainerErrors, separator));
    }
    return section;
}

ReportSection StreamSection(const MediaStreamVerification& stream, const std::string& separator) {
    ReportSection section{"Поток #" + std::to_string(stream.index) +
                              (stream.codec.empty() ? "" : " (" + ReportValue(stream.codec) + ")"),
                          {},
                          {}};
    if (stream.decoder.empty()) {
        section.lines.push_back({"Декодер", "не установлен: поток не декодируется"});
        section.lines.push_back({"Пакетов", std::to_string(stream.packets)});
        return section;
    }
    section.lines.push_back({"Декодер", ReportValue(stream.decoder)});
    section.lines.push_back({"Пакетов", std::to_string(stream.packets)});
    section.lines.push_back({"Декодировано кадров", std::to_string(stream.decodedFrames)});
    section.lines.push_back({"Ошибок", std::to_string(stream.errors)});
    if (stream.timestampsBackwards > 0)
        section.lines.push_back({"Метки времени назад", std::to_string(stream.timestampsBackwards)});
    if (!stream.firstErrors.empty()) section.sections.push_back(FirstErrors(stream.firstErrors, separator));
    return section;
}

}  // namespace

Report VerifyReport(const MediaVerification& verification, const std::string& separator, bool problemsOnly) {
    Report report = {FileSection(verification, separator)};
    for (const MediaStreamVerification& stream : verification.streams)
        if (!problemsOnly || StreamHasProblems(stream)) report.push_back(StreamSection(stream, separator));
    return report;
}

std::string VerifyVerdict(const MediaVerification& verification) {
    if (verification.cancelled) return "прервана, проверено не всё";
    return VerificationClean(verification) ? "без ошибок" : "найдены ошибки";
}
