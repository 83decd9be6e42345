// The libdvdread backend's own pieces: the IFO field conversions, the tables, the disc
// identifier, the player settings, where a volume is, the isolated reading, and the navigator
// without a volume.
#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <fstream>
#include <string_view>

#include <unistd.h>

#include "backends/dvdread/decoder_caps.h"
#include "backends/dvdread/disc_id.h"
#include "backends/dvdread/dvd_graph_builder.h"
#include "backends/dvdread/ifo_attributes.h"
#include "backends/dvdread/isolated_run.h"
#include "backends/dvdread/language_codes.h"
#include "backends/dvdread/player_settings.h"
#include "backends/dvdread/volume_reading.h"
#include "platform/com_ptr.h"
#include "platform/dvd_interfaces.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::dvdread;

std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Crc64, MatchesTheCheckValue) {
    Crc64 crc;
    crc.Add(Bytes("123456789"));
    EXPECT_EQ(crc.Value(), 0x75D4B74F024ECEEAu);
    Crc64 split;
    split.Add(Bytes("1234"));
    split.Add(Bytes("56789"));
    EXPECT_EQ(split.Value(), crc.Value());
    EXPECT_EQ(Crc64().Value(), ~uint64_t{0}) << "all ones before any byte, and no final xor";
}

TEST(DiscIdOf, IsTheCrcOfTheListingThenTheHeads) {
    const std::vector<VideoTsEntry> listing = {{"VIDEO_TS.IFO", 0x0102030405060708, 0x1'0000'2000}};
    const std::vector<uint8_t> head(70000, 0xA5);
    Crc64 expected;
    const uint8_t entry[] = {8, 7, 6, 5, 4, 3, 2, 1, 0x00, 0x20, 0x00, 0x00};  // time, low 32 bits of size
    expected.Add(entry);
    expected.Add(Bytes(std::string_view("VIDEO_TS.IFO\0", 13)));
    expected.Add(std::span(head).first(65536));
    expected.Add(Bytes("tail"));
    EXPECT_EQ(DiscIdOf(listing, head, Bytes("tail")), expected.Value());
}

TEST(LanguageCodes, TheTwoLettersADvdStores) {
    EXPECT_EQ(LocaleFromDvdLanguageCode('e' << 8 | 'n'), 0x0409u) << "first letter in the high byte";
    EXPECT_EQ(LocaleFromDvdLanguageCode('n' << 8 | 'e'), 0x0461u);
    EXPECT_EQ(LocaleFromDvdLanguageCode(0), 0u);
    EXPECT_EQ(LocaleFromDvdLanguageCode(0xFFFF), 0u);
}

TEST(TitleTime, DecodesBcdAndTheFrameRate) {
    TitleTime time = ToTitleTime({0x01, 0x05, 0x03, 0x40 | 0x24});
    EXPECT_EQ(time.time.bHours, 1);
    EXPECT_EQ(time.time.bMinutes, 5);
    EXPECT_EQ(time.time.bSeconds, 3);
    EXPECT_EQ(time.time.bFrames, 24);
    EXPECT_EQ(time.flags, DVD_TC_FLAG_25fps);
    time = ToTitleTime({0x12, 0x59, 0x42, 0xC0 | 0x29});
    EXPECT_EQ(time.time.bHours, 12);
    EXPECT_EQ(time.time.bMinutes, 59);
    EXPECT_EQ(time.time.bSeconds, 42);
    EXPECT_EQ(time.time.bFrames, 29);
    EXPECT_EQ(time.flags, DVD_TC_FLAG_30fps);
    EXPECT_EQ(ToTitleTime({0, 0, 0, 0x80}).flags, 0u) << "rate code 2 is reserved";
    EXPECT_EQ(ToTitleTime({0xFF, 0xFF, 0xFF, 0xFF}).time.bHours, 165) << "no BCD check, but no overflow";
}

TEST(VideoAttributes, FromTheIfoFields) {
    video_attr_t video{};
    video.mpeg_version = 1;
    video.video_format = 1;
    video.display_aspect_ratio = 3;
    video.permitted_df = 2;
    video.picture_size = 0;
    video.line21_cc_1 = 1;
    video.film_mode = 1;
    DVD_VideoAttributes result = ToVideoAttributes(video);
    EXPECT_EQ(result.Compression, DVD_VideoCompression_MPEG2);
    EXPECT_EQ(result.ulFrameRate, 50u);
    EXPECT_EQ(result.ulFrameHeight, 576u);
    EXPECT_EQ(result.ulAspectX, 16u);
    EXPECT_EQ(result.ulAspectY, 9u);
    EXPECT_FALSE(result.fPanscanPermitted) << "only letterbox permitted";
    EXPECT_TRUE(result.fLetterboxPermitted);
    EXPECT_EQ(result.ulSourceResolutionX, 720u);
    EXPECT_EQ(result.ulSourceResolutionY, 576u);
    EXPECT_TRUE(result.fLine21Field1InGOP);
    EXPECT_FALSE(result.fLine21Field2InGOP);
    EXPECT_TRUE(result.fIsFilmMode);

    video = {};
    video.video_format = 0;
    video.picture_size = 3;
    video.permitted_df = 1;
    result = ToVideoAttributes(video);
    EXPECT_EQ(result.Compression, DVD_VideoCompression_MPEG1);
    EXPECT_EQ(result.ulFrameRate, 60u);
    EXPECT_EQ(result.ulAspectX, 4u);
    EXPECT_EQ(result.ulAspectY, 3u);
    EXPECT_EQ(result.ulSourceResolutionX, 352u);
    EXPECT_EQ(result.ulSourceResolutionY, 240u) << "the SIF picture has half the lines";
    EXPECT_TRUE(result.fPanscanPermitted);
    EXPECT_FALSE(result.fLetterboxPermitted);

    video.picture_size = 1;
    EXPECT_EQ(ToVideoAttributes(video).ulSourceResolutionX, 704u);
    video.picture_size = 2;
    EXPECT_EQ(ToVideoAttributes(video).ulSourceResolutionX, 352u);
    EXPECT_EQ(ToVideoAttributes(video).ulSourceResolutionY, 480u);
    video.mpeg_version = 2;
    video.display_aspect_ratio = 1;
    video.video_format = 3;
    result = ToVideoAttributes(video);
    EXPECT_EQ(result.Compression, DVD_VideoCompression_Other);
    EXPECT_EQ(result.ulAspectX, 0u) << "reserved codes give no aspect and no frame size";
    EXPECT_EQ(result.ulFrameHeight, 0u);
}

TEST(AudioAttributes, FromTheIfoFields) {
    audio_attr_t audio{};
    audio.audio_format = 0;
    audio.channels = 5;
    audio.lang_type = 1;
    audio.lang_code = 'e' << 8 | 'n';
    audio.code_extension = 3;
    DVD_AudioAttributes result = ToAudioAttributes(audio);
    EXPECT_EQ(result.AudioFormat, DVD_AudioFormat_AC3);
    EXPECT_EQ(result.bNumberOfChannels, 6);
    EXPECT_EQ(result.Language, 0x0409u);
    EXPECT_EQ(result.LanguageExtension, DVD_AUD_EXT_DirectorComments1);
    EXPECT_EQ(result.dwFrequency, 48000u);
    EXPECT_EQ(result.bQuantization, 0) << "only LPCM has a sample size";

    audio.lang_type = 0;
    EXPECT_EQ(ToAudioAttributes(audio).Language, 0u) << "the code counts only when the type says language";

    const struct {
        unsigned format, quantization;
        DVD_AUDIO_FORMAT expected;
    } formats[] = {
        {2, 0, DVD_AudioFormat_MPEG1},     {2, 1, DVD_AudioFormat_MPEG1_DRC}, {3, 0, DVD_AudioFormat_MPEG2},
        {3, 1, DVD_AudioFormat_MPEG2_DRC}, {4, 0, DVD_AudioFormat_LPCM},      {6, 0, DVD_AudioFormat_DTS},
        {7, 0, DVD_AudioFormat_SDDS},      {1, 0, DVD_AudioFormat_Other},     {5, 0, DVD_AudioFormat_Other},
    };
    for (const auto& row : formats) {
        audio.audio_format = row.format & 7;
        audio.quantization = row.quantization & 3;
        EXPECT_EQ(ToAudioAttributes(audio).AudioFormat, row.expected)
            << row.format << "/" << row.quantization;
    }
    audio.audio_format = 4;
    audio.sample_frequency = 1;
    for (const auto& [quantization, bits] : {std::pair{0u, 16}, {1u, 20}, {2u, 24}, {3u, 0}}) {
        audio.quantization = quantization & 3;
        EXPECT_EQ(ToAudioAttributes(audio).bQuantization, bits);
    }
    EXPECT_EQ(ToAudioAttributes(audio).dwFrequency, 96000u);
    audio.application_mode = 2;
    audio.app_info.surround.dolby_encoded = 1;
    EXPECT_EQ(ToAudioAttributes(audio).AppMode, DVD_AudioMode_Surround);
    EXPECT_EQ(ToAudioAttributes(audio).AppModeData, 0x08);
}

TEST(SubpictureAttributes, LanguageOnlyForTheLanguageType) {
    subp_attr_t subpicture{};
    subpicture.type = 1;
    subpicture.lang_code = 'r' << 8 | 'u';
    subpicture.code_extension = 9;
    DVD_SubpictureAttributes result = ToSubpictureAttributes(subpicture);
    EXPECT_EQ(result.Type, DVD_SPType_Language);
    EXPECT_EQ(result.CodingMode, DVD_SPCoding_RunLength);
    EXPECT_EQ(result.Language, 0x0419u);
    EXPECT_EQ(result.LanguageExtension, DVD_SP_EXT_Forced);
    subpicture.type = 0;
    subpicture.code_mode = 5;
    result = ToSubpictureAttributes(subpicture);
    EXPECT_EQ(result.Language, 0u);
    EXPECT_EQ(result.CodingMode, DVD_SPCoding_Other);
    subpicture.type = 3;
    EXPECT_EQ(ToSubpictureAttributes(subpicture).Type, DVD_SPType_Other);
}

TEST(UserOperations, BitNIsOperationN) {
    user_ops_t operations{};
    EXPECT_EQ(ToUserOperations(operations), 0u);
    operations.title_or_time_play = 1;
    operations.resume = 1;
    operations.video_pres_mode_change = 1;
    EXPECT_EQ(ToUserOperations(operations), 0x1u | 0x10000u | 0x1000000u);
}

TEST(RegionFlags, BitsSixteenToTwentyThree) {
    BOOL regions[8];
    ToRegionFlags(0x00FE0000, regions);
    EXPECT_FALSE(regions[0]) << "only region 1 may play";
    for (int i = 1; i < 8; ++i)
        EXPECT_TRUE(regions[i]);
}

TEST(PlayerSettings, FromTheLocaleName) {
    PlayerSettings settings = PlayerSettingsFromLocaleName("ru_RU.UTF-8");
    EXPECT_EQ(std::string_view(settings.language, 2), "ru");
    EXPECT_EQ(std::string_view(settings.country, 2), "RU");
    EXPECT_EQ(settings.languageLocale, 0x0419u);
    settings = PlayerSettingsFromLocaleName("de_AT@euro");
    EXPECT_EQ(std::string_view(settings.country, 2), "AT");
    EXPECT_EQ(settings.languageLocale, 0x0407u);
    for (const char* open : {"", "C", "POSIX", "C.UTF-8", "xx_YY", "english"}) {
        settings = PlayerSettingsFromLocaleName(open);
        EXPECT_EQ(std::string_view(settings.language, 2), "en") << open;
        EXPECT_EQ(settings.languageLocale, 0x0409u) << open;
    }
    EXPECT_EQ(std::string_view(PlayerSettingsFromLocaleName("xx_YY").country, 2), "YY");
    EXPECT_EQ(std::string_view(PlayerSettingsFromLocaleName("C").country, 2), "US");
}

TEST(PlayerSettings, SystemRegistersAsAPlayerResetsThem) {
    SPRMARRAY registers;
    std::fill(std::begin(registers), std::end(registers), WORD{0xFFFF});
    ResetSystemRegisters(PlayerSettingsFromLocaleName("fr_CA.UTF-8"), registers);
    const WORD expected[24] = {'f' << 8 | 'r',
                               15,
                               62,
                               1,
                               1,
                               1,
                               0,
                               1,
                               0x0400,
                               0,
                               0,
                               0,
                               'C' << 8 | 'A',
                               15,
                               0x0100,
                               0x7CFC,
                               'f' << 8 | 'r',
                               0,
                               'f' << 8 | 'r',
                               0,
                               1,
                               0,
                               0,
                               0};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(registers[i], expected[i]) << "SPRM " << i;
}

TEST(DecoderCaps, SizedAndAtNormalRates) {
    const DVD_DECODER_CAPS caps = AvailableDecoderCaps();
    EXPECT_EQ(caps.dwSize, sizeof(DVD_DECODER_CAPS));
    EXPECT_EQ(caps.dwAudioCaps &
                  ~(DVD_AUDIO_CAPS_AC3 | DVD_AUDIO_CAPS_MPEG2 | DVD_AUDIO_CAPS_LPCM | DVD_AUDIO_CAPS_DTS),
              0u);
    EXPECT_EQ(caps.dFwdMaxRateVideo, 1.0);
    EXPECT_EQ(caps.dBwdMaxRateSP, 1.0);
}

class TemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("lumora_dvd_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Touch(const fs::path& relative) {
        const fs::path path = root_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path;
    }

    fs::path root_;
};

using DiscListing = TemporaryFolder;

TEST_F(DiscListing, RegularFilesSortedByUpperCasedName) {
    Touch("VIDEO_TS/vts_01_0.ifo");
    Touch("VIDEO_TS/VIDEO_TS.IFO");
    fs::create_directories(root_ / "VIDEO_TS/SUBFOLDER");
    const fs::path file = root_ / "VIDEO_TS/VIDEO_TS.IFO";
    fs::last_write_time(
        file, fs::file_time_type::clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(0))));
    const std::vector<VideoTsEntry> listing = ListVideoTs(root_ / "VIDEO_TS");
    ASSERT_EQ(listing.size(), 2u);
    EXPECT_EQ(listing[0].upperName, "VIDEO_TS.IFO");
    EXPECT_EQ(listing[0].fileTime, 116444736000000000u) << "1970-01-01 in 100 ns units since 1601";
    EXPECT_EQ(listing[0].size, 1u);
    EXPECT_EQ(listing[1].upperName, "VTS_01_0.IFO");
}

TEST(DvdNavigator, WithoutAVolumeEveryQueryFails) {
    ComPtr<IDvdGraphBuilder> builder;
    ASSERT_EQ(CreateDvdGraphBuilder(IID_IDvdGraphBuilder, builder.PutVoid()), S_OK);
    AM_DVD_RENDERSTATUS status{};
    EXPECT_EQ(
        builder->RenderDvdVideoVolume("/nonexistent/VIDEO_TS/VIDEO_TS.IFO", AM_DVD_HWDEC_PREFER, &status),
        VFW_E_DVD_RENDERFAIL);
    EXPECT_TRUE(status.bDvdVolUnknown);
    EXPECT_EQ(builder->RenderDvdVideoVolume(nullptr, 0, nullptr), VFW_E_DVD_RENDERFAIL);

    ComPtr<IDvdInfo2> info;
    ComPtr<IDvdControl2> control;
    ComPtr<IVideoWindow> window;
    ASSERT_EQ(builder->GetDvdInterface(IID_IDvdInfo2, info.PutVoid()), S_OK);
    ASSERT_EQ(builder->GetDvdInterface(IID_IDvdControl2, control.PutVoid()), S_OK);
    ASSERT_EQ(builder->GetDvdInterface(IID_IVideoWindow, window.PutVoid()), S_OK);
    void* other = &status;
    EXPECT_EQ(builder->GetDvdInterface(IID_IMediaControl, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(builder->GetDvdInterface(IID_IDvdInfo2, nullptr), E_POINTER);

    ULONG a = 0, b = 0, c = 0;
    DVD_DISC_SIDE side{};
    EXPECT_EQ(info->GetDVDVolumeInfo(&a, &b, &side, &c), E_FAIL);
    EXPECT_EQ(info->GetDVDVolumeInfo(nullptr, &b, &side, &c), E_POINTER);
    EXPECT_EQ(info->GetNumberOfChapters(1, &a), E_FAIL);
    DVD_HMSF_TIMECODE time{};
    EXPECT_EQ(info->GetTotalTitleTime(&time, &a), E_FAIL);
    DVD_DECODER_CAPS caps{};
    EXPECT_EQ(info->GetDecoderCaps(&caps), E_INVALIDARG) << "the size field must be set";
    caps.dwSize = sizeof caps;
    EXPECT_EQ(info->GetDecoderCaps(&caps), E_FAIL);
    EXPECT_EQ(control->PlayTitle(1, DVD_CMD_FLAG_None, nullptr), E_FAIL);

    EXPECT_EQ(window->put_Visible(OAFALSE), S_OK);
    EXPECT_EQ(window->put_Visible(5), E_INVALIDARG);
    EXPECT_EQ(window->put_Owner(1234), S_OK);
    OAHWND owner = 0;
    EXPECT_EQ(window->get_Owner(&owner), S_OK);
    EXPECT_EQ(owner, 1234);

    ComPtr<IGraphBuilder> graph;
    ASSERT_EQ(builder->GetFiltergraph(graph.Put()), S_OK);
    ComPtr<IFilterGraph> filterGraph;
    EXPECT_EQ(graph.As(filterGraph), S_OK);
    ComPtr<IMediaControl> media;
    ASSERT_EQ(graph.As(media), S_OK);
    EXPECT_EQ(media->Run(), S_OK);
    OAFilterState state{};
    EXPECT_EQ(media->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Running);
    EXPECT_EQ(builder.Detach()->Release(), 0u) << "the builder goes with its last reference";
}

}  // namespace

namespace {

using namespace std::chrono_literals;

std::optional<std::vector<uint8_t>> Produced(std::vector<uint8_t> bytes) { return bytes; }

TEST(RunIsolated, HandsBackWhatTheChildProduced) {
    const auto bytes = RunIsolated([] { return Produced(std::vector<uint8_t>(200000, 7)); }, 10s);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 200000u) << "more than a pipe holds at once";
    EXPECT_EQ(RunIsolated([] { return Produced({}); }, 10s), std::vector<uint8_t>{});
}

TEST(RunIsolated, ACrashAnAbortAThrowOrNothingIsNoResult) {
    EXPECT_FALSE(RunIsolated([]() -> std::optional<std::vector<uint8_t>> { std::abort(); }, 10s));
    EXPECT_FALSE(RunIsolated(
        []() -> std::optional<std::vector<uint8_t>> {
            ::raise(SIGSEGV);
            return std::nullopt;
        },
        10s));
    EXPECT_FALSE(RunIsolated([]() -> std::optional<std::vector<uint8_t>> { throw std::bad_alloc(); }, 10s));
    EXPECT_FALSE(RunIsolated([]() -> std::optional<std::vector<uint8_t>> { return std::nullopt; }, 10s));
}

TEST(RunIsolated, AChildThatHangsIsKilledAtTheDeadline) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(RunIsolated(
        []() -> std::optional<std::vector<uint8_t>> {
            for (;;)
                ::pause();
        },
        300ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST(SnapshotBytes, RoundTripAndRefuseAnythingIncomplete) {
    VolumeSnapshot snapshot{"/disc/VIDEO_TS", {}, {}};
    snapshot.facts.titleCount = 2;
    snapshot.facts.discId = 0x1122334455667788;
    snapshot.titles.resize(2);
    snapshot.titles[1].sound = 1;
    snapshot.titles[1].attributes.ulNumberOfAudioStreams = 3;
    const std::vector<uint8_t> bytes = SerializeSnapshot(snapshot);
    const auto back = DeserializeSnapshot(bytes, "/disc/VIDEO_TS");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->location, "/disc/VIDEO_TS");
    EXPECT_EQ(back->facts.discId, snapshot.facts.discId);
    ASSERT_EQ(back->titles.size(), 2u);
    EXPECT_EQ(back->titles[1].attributes.ulNumberOfAudioStreams, 3u);

    for (const size_t cut : {size_t{0}, size_t{3}, bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(DeserializeSnapshot(std::span(bytes).first(cut), "")) << cut;
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DeserializeSnapshot(longer, ""));
    std::vector<uint8_t> lying = bytes;
    lying[4 + offsetof(VolumeFacts, titleCount)] = 0xFF;
    EXPECT_FALSE(DeserializeSnapshot(lying, "")) << "the title count must match the bytes";
}

}  // namespace
