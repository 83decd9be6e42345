// Each row of lumora_info's writer table over the fakes' file, volume and catalogue.
#include "app/lumora_info/writer.h"

#include <gtest/gtest.h>

#include "component/lumoram.h"
#include "tests/support/fake_catalogue.h"
#include "tests/support/fake_dvd.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

enum class Subject { Headers, File, FailedFile, Dvd, Catalogue, Failures };

class Writers : public ::testing::Test {
protected:
    Writers() {
        FakeStream video = VideoInfoStream(640, 480, MakeFourCC('D', 'I', 'V', 'X'), 1500000);
        video.rate = 25;
        video.length = 2;
        FakeStream audio = WaveStream(1, 2, 44100, 16, 176400);
        audio.length = 2;
        script_.streams = {video, audio};
        dvd_.setup.script = {{{1, 2, 3, 0},
                              FakeTitleAttributes(DVD_VideoCompression_MPEG2, 720, 576, 16, 9,
                                                  {FakeAudio(DVD_AudioFormat_AC3, 6, 0x0409)}, {0x0419})}};
        platform_.Category(CLSID_VideoCompressorCategory).members = {fakes::Named("x264"),
                                                                     fakes::Named("ffv1 \u2014 FF Video 1")};
    }

    std::string Written(const Writer& writer, Subject subject) {
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
                return writer.dvd({"/dvd", lumora_.DVDInfo()});
            }
            case Subject::Catalogue:
                lumora_.FillDeviceLists();
                return writer.catalogue({CataloguePageLists(lumora_)});
            case Subject::Failures:
                return writer.failure({"/tmp", "not a DVD-Video volume", std::nullopt}) +
                       writer.failure({std::nullopt, "no enumerator", std::nullopt});
        }
        return {};
    }

private:
    const TKxLumora& Read(const std::string& path) {
        lumora_.SetFileName(path);
        lumora_.ReadFileInfo();
        return lumora_;
    }

    TempDir dir_;
    FakeMediaScript script_;
    ScopedFakeMediaDetector detector_{script_};
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
        {"json", Subject::Headers, ""},
        {"json", Subject::File,
         R"({"lumora_json":1,"path":"clip.avi","ok":true,"error":null,"reason":null,"container":"AVI","types":{"video":{"major":"Video","sub":"DIVX"},"audio":{"major":"Audio","sub":"PCM"},"other":{"major":null,"sub":null}},"video":{"codec":"DivX","fourcc":"DIVX","width":640,"height":480,"duration":"00:02","duration_s":2.0,"frame_rate":25,"bit_rate":1500000,"frame_count":50,"aspect_ratio":"4:3","aspect_ratio_value":1.3333333333333333,"aspect_ratio_x":4,"aspect_ratio_y":3,"format":null},"audio":[{"codec":"Microsoft PCM Format","channels":2,"sample_rate":44100,"bits_per_sample":16,"bit_rate":1411200,"duration":"00:02","duration_s":2.0}]})"
         "\n"},
        {"text", Subject::FailedFile,
         "********* ВИДЕО *********\nКодек: \nДлина: \nШирина: 0\nВысота: 0\nFOURCC: \n"
         "Отношение сторон: \nЧастота кадров: 0\nБитрейт: 0\nЧисло кадров: 0\nFILE NOT FOUND\n"},
        {"json", Subject::FailedFile,
         R"({"lumora_json":1,"path":"gone.avi","ok":false,"error":"not found","reason":"No such file or directory","container":null,"types":{"video":{"major":null,"sub":null},"audio":{"major":null,"sub":null},"other":{"major":null,"sub":null}},"video":null,"audio":[]})"
         "\n"},
        {"text", Subject::Dvd,
         "Глава 1  [1:2:3]\n  Видео: MPEG2 720x576 16:9 \n"
         "  Аудиопотоки: AC3 - 6 канала(ов) - English\n  Субтитры: Russian\n"},
        {"json", Subject::Dvd,
         R"({"lumora_json":1,"path":"/dvd","ok":true,"error":null,"disc_id":"75D4B74F024ECEEA","volumes":2,"volume":1,"side":"B","regions":[1,3,4,5,6,7,8],"parental_level":null,"titles":[{"number":1,"text":"Глава 1  [1:2:3]","playing_time":{"text":"1:02:03.00","hours":1,"minutes":2,"seconds":3,"frames":0,"frame_rate":25,"duration_s":3723.0},"chapters":11,"parental_levels":[1],"video":{"text":"MPEG2 720x576 16:9 ","compression":"MPEG2","width":720,"height":576,"aspect_ratio":"16:9","aspect_ratio_x":16,"aspect_ratio_y":9,"standard":null,"field_rate":0,"frame_height":0,"pan_scan_permitted":false,"letterbox_permitted":false,"source_letterboxed":false,"film_mode":false},"audio":[{"text":"AC3 - 6 канала(ов) - English","format":"AC3","channels":6,"sample_rate":0,"bits_per_sample":null,"language":"English","language_code":"en","language_id":1033,"language_extension":0}],"subtitles":[{"language":"Russian","language_code":"ru","language_id":1049,"language_extension":0}]}]})"
         "\n"},
        {"text", Subject::Catalogue,
         "Видео кодеки:\n  ffv1 — FF Video 1\n  x264\nАудио кодеки:\nФильтры DirectShow:\n"
         "Устройства захвата видео:\nУстройства захвата аудио:\nTV тюнеры:\nУстройства аудиовывода:\n"},
        {"json", Subject::Catalogue,
         R"({"lumora_json":1,"ok":true,"error":null,"lists":{"video_codecs":{"label":"Видео кодеки:","entries":[{"name":"ffv1","long_name":"FF Video 1"},{"name":"x264","long_name":null}]},"audio_codecs":{"label":"Аудио кодеки:","entries":[]},"directshow_filters":{"label":"Фильтры DirectShow:","entries":[]},"video_capture_devices":{"label":"Устройства захвата видео:","entries":[]},"audio_capture_devices":{"label":"Устройства захвата аудио:","entries":[]},"tv_tuners":{"label":"TV тюнеры:","entries":[]},"audio_output_devices":{"label":"Устройства аудиовывода:","entries":[]}}})"
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
    EXPECT_EQ(WriterNames(), "text, json");
    EXPECT_EQ(&DefaultWriter(), FindWriter("text"));
    EXPECT_EQ(FindWriter("xml"), nullptr);
}

}  // namespace
}  // namespace lumora::testing
