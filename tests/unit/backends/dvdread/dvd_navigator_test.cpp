// The DVD navigator call by call, without a volume, with one before a title plays and while one
// plays: null arguments, titles that do not exist or are broken, the title time outside a title.
#include <gtest/gtest.h>

#include "backends/dvdread/dvd_navigator.h"
#include "platform/com_ptr.h"

namespace {

using namespace lumora::dvdread;

constexpr ULONG kUntouched = 77;

// A place for every answer.
struct Places {
    Places() { caps.dwSize = sizeof caps; }
    ULONG number = kUntouched, other = 0, third = 0;
    DVD_DOMAIN domain{};
    DVD_DISC_SIDE side{};
    DVD_HMSF_TIMECODE time{};
    SPRMARRAY system{};
    GPRMARRAY general{};
    DVD_MenuAttributes menu{};
    DVD_TitleAttributes title{};
    BOOL disabled = 0;
    BYTE country[2] = {};
    ULONGLONG id = 0;
    LCID language = 0;
    DVD_AUDIO_LANG_EXT audioExtension{};
    DVD_SUBPICTURE_LANG_EXT subpictureExtension{};
    DVD_DECODER_CAPS caps{};
    DVD_DECODER_CAPS unsized{};
    ComPtr<IDvdCmd> command;
    DvdVolumeDetails volume;
    DvdTitleDetails details;
};

enum State { kNoVolume, kStopped, kPlaying, kStates };
const char* const kStateNames[kStates] = {"without a volume", "stopped", "while title 1 plays"};

struct NavigatorCall {
    const char* call;
    HRESULT (*make)(DvdNavigator&, Places&);
    HRESULT expected[kStates];
};

// clang-format off
#define CALL(expression, ...) {#expression, [](DvdNavigator& n, [[maybe_unused]] Places& p) { return n.expression; }, {__VA_ARGS__}}
// clang-format on

// The volume's title 1 is sound, title 2 broken; there is no title 3.
const NavigatorCall kCalls[] = {
    CALL(GetCurrentDomain(&p.domain), E_FAIL, S_OK, S_OK),
    CALL(GetTotalTitleTime(&p.time, &p.number), E_FAIL, VFW_E_DVD_INVALIDDOMAIN, S_OK),
    CALL(GetTotalTitleTime(nullptr, &p.number), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetCurrentAudio(&p.number, &p.other), E_FAIL, S_OK, S_OK),
    CALL(GetCurrentSubpicture(&p.number, &p.other, &p.disabled), E_FAIL, S_OK, S_OK),
    CALL(GetCurrentSubpicture(&p.number, &p.other, nullptr), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetCurrentUOPS(&p.number), E_FAIL, S_OK, S_OK),
    CALL(GetAllSPRMs(&p.system), E_FAIL, S_OK, S_OK),
    CALL(GetAllGPRMs(&p.general), E_FAIL, S_OK, S_OK),
    CALL(GetTitleAttributes(1, &p.menu, &p.title), E_FAIL, S_OK, S_OK),
    CALL(GetTitleAttributes(1, nullptr, nullptr), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetTitleAttributes(0, nullptr, &p.title), E_FAIL, E_INVALIDARG, E_INVALIDARG),
    CALL(GetTitleAttributes(2, &p.menu, nullptr), E_FAIL, E_FAIL, E_FAIL),
    CALL(GetVMGAttributes(&p.menu), E_FAIL, S_OK, S_OK),
    CALL(GetDVDVolumeInfo(&p.number, &p.other, &p.side, &p.third), E_FAIL, S_OK, S_OK),
    CALL(GetDVDVolumeInfo(nullptr, &p.other, &p.side, &p.third), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetPlayerParentalLevel(&p.number, p.country), E_FAIL, S_OK, S_OK),
    CALL(GetNumberOfChapters(1, &p.number), E_FAIL, S_OK, S_OK),
    CALL(GetNumberOfChapters(2, &p.number), E_FAIL, E_FAIL, E_FAIL),
    CALL(GetNumberOfChapters(3, &p.number), E_FAIL, E_INVALIDARG, E_INVALIDARG),
    CALL(GetTitleParentalLevels(1, &p.number), E_FAIL, S_OK, S_OK),
    CALL(GetDiscID(nullptr, &p.id), E_FAIL, S_OK, S_OK),
    CALL(GetDiscID(nullptr, nullptr), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetDefaultMenuLanguage(&p.language), E_FAIL, S_OK, S_OK),
    CALL(GetDefaultAudioLanguage(&p.language, &p.audioExtension), E_FAIL, S_OK, S_OK),
    CALL(GetDefaultAudioLanguage(&p.language, nullptr), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetDefaultSubpictureLanguage(&p.language, &p.subpictureExtension), E_FAIL, S_OK, S_OK),
    CALL(GetDecoderCaps(&p.caps), E_FAIL, S_OK, S_OK),
    CALL(GetDecoderCaps(&p.unsized), E_INVALIDARG, E_INVALIDARG, E_INVALIDARG),
    CALL(GetDecoderCaps(nullptr), E_POINTER, E_POINTER, E_POINTER),
    CALL(PlayTitle(1, DVD_CMD_FLAG_None, nullptr), E_FAIL, S_OK, S_OK),
    CALL(PlayTitle(0, DVD_CMD_FLAG_None, nullptr), E_FAIL, E_INVALIDARG, E_INVALIDARG),
    CALL(PlayTitle(3, DVD_CMD_FLAG_None, p.command.Put()), E_FAIL, E_INVALIDARG, E_INVALIDARG),
    CALL(Stop(), E_FAIL, S_OK, S_OK),
    CALL(GetVolumeDetails(&p.volume), E_FAIL, S_OK, S_OK),
    CALL(GetVolumeDetails(nullptr), E_POINTER, E_POINTER, E_POINTER),
    CALL(GetTitleDetails(1, &p.details), E_FAIL, S_OK, S_OK),
    CALL(GetTitleDetails(2, &p.details), E_FAIL, E_FAIL, E_FAIL),
    CALL(GetTitleDetails(3, &p.details), E_FAIL, E_INVALIDARG, E_INVALIDARG),
};

std::shared_ptr<DvdSession> SessionIn(State state) {
    auto session = std::make_shared<DvdSession>();
    if (state == kNoVolume) return session;
    session->volume = VolumeSnapshot{"/disc/VIDEO_TS", {}, {TitleFacts{}, TitleFacts{}}};
    session->volume->facts.titleCount = 2;
    session->volume->titles[0].sound = 1;
    session->volume->titleDetails.resize(2);
    if (state == kPlaying) {
        session->domain = DVD_DOMAIN_Title;
        session->title = 1;
    }
    return session;
}

TEST(DvdNavigator, EveryCallWithoutAVolumeStoppedAndPlaying) {
    for (const NavigatorCall& c : kCalls) {
        for (const State state : {kNoVolume, kStopped, kPlaying}) {
            ComPtr<IDvdInfo2> info;
            ASSERT_EQ(CreateComObject<DvdNavigator>(IID_IDvdInfo2, info.PutVoid(), SessionIn(state)), S_OK);
            Places places;
            const HRESULT hr = c.make(static_cast<DvdNavigator&>(*info.Get()), places);
            EXPECT_EQ(hr, c.expected[state]) << c.call << " " << kStateNames[state];
            if (SUCCEEDED(hr)) continue;
            EXPECT_EQ(places.number, kUntouched) << c.call << " " << kStateNames[state] << " answered";
            EXPECT_FALSE(places.command) << c.call << " " << kStateNames[state] << " handed out a command";
        }
    }
}

}  // namespace
