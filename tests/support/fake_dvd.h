// A fake DVD graph builder, installed as CLSID_DvdGraphBuilder for one scope: what it offers and
// the titles it reports are configurable, and every call it receives is logged in order.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/dvd_details.h"
#include "platform/dvd_interfaces.h"

namespace lumora::testing {

// A title of a scripted volume.
struct FakeDvdTitle {
    DVD_HMSF_TIMECODE time{};
    DVD_TitleAttributes attributes{};
};

struct FakeDvdSetup {
    bool builder = true;
    bool graph = true;
    bool mediaControl = true;
    bool videoWindow = true;
    bool info = true;
    bool control = true;
    bool volumeInfoFails = false;
    bool subpictureFails = false;
    bool throwOnChapters = false;
    ULONG titles = 2;
    BOOL subpictureDisabled = 0;
    ULONG chaptersBase = 10;   // title t has chaptersBase + t chapters
    bool renderFails = false;  // RenderDvdVideoVolume answers VFW_E_DVD_RENDERFAIL
    // When not empty, the volume's titles with their attributes and times (instead of `titles`
    // numbered ones).
    std::vector<FakeDvdTitle> script = {};
    std::function<void()> onRender = {};  // called as RenderDvdVideoVolume is
    // IDvdDetails: without volume details GetVolumeDetails fails; title t's details are at t − 1,
    // none for a broken title (E_FAIL), and titles past the list do not exist (E_INVALIDARG).
    std::optional<DvdVolumeDetails> volumeDetails = {};
    std::vector<std::optional<DvdTitleDetails>> titleDetails = {};
};

// What the fake saw; shared by its objects.
struct FakeDvdRecord {
    std::vector<std::string> calls;
    OAHWND owner = 0;
    size_t ownersLiveAtPutOwner = 0;
    DWORD decoderCapsSize = 0;
    std::vector<std::string> renderedPaths;  // in the order asked for
    std::string discIdPath;
    const void* graphAddress = nullptr;
    bool registeredWhileReading = false;
    int liveObjects = 0;
};

class FakeDvd {
public:
    explicit FakeDvd(FakeDvdSetup setup = {});

    // Installs the fake as CLSID_DvdGraphBuilder for the lifetime of the returned object, which
    // must not outlive the fake. Each builder made takes the setup as it then is.
    std::unique_ptr<ScopedClassOverride> Install();

    FakeDvdSetup setup;
    std::shared_ptr<FakeDvdRecord> record = std::make_shared<FakeDvdRecord>();
};

DVD_AudioAttributes FakeAudio(DVD_AUDIO_FORMAT format, BYTE channels, LCID language);

DVD_TitleAttributes FakeTitleAttributes(DVD_VIDEO_COMPRESSION compression, ULONG width, ULONG height,
                                        ULONG aspectX, ULONG aspectY,
                                        std::vector<DVD_AudioAttributes> audio = {},
                                        std::vector<LCID> subpictures = {});

}  // namespace lumora::testing
