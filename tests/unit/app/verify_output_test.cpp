// The full decoding check's report and JSON over a record with every kind of problem.
#include <gtest/gtest.h>

#include "app/lumora_info/verify_json.h"
#include "app/page_text/verify_report.h"

namespace lumora::testing {
namespace {

MediaVerification EveryProblem() {
    MediaVerification checked;
    checked.fileSize = 2000;
    checked.bytesRead = 1000;
    checked.statedDuration = 4;
    checked.reachedEnd = 2.04;
    checked.endedEarly = true;
    checked.readError = "Input/output error";
    checked.containerErrors = 12;
    checked.firstContainerErrors = {{2.04, "max resync size reached, could not find sync byte"}};
    checked.streams.resize(3);
    checked.streams[0] = {0,      MediaStreamKind::Video,
                          "h264", "h264",
                          50,     49,
                          2,      {{1.5, "error while decoding MB 1 2"}, {std::nullopt, "no frame!"}},
                          0};
    checked.streams[1] = {1, MediaStreamKind::Audio, "aac", "aac", 90, 90, 0, {}, 0};
    checked.streams[2] = {2, MediaStreamKind::Subtitle, "", "", 3, 0, 0, {}, 1};
    return checked;
}

TEST(VerifyOutput, ReportAndJsonSayEverythingTheCheckFound) {
    const MediaVerification checked = EveryProblem();
    const std::string problems = R"(Проверка
  Итог: найдены ошибки
  Прочитано: 1000 из 2000 байт
  Длительность: 00:00:04,000
  Данные до: 00:00:02,040
  Файл обрывается: раньше заявленной длительности
  Чтение остановлено: Input/output error
  Ошибок контейнера: 12
  Первые ошибки
    00:00:02,040: max resync size reached, could not find sync byte

Поток #0 (h264)
  Декодер: h264
  Пакетов: 50
  Декодировано кадров: 49
  Ошибок: 2
  Первые ошибки
    00:00:01,500: error while decoding MB 1 2
    ?: no frame!

Поток #2
  Декодер: не установлен: поток не декодируется
  Пакетов: 3
)";
    EXPECT_EQ(ReportText(VerifyReport(checked, ",", true)), problems);
    const std::string full = ReportText(VerifyReport(checked, ",", false));
    EXPECT_NE(
        full.find("Поток #1 (aac)\n  Декодер: aac\n  Пакетов: 90\n  Декодировано кадров: 90\n  Ошибок: 0\n"),
        std::string::npos)
        << full;
    EXPECT_EQ(
        VerificationJson(checked).dump(),
        R"({"ok":false,"ended_early":true,"duration_s":4.0,"end_s":2.04,"read_error":"Input/output error","container_errors":12,"first_container_errors":[{"time_s":2.04,"message":"max resync size reached, could not find sync byte"}],"cancelled":false,"size_bytes":2000,"bytes_read":1000,"streams":[{"index":0,"kind":"video","codec":"h264","decoder":"h264","packets":50,"decoded_frames":49,"errors":2,"first_errors":[{"time_s":1.5,"message":"error while decoding MB 1 2"},{"time_s":null,"message":"no frame!"}],"timestamps_backwards":0},{"index":1,"kind":"audio","codec":"aac","decoder":"aac","packets":90,"decoded_frames":90,"errors":0,"first_errors":[],"timestamps_backwards":0},{"index":2,"kind":"subtitle","codec":null,"decoder":null,"packets":3,"decoded_frames":0,"errors":0,"first_errors":[],"timestamps_backwards":1}]})");
}

}  // namespace
}  // namespace lumora::testing
