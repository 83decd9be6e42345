#include "backends/dvdread/dvd_graph_builder.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "backends/dvdread/decoder_caps.h"
#include "backends/dvdread/player_settings.h"
#include "backends/dvdread/volume_location.h"
#include "backends/dvdread/volume_reading.h"
#include "platform/com_object.h"
#include "platform/com_ptr.h"
#include "platform/dvd_interfaces.h"

namespace lumora::dvdread {

namespace {

constexpr ULONG kNoParentalLevel = 0xFFFFFFFF;

// What the graph and the navigator share: the rendered volume and where playback stands.
struct Session {
    std::optional<VolumeSnapshot> volume;  // empty until a volume renders
    DVD_DOMAIN domain = DVD_DOMAIN_Stop;
    ULONG title = 0;  // the title played, in the Title domain
    OAFilterState state = State_Stopped;
    OAHWND owner = 0;
    LONG visible = OATRUE;
    PlayerSettings player = UserPlayerSettings();

    void EnterStop() {
        domain = DVD_DOMAIN_Stop;
        title = 0;
    }
};

class DvdCommand : public ComObject<IDvdCmd> {
public:
    HRESULT WaitForStart() override { return S_OK; }
    HRESULT WaitForEnd() override { return S_OK; }
};

// The playback graph: its run state and the video window that nothing is ever drawn in.
class DvdGraph : public ComObject<IGraphBuilder, IMediaControl, IVideoWindow> {
public:
    explicit DvdGraph(std::shared_ptr<Session> session) : session_(std::move(session)) {}

    HRESULT Run() override {
        session_->state = State_Running;
        return S_OK;
    }
    HRESULT Pause() override {
        session_->state = State_Paused;
        return S_OK;
    }
    HRESULT Stop() override {
        session_->state = State_Stopped;
        session_->EnterStop();
        return S_OK;
    }
    HRESULT GetState(LONG, OAFilterState* state) override {
        if (!state) return E_POINTER;
        *state = session_->state;
        return S_OK;
    }

    HRESULT put_Visible(LONG visible) override {
        if (visible != OATRUE && visible != OAFALSE) return E_INVALIDARG;
        session_->visible = visible;
        return S_OK;
    }
    HRESULT get_Visible(LONG* visible) override {
        if (!visible) return E_POINTER;
        *visible = session_->visible;
        return S_OK;
    }
    HRESULT put_Owner(OAHWND owner) override {
        session_->owner = owner;
        return S_OK;
    }
    HRESULT get_Owner(OAHWND* owner) override {
        if (!owner) return E_POINTER;
        *owner = session_->owner;
        return S_OK;
    }

private:
    std::shared_ptr<Session> session_;
};

// The navigator: every answer comes from the snapshot of the rendered volume's IFO files.
class DvdNavigator : public ComObject<IDvdInfo2, IDvdControl2> {
public:
    explicit DvdNavigator(std::shared_ptr<Session> session) : session_(std::move(session)) {}

    HRESULT GetCurrentDomain(DVD_DOMAIN* domain) override {
        if (!domain) return E_POINTER;
        if (!Volume()) return E_FAIL;
        *domain = session_->domain;
        return S_OK;
    }

    HRESULT GetTotalTitleTime(DVD_HMSF_TIMECODE* totalTime, ULONG* timeCodeFlags) override {
        if (!totalTime) return E_POINTER;
        if (!Volume()) return E_FAIL;
        const TitleFacts* title = PlayingTitle();
        if (!title) return VFW_E_DVD_INVALIDDOMAIN;
        *totalTime = title->totalTime;
        if (timeCodeFlags) *timeCodeFlags = title->timeCodeFlags;
        return S_OK;
    }

    HRESULT GetCurrentAudio(ULONG* streamsAvailable, ULONG* currentStream) override {
        if (!streamsAvailable || !currentStream) return E_POINTER;
        if (!Volume()) return E_FAIL;
        const TitleFacts* title = PlayingTitle();
        *streamsAvailable =
            title ? title->attributes.ulNumberOfAudioStreams : Volume()->facts.menuAudioStreams;
        *currentStream = 0;
        return S_OK;
    }

    HRESULT GetCurrentSubpicture(ULONG* streamsAvailable, ULONG* currentStream, BOOL* isDisabled) override {
        if (!streamsAvailable || !currentStream || !isDisabled) return E_POINTER;
        if (!Volume()) return E_FAIL;
        const TitleFacts* title = PlayingTitle();
        *streamsAvailable =
            title ? title->attributes.ulNumberOfSubpictureStreams : Volume()->facts.menuSubpictureStreams;
        *currentStream = 0;
        *isDisabled = 1;
        return S_OK;
    }

    HRESULT GetCurrentUOPS(ULONG* uops) override {
        if (!uops) return E_POINTER;
        if (!Volume()) return E_FAIL;
        const TitleFacts* title = PlayingTitle();
        *uops = title ? title->userOperations : Volume()->facts.firstPlayUserOperations;
        return S_OK;
    }

    HRESULT GetAllSPRMs(SPRMARRAY* registers) override {
        if (!registers) return E_POINTER;
        if (!Volume()) return E_FAIL;
        ResetSystemRegisters(session_->player, *registers);
        return S_OK;
    }

    HRESULT GetAllGPRMs(GPRMARRAY* registers) override {
        if (!registers) return E_POINTER;
        if (!Volume()) return E_FAIL;
        std::fill(std::begin(*registers), std::end(*registers), WORD{0});
        return S_OK;
    }

    HRESULT GetTitleAttributes(ULONG titleNumber, DVD_MenuAttributes* menu,
                               DVD_TitleAttributes* attributes) override {
        if (!menu && !attributes) return E_POINTER;
        const TitleFacts* title = nullptr;
        if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
        if (menu) *menu = title->menu;
        if (attributes) *attributes = title->attributes;
        return S_OK;
    }

    HRESULT GetVMGAttributes(DVD_MenuAttributes* attributes) override {
        if (!attributes) return E_POINTER;
        if (!Volume()) return E_FAIL;
        *attributes = Volume()->facts.videoManagerMenu;
        return S_OK;
    }

    HRESULT GetDVDVolumeInfo(ULONG* numberOfVolumes, ULONG* volume, DVD_DISC_SIDE* side,
                             ULONG* numberOfTitles) override {
        if (!numberOfVolumes || !volume || !side || !numberOfTitles) return E_POINTER;
        if (!Volume()) return E_FAIL;
        const VolumeFacts& facts = Volume()->facts;
        *numberOfVolumes = facts.numberOfVolumes;
        *volume = facts.volume;
        *side = facts.side;
        *numberOfTitles = facts.titleCount;
        return S_OK;
    }

    HRESULT GetPlayerParentalLevel(ULONG* parentalLevel, BYTE countryCode[2]) override {
        if (!parentalLevel || !countryCode) return E_POINTER;
        if (!Volume()) return E_FAIL;
        *parentalLevel = kNoParentalLevel;
        countryCode[0] = static_cast<BYTE>(session_->player.country[0]);
        countryCode[1] = static_cast<BYTE>(session_->player.country[1]);
        return S_OK;
    }

    HRESULT GetNumberOfChapters(ULONG titleNumber, ULONG* numberOfChapters) override {
        if (!numberOfChapters) return E_POINTER;
        const TitleFacts* title = nullptr;
        if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
        *numberOfChapters = title->chapters;
        return S_OK;
    }

    HRESULT GetTitleParentalLevels(ULONG titleNumber, ULONG* parentalLevels) override {
        if (!parentalLevels) return E_POINTER;
        const TitleFacts* title = nullptr;
        if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
        *parentalLevels = title->parentalLevels;
        return S_OK;
    }

    HRESULT GetDiscID(const char* path, ULONGLONG* discId) override {
        if (!discId) return E_POINTER;
        if (!Volume()) return E_FAIL;
        try {
            if (!path) {
                *discId = Volume()->facts.discId;
                return S_OK;
            }
            const auto location = LocateVolume(path);
            if (!location) return E_INVALIDARG;
            std::error_code error;
            if (std::filesystem::equivalent(location->path, Volume()->location, error)) {
                *discId = Volume()->facts.discId;
                return S_OK;
            }
            const auto other = ReadVolumeSnapshotIsolated(*location, ReadingScope::DiscIdOnly);
            if (!other) return E_FAIL;
            *discId = other->facts.discId;
            return S_OK;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }

    HRESULT GetDefaultMenuLanguage(LCID* language) override {
        if (!language) return E_POINTER;
        if (!Volume()) return E_FAIL;
        *language = session_->player.languageLocale;
        return S_OK;
    }

    HRESULT GetDefaultAudioLanguage(LCID* language, DVD_AUDIO_LANG_EXT* extension) override {
        if (!language || !extension) return E_POINTER;
        if (!Volume()) return E_FAIL;
        *language = session_->player.languageLocale;
        *extension = DVD_AUD_EXT_NotSpecified;
        return S_OK;
    }

    HRESULT GetDefaultSubpictureLanguage(LCID* language, DVD_SUBPICTURE_LANG_EXT* extension) override {
        if (!language || !extension) return E_POINTER;
        if (!Volume()) return E_FAIL;
        *language = session_->player.languageLocale;
        *extension = DVD_SP_EXT_NotSpecified;
        return S_OK;
    }

    HRESULT GetDecoderCaps(DVD_DECODER_CAPS* caps) override {
        if (!caps) return E_POINTER;
        if (caps->dwSize != sizeof(DVD_DECODER_CAPS)) return E_INVALIDARG;
        if (!Volume()) return E_FAIL;
        *caps = AvailableDecoderCaps();
        return S_OK;
    }

    HRESULT PlayTitle(ULONG titleNumber, DWORD, IDvdCmd** command) override {
        if (command) *command = nullptr;
        const TitleFacts* title = nullptr;
        if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
        session_->domain = DVD_DOMAIN_Title;
        session_->title = titleNumber;
        if (command) return CreateComObject<DvdCommand>(IID_IDvdCmd, reinterpret_cast<void**>(command));
        return S_OK;
    }

    HRESULT Stop() override {
        if (!Volume()) return E_FAIL;
        session_->EnterStop();
        return S_OK;
    }

private:
    const VolumeSnapshot* Volume() const { return session_->volume ? &*session_->volume : nullptr; }

    const TitleFacts* PlayingTitle() const {
        return session_->domain == DVD_DOMAIN_Title ? &Volume()->titles.at(session_->title - 1) : nullptr;
    }

    // E_FAIL without a volume or for a title whose data is broken, E_INVALIDARG for no such title.
    HRESULT FindTitle(ULONG number, const TitleFacts*& title) const {
        if (!Volume()) return E_FAIL;
        if (number == 0 || number > Volume()->titles.size()) return E_INVALIDARG;
        title = &Volume()->titles[number - 1];
        return title->sound ? S_OK : E_FAIL;
    }

    std::shared_ptr<Session> session_;
};

class DvdGraphBuilder : public ComObject<IDvdGraphBuilder> {
public:
    DvdGraphBuilder() : session_(std::make_shared<Session>()) {
        CreateComObject<DvdGraph>(IID_IGraphBuilder, graph_.PutVoid(), session_);
        CreateComObject<DvdNavigator>(IID_IDvdInfo2, navigator_.PutVoid(), session_);
    }

    HRESULT GetFiltergraph(IGraphBuilder** graph) override {
        if (!graph) return E_POINTER;
        *graph = ComPtr<IGraphBuilder>(graph_).Detach();
        return S_OK;
    }

    HRESULT GetDvdInterface(const IID& iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualGUID(iid, IID_IVideoWindow)) return graph_->QueryInterface(iid, out);
        if (IsEqualGUID(iid, IID_IDvdInfo2) || IsEqualGUID(iid, IID_IDvdControl2))
            return navigator_->QueryInterface(iid, out);
        return E_NOINTERFACE;
    }

    HRESULT RenderDvdVideoVolume(const char* path, DWORD, AM_DVD_RENDERSTATUS* status) override {
        if (status) *status = AM_DVD_RENDERSTATUS{};
        try {
            session_->volume.reset();
            session_->EnterStop();
            const auto location = path ? LocateVolume(path) : std::nullopt;
            if (!location) {
                if (status) status->bDvdVolUnknown = 1;
                return VFW_E_DVD_RENDERFAIL;
            }
            session_->volume = ReadVolumeSnapshotIsolated(*location, ReadingScope::Everything);
            if (!session_->volume) {
                if (status) status->bDvdVolInvalid = 1;
                return VFW_E_DVD_RENDERFAIL;
            }
            return S_OK;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }

private:
    std::shared_ptr<Session> session_;
    ComPtr<IGraphBuilder> graph_;
    ComPtr<IDvdInfo2> navigator_;
};

}  // namespace

HRESULT CreateDvdGraphBuilder(const IID& iid, void** out) {
    try {
        return CreateComObject<DvdGraphBuilder>(iid, out);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace lumora::dvdread
