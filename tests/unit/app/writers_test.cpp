// Each row of lumora_info's writer table over the fakes' file, volume and catalogue.
#include "app/lumora_info/writer.h"

#include <gtest/gtest.h>

#include "component/lumoram.h"
#include "tests/support/fake_catalogue.h"
#include "tests/support/fake_dvd.h"
#include "tests/support/fake_hardware_probe.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

enum class Subject { Headers, File, FailedFile, Dvd, Catalogue, Failures };

// A stream of each kind with every fact a kind can have, and odd texts.
MediaDetails EveryKindOfFact() {
    MediaVideoDetails picture{
        .width = 1920,
        .height = 1080,
        .sampleAspect = MediaRatio{1, 1},
        .displayAspect = MediaRatio{16, 9},
        .averageFrameRate = MediaRatio{30000, 1001},
        .realFrameRate = MediaRatio{60000, 1001},
        .frameRateMode = MediaFrameRateMode::Variable,
        .pixelFormat = "yuv420p10le",
        .bitDepth = 10,
        .chromaSubsampling = MediaChromaSubsampling{1, 1},
        .colorRange = 0,
        .colorPrimaries = 9,
        .transferCharacteristics = 16,
        .matrixCoefficients = 9,
        .chromaLocation = 0,
        .fieldOrder = MediaFieldOrder::TopFirst,
        .rotation = 90,
        .stereo3d = "side by side",
        .masteringDisplay = MediaMasteringDisplay{.red = MediaChromaticity{0.68, 0.32},
                                                  .green = MediaChromaticity{0.265, 0.69},
                                                  .blue = MediaChromaticity{0.15, 0.06},
                                                  .whitePoint = MediaChromaticity{0.3127, 0.329},
                                                  .minLuminance = 0.0001,
                                                  .maxLuminance = 1000},
        .maxContentLightLevel = 1000,
        .maxFrameAverageLightLevel = 400,
        .dolbyVision = MediaDolbyVision{1, 0, 8, 6, true, false, true, 1}};
    const auto stream = [](int index, MediaStreamKind kind, const char* codec, const char* codecLong) {
        MediaStreamDetails details;
        details.index = index;
        details.kind = kind;
        details.codec = codec;
        details.codecLong = codecLong;
        return details;
    };
    MediaStreamDetails video = stream(0, MediaStreamKind::Video, "hevc", "H.265 / HEVC");
    video.codecTag = 0x31637668;
    video.profile = "Main 10";
    video.level = 153;
    video.dispositions = kDispositionDefault;
    video.start = 0.04;
    video.video = picture;
    video.decoding = {"hevc", {"hevc_qsv", "hevc_cuvid"}, true, "", {"vaapi", "cuda", "qsv"}};
    MediaStreamDetails audio = stream(1, MediaStreamKind::Audio, "eac3", "ATSC A/52B (AC-3, E-AC-3)");
    audio.language = "eng";
    audio.title = "Surround";
    audio.dispositions = kDispositionComment | kDispositionHearingImpaired;
    audio.start = 0.01;
    audio.bitRate = 640000;
    audio.tags = {{"language", "eng"}, {"title", "Surround"}, {"BPS", "640000"}};
    audio.audio = {6, "5.1(side)", "FL FR FC LFE SL SR", 48000, std::nullopt, "fltp", false};
    audio.decoding = {"eac3", {}, false, "exponent -1 is out of range", {}};
    MediaStreamDetails subtitle = stream(2, MediaStreamKind::Subtitle, "subrip", "SubRip subtitle");
    subtitle.language = "fre";
    subtitle.dispositions = kDispositionForced;
    subtitle.decoding.decodes = false;
    MediaStreamDetails font = stream(3, MediaStreamKind::Attachment, "ttf", "TrueType font");
    font.attachment = {"a.ttf", "font/ttf", 757076};
    MediaStreamDetails data = stream(4, MediaStreamKind::Data, "bin_data", "");
    data.language = "\x01\x02";
    return {.formatName = "matroska,webm",
            .formatLongName = "Matroska / WebM",
            .majorBrand = "",
            .fileSize = 1000,
            .duration = 2.5,
            .durationEstimated = true,
            .bitRate = 3200000,
            .start = 0,
            .tags = {{"title", "Holiday"}, {"ARTIST", "Someone"}, {"NOTE", "a\nb\x1b\xff"}},
            .streams = {video, audio, subtitle, font, data},
            .chapters = {{0, 1.5, "Arrival"}, {1.5, std::nullopt, ""}},
            .cutShort = true};
}

// A title of two chapters, the second an angle block, whose chapters fall short of its time; a
// stream the title marks absent; a label with a character beyond ASCII.
void EveryKindOfDvdDetail(FakeDvdSetup& setup) {
    setup.volumeDetails =
        DvdVolumeDetails{"FÊTE_2026", DvdLabelSource::Udf, "DVDVIDEO-VMG", "LUMORA", 1, 0x00FA0000};
    DvdTitleDetails title;
    title.titleSet = 1;
    title.titleInSet = 1;
    title.angles = 2;
    title.titleSetIdentifier = "DVDVIDEO-VTS";
    title.playbackTime = {1, 2, 3, 0, 1, true};
    title.video = {1, 1, 3, 1, true, false, 0, false, true};
    title.audio = {{0, false, 1, 2, 3, 0, 5, 'e' << 8 | 'n', 1, 0x08, 0x8000},
                   {4, false, 1, 0, 2, 1, 1, 'd' << 8 | 'e', 3, 0, 0x0100}};
    title.subpictures = {{0, 1, 'r' << 8 | 'u', 9, 0x80010203}};
    title.palette.fill(0x00108080);
    title.palette[0] = 0x00EB8080;
    title.palette[1] = 0x0052F05A;
    title.programMap = {1};
    title.cells = {{{0, 1, 0, 12, 1, true}, 1, 1, true}, {{0, 1, 0, 12, 1, true}, 3, 1, true}};
    setup.titleDetails = {title};
}

class Writers : public ::testing::Test {
protected:
    Writers() {
        FakeStream video = VideoInfoStream(640, 480, MakeFourCC('D', 'I', 'V', 'X'), 1500000);
        video.rate = 25;
        video.length = 2;
        FakeStream audio = WaveStream(1, 2, 44100, 16, 176400);
        audio.length = 2;
        script_.streams = {video, audio};
        script_.details = EveryKindOfFact();
        dvd_.setup.script = {{{1, 2, 3, 0},
                              FakeTitleAttributes(DVD_VideoCompression_MPEG2, 720, 576, 16, 9,
                                                  {FakeAudio(DVD_AudioFormat_AC3, 6, 0x0409)}, {0x0419})}};
        EveryKindOfDvdDetail(dvd_.setup);
        hardware_.devices = {
            {"vaapi", {HardwareProbeResult::Usable, "vaapi", "/dev/dri/renderD128", ""}},
            {"cuda", {HardwareProbeResult::NoDevice, "cuda", "", "Cannot load libcuda.so.1"}},
            {"qsv", {HardwareProbeResult::TimedOut, "qsv", "", ""}},
        };
        hardware_.encoders = {{"ffv1", {HardwareProbeResult::NoDevice, "vaapi", "", ""}}};
        platform_.Category(CLSID_VideoCompressorCategory).members = {fakes::Named("x264"),
                                                                     fakes::Named("ffv1 \u2014 FF Video 1")};
    }

    // What the writer writes, the test folder's name left out.
    std::string Written(const Writer& writer, Subject subject) {
        std::string text = Unfoldered(writer, subject);
        const std::string folder = dir_.Path().string() + "/";
        for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder))
            text.erase(at, folder.size());
        return text;
    }

private:
    std::string Unfoldered(const Writer& writer, Subject subject) {
        switch (subject) {
            case Subject::Headers:
                return writer.fileHeader(0, 1, "a") + writer.fileHeader(0, 2, "a") +
                       writer.fileHeader(1, 2, "b\nc");
            case Subject::File: return writer.file({"clip.avi", Read(dir_.File("clip.avi")), std::nullopt});
            case Subject::FailedFile:
                return writer.file({"gone.avi", Read((dir_.Path() / "gone.avi").string()),
                                    Failure{"gone.avi", "not found", "No such file or directory"}});
            case Subject::Dvd: {
                const auto installed = dvd_.Install();
                lumora_.SetFileName("/dvd");
                lumora_.ReadDVDInfo();
                return writer.dvd({"/dvd", lumora_});
            }
            case Subject::Catalogue:
                lumora_.FillDeviceLists();
                return writer.catalogue({CataloguePageLists(lumora_), lumora_.HardwareEncoderAvailability()});
            case Subject::Failures:
                return writer.failure({"/tmp", "not a DVD-Video volume", std::nullopt}) +
                       writer.failure({std::nullopt, "no enumerator", std::nullopt});
        }
        return {};
    }

    const TKxLumora& Read(const std::string& path) {
        lumora_.SetFileName(path);
        lumora_.ReadFileInfo();
        lumora_.ProbeHardwareDecoding();
        return lumora_;
    }

    TempDir dir_;
    FakeMediaScript script_;
    ScopedFakeMediaDetector detector_{script_};
    FakeHardwareAnswers hardware_;
    ScopedFakeHardwareProbe probe_{hardware_};
    FakeDvd dvd_;
    fakes::FakePlatform platform_;
    TKxLumora lumora_;
};

TEST_F(Writers, EachRowWritesEveryRecordWhole) {
    const struct {
        const char* writer;
        Subject subject;
        const char* expected;
    } cases[] = {
        {"text", Subject::Headers, "==> a <==\n\n==> b\\nc <==\n"},
        {"full", Subject::Headers, "==> a <==\n\n==> b\\nc <==\n"},
        {"full", Subject::File, R"report(Общее
  Файл: clip.avi
  Размер файла: 1000 байт
  Контейнер: AVI
  Формат: matroska,webm — Matroska / WebM
  Длительность: 00:00:02.500 (оценка по битрейту)
  Начало: 00:00:00.000
  Общий битрейт: 3200000 бит/с
  Название: Holiday
  Исполнитель: Someone
  Чтение: прервано по истечении времени: сведения неполны
  Теги
    NOTE: a\nb\x1b\xff

Видео #0
  Кодек: hevc — H.265 / HEVC
  Код кодека: hvc1
  Профиль: Main 10@L5.1
  Признаки: по умолчанию
  Начало: 00:00:00.040
  Ширина: 1920
  Высота: 1080
  Соотношение сторон: 16:9
  Соотношение сторон пикселя: 1:1
  Частота кадров: 29.97002997003 (30000/1001)
  Базовая частота кадров: 59.9400599400599 (60000/1001)
  Режим частоты кадров: переменная
  Формат пикселей: yuv420p10le
  Разрядность: 10 бит
  Субдискретизация цвета: 4:2:0
  Диапазон цветов: Limited
  Основные цвета: BT.2020
  Передаточная характеристика: PQ
  Матричные коэффициенты: BT.2020 non-constant
  Положение цветности: left
  Развёртка: чересстрочная, верхнее поле первым
  Поворот: 90°
  Стереоскопия: side by side
  HDR: Dolby Vision 8.1, HDR10 compatible
  Мастеринг-дисплей: Display P3, min 0.0001 кд/м², max 1000 кд/м²
  MaxCLL: 1000 кд/м²
  MaxFALL: 400 кд/м²
  Dolby Vision: profile 8, level 6, version 1.0, BL+RPU, compatibility 1 (HDR10 compatible)
  Декодер: hevc
  Другие декодеры: hevc_qsv, hevc_cuvid
  Декодируется: да
  Аппаратное декодирование
    VAAPI (/dev/dri/renderD128): да
    CUDA: нет устройства
    QSV: нет (нет ответа за 2 с)

Аудио #1
  Кодек: eac3 — ATSC A/52B (AC-3, E-AC-3)
  Язык: eng (English)
  Название: Surround
  Признаки: для слабослышащих, комментарий
  Начало: 00:00:00.010
  Задержка: -30 мс
  Битрейт: 640000 бит/с
  Каналы: 6
  Раскладка каналов: 5.1(side) (FL FR FC LFE SL SR)
  Частота дискретизации: 48000 Гц
  Формат отсчётов: fltp
  Сжатие: с потерями
  Декодер: eac3
  Декодируется: нет (exponent -1 is out of range)
  Теги
    BPS: 640000

Субтитры #2
  Формат: SubRip
  Кодек: subrip — SubRip subtitle
  Язык: fre (French)
  Признаки: принудительные
  Декодер: не установлен
  Декодируется: нет

Вложение #3
  Кодек: ttf — TrueType font
  Имя файла: a.ttf
  Тип MIME: font/ttf
  Размер: 757076 байт

Данные #4
  Кодек: bin_data
  Язык: \x01\x02

Главы
  00:00:00.000 – 00:00:01.500: Arrival
  00:00:01.500 – ?: 
)report"},
        {"json", Subject::Headers, ""},
        {"json", Subject::File,
         R"json({"lumora_json":1,"path":"clip.avi","ok":true,"error":null,"reason":null,"container":"AVI","types":{"video":{"major":"Video","sub":"DIVX"},"audio":{"major":"Audio","sub":"PCM"},"other":{"major":null,"sub":null}},"video":{"codec":"DivX","fourcc":"DIVX","width":640,"height":480,"duration":"00:02","duration_s":2.0,"frame_rate":25,"bit_rate":1500000,"frame_count":50,"aspect_ratio":"4:3","aspect_ratio_value":1.3333333333333333,"aspect_ratio_x":4,"aspect_ratio_y":3,"format":null},"audio":[{"codec":"Microsoft PCM Format","channels":2,"sample_rate":44100,"bits_per_sample":16,"bit_rate":1411200,"duration":"00:02","duration_s":2.0}],"details":{"format":{"name":"matroska,webm","long_name":"Matroska / WebM","brand":null,"size_bytes":1000,"duration_s":2.5,"duration_estimated":true,"bit_rate":3200000,"start_s":0,"tags":{"title":"Holiday","ARTIST":"Someone","NOTE":"a\nb\u001b�"}},"streams":[{"index":0,"kind":"video","codec":"hevc","codec_long":"H.265 / HEVC","codec_tag":"hvc1","profile":"Main 10","level":"5.1","language":null,"language_name":null,"title":null,"disposition":["default"],"duration_s":null,"start_s":0.04,"delay_s":null,"bit_rate":null,"tags":{},"width":1920,"height":1080,"sar":"1:1","dar":"16:9","frame_rate":29.97002997002997,"real_frame_rate":59.94005994005994,"frame_rate_mode":"variable","pix_fmt":"yuv420p10le","bit_depth":10,"chroma_subsampling":"4:2:0","color_range":"Limited","color_primaries":"BT.2020","color_transfer":"PQ","color_matrix":"BT.2020 non-constant","chroma_location":"left","field_order":"tt","rotation":90,"stereo_3d":"side by side","hdr":{"format":"Dolby Vision 8.1, HDR10 compatible","mastering_display":{"primaries":"Display P3","min_luminance":0.0001,"max_luminance":1000},"max_cll":1000,"max_fall":400,"dolby_vision":{"profile":8,"level":6,"rpu":true,"el":false,"bl":true,"compatibility":1}},"decoder":"hevc","other_decoders":["hevc_qsv","hevc_cuvid"],"decodes":true,"decode_error":null,"hw_decode":[{"type":"VAAPI","device":"/dev/dri/renderD128","usable":true,"reason":null},{"type":"CUDA","device":null,"usable":false,"reason":"no CUDA device: Cannot load libcuda.so.1"},{"type":"QSV","device":null,"usable":false,"reason":"no answer within 2 s"}]},{"index":1,"kind":"audio","codec":"eac3","codec_long":"ATSC A/52B (AC-3, E-AC-3)","codec_tag":null,"profile":null,"level":null,"language":"eng","language_name":"English","title":"Surround","disposition":["hearing_impaired","comment"],"duration_s":null,"start_s":0.01,"delay_s":-0.03,"bit_rate":640000,"tags":{"language":"eng","title":"Surround","BPS":"640000"},"channels":6,"channel_layout":"5.1(side)","channel_names":"FL FR FC LFE SL SR","sample_rate":48000,"bits_per_sample":null,"sample_fmt":"fltp","lossless":false,"decoder":"eac3","other_decoders":[],"decodes":false,"decode_error":"exponent -1 is out of range","hw_decode":[]},{"index":2,"kind":"subtitle","codec":"subrip","codec_long":"SubRip subtitle","codec_tag":null,"profile":null,"level":null,"language":"fre","language_name":"French","title":null,"disposition":["forced"],"duration_s":null,"start_s":null,"delay_s":null,"bit_rate":null,"tags":{},"format":"SubRip","decoder":null,"other_decoders":[],"decodes":false,"decode_error":null,"hw_decode":[]},{"index":3,"kind":"attachment","codec":"ttf","codec_long":"TrueType font","codec_tag":null,"profile":null,"level":null,"language":null,"language_name":null,"title":null,"disposition":[],"duration_s":null,"start_s":null,"delay_s":null,"bit_rate":null,"tags":{},"file_name":"a.ttf","mime_type":"font/ttf","size_bytes":757076},{"index":4,"kind":"data","codec":"bin_data","codec_long":null,"codec_tag":null,"profile":null,"level":null,"language":"\u0001\u0002","language_name":null,"title":null,"disposition":[],"duration_s":null,"start_s":null,"delay_s":null,"bit_rate":null,"tags":{}}],"chapters":[{"start_s":0,"end_s":1.5,"title":"Arrival"},{"start_s":1.5,"end_s":null,"title":null}],"cut_short":true}})json"
         "\n"},
        {"text", Subject::FailedFile,
         "********* ВИДЕО *********\nКодек: \nДлина: \nШирина: 0\nВысота: 0\nFOURCC: \n"
         "Отношение сторон: \nЧастота кадров: 0\nБитрейт: 0\nЧисло кадров: 0\nFILE NOT FOUND\n"},
        {"full", Subject::FailedFile,
         "********* ВИДЕО *********\nКодек: \nДлина: \nШирина: 0\nВысота: 0\nFOURCC: \n"
         "Отношение сторон: \nЧастота кадров: 0\nБитрейт: 0\nЧисло кадров: 0\nFILE NOT FOUND\n"},
        {"json", Subject::FailedFile,
         R"({"lumora_json":1,"path":"gone.avi","ok":false,"error":"not found","reason":"No such file or directory","container":null,"types":{"video":{"major":null,"sub":null},"audio":{"major":null,"sub":null},"other":{"major":null,"sub":null}},"video":null,"audio":[],"details":null})"
         "\n"},
        {"text", Subject::Dvd,
         "Глава 1  [1:2:3]\n  Видео: MPEG2 720x576 16:9 \n"
         "  Аудиопотоки: AC3 - 6 канала(ов) - English\n  Субтитры: Russian\n"},
        {"json", Subject::Dvd,
         R"({"lumora_json":1,"path":"/dvd","ok":true,"error":null,"disc_id":"75D4B74F024ECEEA","volumes":2,"volume":1,"side":"B","regions":[1,3,4,5,6,7,8],"parental_level":null,"label":"FÊTE_2026","label_source":"udf","vmg_id":"DVDVIDEO-VMG","provider_id":"LUMORA","title_sets":1,"longest_title":1,"titles":[{"number":1,"text":"Глава 1  [1:2:3]","playing_time":{"text":"1:02:03.00","hours":1,"minutes":2,"seconds":3,"frames":0,"frame_rate":25,"duration_s":3723.0},"chapters":11,"parental_levels":[1],"video":{"text":"MPEG2 720x576 16:9 ","compression":"MPEG2","width":720,"height":576,"aspect_ratio":"16:9","aspect_ratio_x":16,"aspect_ratio_y":9,"standard":null,"field_rate":0,"frame_height":0,"pan_scan_permitted":false,"letterbox_permitted":false,"source_letterboxed":false,"film_mode":false,"display_formats":["pan-scan"],"closed_captions":[1],"camera_mode":"film"},"audio":[{"text":"AC3 - 6 канала(ов) - English","format":"AC3","channels":6,"sample_rate":0,"bits_per_sample":null,"language":"English","language_code":"en","language_id":1033,"language_extension":0,"stream_id":128,"available":true,"content":"normal","quantization":"DRC","dolby_surround":true}],"subtitles":[{"language":"Russian","language_code":"ru","language_id":1049,"language_extension":0,"available":true,"kind":"forced","stream_ids":{"4:3":32,"wide":33,"letterbox":34,"pan_scan":35}}],"title_set":1,"title_in_set":1,"title_set_id":"DVDVIDEO-VTS","angles":2,"chapter_times":[{"number":1,"start_s":0,"length_s":60.48}],"cells":[{"start_s":0,"length_s":60.48,"angle_block":"first","seamless":true},{"start_s":0,"length_s":60.48,"angle_block":"last","seamless":true}],"palette":["#FFFFFF","#FF0100","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000"]}]})"
         "\n"},
        {"full", Subject::Dvd, R"report(Диск
  Путь: /dvd
  Метка тома: FÊTE_2026 (UDF)
  Идентификатор VMG: DVDVIDEO-VMG
  Поставщик: LUMORA
  Наборы заголовков: 1
  Заголовки: 1
  Самый длинный заголовок: 1
  Регионы: allowed in regions 1, 3
  Том: 1 из 2
  Сторона: B
  Идентификатор диска: 75D4B74F024ECEEA

Заголовок 1
  Набор заголовков: 1
  Заголовок в наборе: 1
  Идентификатор набора: DVDVIDEO-VTS
  Длительность: 01:02:03.000
  Частота кадров: 25
  Ракурсы: 2
  Палитра: #FFFFFF #FF0100 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000 #000000
  Главы
    Сумма длин: 00:01:00.480 — не равна длительности заголовка
    Глава 1
      Начало: 00:00:00.000
      Длина: 00:01:00.480
      Ячейки: 1–2
  Ячейки
    Ячейка 1
      Начало: 00:00:00.000
      Длина: 00:01:00.480
      Блок ракурсов: first
      Бесшовное воспроизведение: да
    Ячейка 2
      Начало: 00:00:00.000
      Длина: 00:01:00.480
      Блок ракурсов: last
      Бесшовное воспроизведение: да
  Видео
    Формат: MPEG-2
    Стандарт: PAL
    Размер кадра: 720x576
    Соотношение сторон: 16:9
    Форматы показа: pan-scan
    Скрытые субтитры (line 21): field 1
    Режим съёмки: film
  Аудио #1
    Формат: AC3
    Частота дискретизации: 48000 Гц
    Квантование: DRC
    Каналы: 6
    Язык: en (English)
    Содержание: normal
    Dolby Surround: да
    Идентификатор потока: 0x80
  Субтитры #1
    Язык: ru (Russian)
    Содержание: forced
    Идентификатор потока: 4:3 0x20, wide 0x21, letterbox 0x22, pan-scan 0x23
)report"},
        {"text", Subject::Catalogue,
         "Видео кодеки:\n  ffv1 — FF Video 1\n  x264\nАудио кодеки:\nФильтры DirectShow:\n"
         "Устройства захвата видео:\nУстройства захвата аудио:\nTV тюнеры:\nУстройства аудиовывода:\n"},
        {"full", Subject::Catalogue,
         "Видео кодеки:\n  ffv1 — FF Video 1\n    Доступен на этой машине: нет (нет устройства VAAPI)\n  "
         "x264\n"
         "Аудио кодеки:\nФильтры DirectShow:\nУстройства захвата видео:\nУстройства захвата аудио:\nTV "
         "тюнеры:\n"
         "Устройства аудиовывода:\n"},
        {"json", Subject::Catalogue,
         R"({"lumora_json":1,"ok":true,"error":null,"lists":{"video_codecs":{"label":"Видео кодеки:","entries":[{"name":"ffv1","long_name":"FF Video 1","usable":false,"reason":"no VAAPI device"},{"name":"x264","long_name":null}]},"audio_codecs":{"label":"Аудио кодеки:","entries":[]},"directshow_filters":{"label":"Фильтры DirectShow:","entries":[]},"video_capture_devices":{"label":"Устройства захвата видео:","entries":[]},"audio_capture_devices":{"label":"Устройства захвата аудио:","entries":[]},"tv_tuners":{"label":"TV тюнеры:","entries":[]},"audio_output_devices":{"label":"Устройства аудиовывода:","entries":[]}}})"
         "\n"},
        {"text", Subject::Failures, ""},
        {"json", Subject::Failures,
         R"({"lumora_json":1,"path":"/tmp","ok":false,"error":"not a DVD-Video volume"})"
         "\n"
         R"({"lumora_json":1,"ok":false,"error":"no enumerator"})"
         "\n"},
    };
    for (const auto& c : cases) {
        const Writer* writer = FindWriter(c.writer);
        ASSERT_NE(writer, nullptr);
        EXPECT_EQ(Written(*writer, c.subject), c.expected) << c.writer << " " << static_cast<int>(c.subject);
    }
    EXPECT_EQ(WriterNames(), "text, json, full");
    EXPECT_EQ(&DefaultWriter(), FindWriter("text"));
    EXPECT_EQ(FindWriter("xml"), nullptr);
}

}  // namespace
}  // namespace lumora::testing
