// The FFmpeg media detector through its interface alone, call by call: every result code of
// IMediaDet and IUnknown, on null arguments, before a file is open, after a failed open, on
// streams out of range, and the object's lifetime.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <functional>

#include "backends/ffmpeg/media_detector.h"
#include "backends/ffmpeg/media_input.h"
#include "platform/com_ptr.h"
#include "platform/dvd_interfaces.h"
#include "platform/media_det.h"
#include "platform/media_uuids.h"
#include "tests/support/media_tools.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

using Call = std::function<HRESULT(IMediaDet&)>;

struct NamedCall {
    const char* name;
    Call call;
};

// Every query, with a place for its answer.
std::vector<NamedCall> Queries() {
    return {
        {"get_OutputStreams",
         [](IMediaDet& d) {
             LONG n = 0;
             return d.get_OutputStreams(&n);
         }},
        {"put_CurrentStream(0)", [](IMediaDet& d) { return d.put_CurrentStream(0); }},
        {"get_StreamMediaType",
         [](IMediaDet& d) {
             AM_MEDIA_TYPE mt{};
             const HRESULT hr = d.get_StreamMediaType(&mt);
             FreeMediaType(mt);
             return hr;
         }},
        {"get_StreamLength",
         [](IMediaDet& d) {
             double s = 0;
             return d.get_StreamLength(&s);
         }},
        {"get_FrameRate",
         [](IMediaDet& d) {
             double f = 0;
             return d.get_FrameRate(&f);
         }},
    };
}

const NamedCall kNullArguments[] = {
    {"get_OutputStreams", [](IMediaDet& d) { return d.get_OutputStreams(nullptr); }},
    {"get_StreamMediaType", [](IMediaDet& d) { return d.get_StreamMediaType(nullptr); }},
    {"get_StreamLength", [](IMediaDet& d) { return d.get_StreamLength(nullptr); }},
    {"get_FrameRate", [](IMediaDet& d) { return d.get_FrameRate(nullptr); }},
    {"QueryInterface", [](IMediaDet& d) { return d.QueryInterface(IID_IMediaDet, nullptr); }},
};

class MediaDetectorConformance : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new TempDir;
        // Stream 0 video, stream 1 audio.
        media = (folder->Path() / "two_streams.avi").string();
        if (!HaveTool("ffmpeg") || !MakeMedia(media,
                                              "-f lavfi -i testsrc=rate=25:duration=1:size=160x120 "
                                              "-f lavfi -i sine=duration=1 -c:v mpeg4 -c:a pcm_s16le"))
            media.clear();
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }

    void SetUp() override {
        ASSERT_EQ(lumora::ffmpeg::CreateMediaDetector(IID_IMediaDet, detector.PutVoid()), S_OK);
        ASSERT_TRUE(detector);
    }

    // The detector with the sample open; false (and the test skipped) without ffmpeg.
    bool Open() { return !media.empty() && detector->put_Filename(media) == S_OK; }

    static inline TempDir* folder = nullptr;
    static inline std::string media;
    ComPtr<IMediaDet> detector;
};

#define OPEN_OR_SKIP() \
    if (!Open()) GTEST_SKIP() << "ffmpeg could not make the sample"

TEST_F(MediaDetectorConformance, NullArgumentsArePointerErrorsBeforeAndAfterOpening) {
    for (const NamedCall& c : kNullArguments)
        EXPECT_EQ(c.call(*detector.Get()), E_POINTER) << c.name << " before a file is open";
    OPEN_OR_SKIP();
    for (const NamedCall& c : kNullArguments)
        EXPECT_EQ(c.call(*detector.Get()), E_POINTER) << c.name << " with a file open";
}

TEST_F(MediaDetectorConformance, QueriesWithoutAnOpenFileAreInvalid) {
    for (const NamedCall& c : Queries())
        EXPECT_EQ(c.call(*detector.Get()), E_INVALIDARG) << c.name << " before put_Filename";

    OPEN_OR_SKIP();
    const struct {
        std::string path;
        HRESULT result;
        std::string detail;
    } failures[] = {
        {"/nonexistent/file.avi", HResultFromErrno(ENOENT), ""},
        {folder->Path().string(), E_NOT_REGULAR_FILE, ""},
        {folder->File("notes.txt", "no media here\n"), VFW_E_UNKNOWN_FILE_TYPE, ""},
        {folder->File("list.m3u8", "#EXTM3U\n#EXT-X-TARGETDURATION:10\nsegment.ts\n"),
         VFW_E_UNSUPPORTED_STREAM, "hls"},
    };
    for (const auto& bad : failures) {
        EXPECT_EQ(detector->put_Filename(bad.path), bad.result) << bad.path;
        std::string detail = "stale";
        ComPtr<IMediaDetFailure> failure;
        ASSERT_EQ(detector.As(failure), S_OK);
        EXPECT_EQ(failure->GetFailureDetail(&detail), S_OK);
        EXPECT_EQ(detail, bad.detail) << bad.path;
        for (const NamedCall& c : Queries())
            EXPECT_EQ(c.call(*detector.Get()), E_INVALIDARG)
                << c.name << " after a failed open: nothing of the file before stays";
        ASSERT_EQ(detector->put_Filename(media), S_OK);
    }
    ffmpeg::OpenFailure late;
    EXPECT_FALSE(ffmpeg::MediaInput::Open(media, late, std::chrono::milliseconds(-1)));
    EXPECT_EQ(late.result, VFW_E_TIMEOUT) << "a deadline already passed";
}

TEST_F(MediaDetectorConformance, StreamOutOfRangeLeavesTheCurrentStream) {
    OPEN_OR_SKIP();
    LONG count = 0;
    ASSERT_EQ(detector->get_OutputStreams(&count), S_OK);
    ASSERT_EQ(count, 2);
    ASSERT_EQ(detector->put_CurrentStream(1), S_OK);
    for (LONG bad : {LONG{-1}, count, count + 1, LONG{INT_MAX}, LONG{INT_MIN}}) {
        EXPECT_EQ(detector->put_CurrentStream(bad), E_INVALIDARG) << bad;
        AM_MEDIA_TYPE mt{};
        ASSERT_EQ(detector->get_StreamMediaType(&mt), S_OK);
        EXPECT_TRUE(IsEqualGUID(mt.majortype, MEDIATYPE_Audio)) << "still stream 1 after " << bad;
        FreeMediaType(mt);
    }
}

TEST_F(MediaDetectorConformance, FrameRateOnlyForVideo) {
    OPEN_OR_SKIP();
    double fps = -1;
    ASSERT_EQ(detector->put_CurrentStream(0), S_OK);
    EXPECT_EQ(detector->get_FrameRate(&fps), S_OK);
    EXPECT_DOUBLE_EQ(fps, 25);
    ASSERT_EQ(detector->put_CurrentStream(1), S_OK);
    EXPECT_EQ(detector->get_FrameRate(&fps), VFW_E_INVALIDMEDIATYPE);
}

TEST_F(MediaDetectorConformance, FormatBlockIsTheCallersAndSizedAsItsType) {
    OPEN_OR_SKIP();
    struct Expected {
        GUID majortype;
        GUID formattype;
        size_t least;
    };
    const Expected streams[] = {{MEDIATYPE_Video, FORMAT_VideoInfo, sizeof(VIDEOINFOHEADER)},
                                {MEDIATYPE_Audio, FORMAT_WaveFormatEx, sizeof(WAVEFORMATEX)}};
    for (LONG i = 0; i < 2; ++i) {
        ASSERT_EQ(detector->put_CurrentStream(i), S_OK);
        AM_MEDIA_TYPE mt{};
        ASSERT_EQ(detector->get_StreamMediaType(&mt), S_OK);
        EXPECT_TRUE(IsEqualGUID(mt.majortype, streams[i].majortype)) << i;
        EXPECT_TRUE(IsEqualGUID(mt.formattype, streams[i].formattype)) << i;
        EXPECT_NE(mt.pbFormat, nullptr);
        EXPECT_GE(mt.cbFormat, streams[i].least);
        FreeMediaType(mt);  // the sanitizer build checks that it was the caller's to free
    }
}

TEST_F(MediaDetectorConformance, QueryInterfaceAnswersItsOwnInterfacesOnly) {
    struct Case {
        const char* name;
        IID iid;
        HRESULT expected;
    };
    const Case cases[] = {
        {"IUnknown", IID_IUnknown, S_OK},
        {"IMediaDet", IID_IMediaDet, S_OK},
        {"IDvdInfo2", IID_IDvdInfo2, E_NOINTERFACE},
        {"GUID_NULL", GUID_NULL, E_NOINTERFACE},
        {"a class id", CLSID_MediaDet, E_NOINTERFACE},
    };
    ComPtr<IUnknown> identity;
    ASSERT_EQ(detector->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    for (const Case& c : cases) {
        void* out = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(detector->QueryInterface(c.iid, &out), c.expected) << c.name;
        if (c.expected != S_OK) {
            EXPECT_EQ(out, nullptr) << c.name << ": the out pointer is nulled";
            continue;
        }
        auto* unknown = static_cast<IUnknown*>(out);
        ComPtr<IUnknown> same;
        EXPECT_EQ(unknown->QueryInterface(IID_IUnknown, same.PutVoid()), S_OK);
        EXPECT_EQ(same.Get(), identity.Get()) << c.name << ": one identity";
        unknown->Release();
    }
}

TEST_F(MediaDetectorConformance, FactoryAnswersLikeQueryInterface) {
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(lumora::ffmpeg::CreateMediaDetector(IID_IDvdInfo2, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(lumora::ffmpeg::CreateMediaDetector(IID_IMediaDet, nullptr), E_POINTER);
}

TEST_F(MediaDetectorConformance, LastReleaseFreesTheObject) {
    OPEN_OR_SKIP();  // with what it learnt of a file, which goes with it
    IMediaDet* raw = detector.Detach();
    EXPECT_EQ(raw->AddRef(), 2u);
    EXPECT_EQ(raw->Release(), 1u);
    EXPECT_EQ(raw->Release(), 0u);
}

}  // namespace
}  // namespace lumora::testing
