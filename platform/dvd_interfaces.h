// The DVD graph builder, its filter graph and the DVD navigator's interfaces, in the media
// framework's method order; only the methods Lumora calls. Paths are UTF-8.
#pragma once

#include <cstdint>
#include <tuple>

#include "platform/class_ids.h"
#include "platform/dvd_types.h"
#include "platform/filter_graph.h"
#include "platform/unknown.h"

inline constexpr IID IID_IDvdGraphBuilder = MakeGuid("{FCC152B6-F372-11D0-8E00-00C04FD7C08B}");
inline constexpr IID IID_IGraphBuilder = MakeGuid("{56A868A9-0AD4-11CE-B03A-0020AF0BA770}");
inline constexpr IID IID_IMediaControl = MakeGuid("{56A868B1-0AD4-11CE-B03A-0020AF0BA770}");
inline constexpr IID IID_IVideoWindow = MakeGuid("{56A868B4-0AD4-11CE-B03A-0020AF0BA770}");
inline constexpr IID IID_IDvdInfo2 = MakeGuid("{34151510-EEC0-11D2-8201-00A0C9D74842}");
inline constexpr IID IID_IDvdControl2 = MakeGuid("{33BC7430-EEC0-11D2-8201-00A0C9D74842}");
inline constexpr IID IID_IDvdCmd = MakeGuid("{5A4A97E4-94EE-4A55-9751-74B5643AA27D}");

// A window handle as the graph's video window takes it.
using OAHWND = intptr_t;
inline constexpr LONG OATRUE = -1;
inline constexpr LONG OAFALSE = 0;

enum OAFilterState : LONG {
    State_Stopped = 0,
    State_Paused = 1,
    State_Running = 2,
};

struct IGraphBuilder : IFilterGraph {
    static constexpr const IID& iid = IID_IGraphBuilder;
    using Bases = std::tuple<IFilterGraph>;

protected:
    ~IGraphBuilder() = default;
};

// The graph's run state.
struct IMediaControl : IUnknown {
    static constexpr const IID& iid = IID_IMediaControl;

    virtual HRESULT Run() = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT GetState(LONG msTimeout, OAFilterState* state) = 0;

protected:
    ~IMediaControl() = default;
};

// The graph's video window; Lumora only gives it an owner and hides it.
struct IVideoWindow : IUnknown {
    static constexpr const IID& iid = IID_IVideoWindow;

    virtual HRESULT put_Visible(LONG visible) = 0;
    virtual HRESULT get_Visible(LONG* visible) = 0;
    virtual HRESULT put_Owner(OAHWND owner) = 0;
    virtual HRESULT get_Owner(OAHWND* owner) = 0;

protected:
    ~IVideoWindow() = default;
};

// A command object handed out by the navigator's control calls.
struct IDvdCmd : IUnknown {
    static constexpr const IID& iid = IID_IDvdCmd;

    virtual HRESULT WaitForStart() = 0;
    virtual HRESULT WaitForEnd() = 0;

protected:
    ~IDvdCmd() = default;
};

// What the navigator knows of the volume, its titles and the player.
struct IDvdInfo2 : IUnknown {
    static constexpr const IID& iid = IID_IDvdInfo2;

    virtual HRESULT GetCurrentDomain(DVD_DOMAIN* domain) = 0;
    // VFW_E_DVD_INVALIDDOMAIN outside the Title domain.
    virtual HRESULT GetTotalTitleTime(DVD_HMSF_TIMECODE* totalTime, ULONG* timeCodeFlags) = 0;
    virtual HRESULT GetCurrentAudio(ULONG* streamsAvailable, ULONG* currentStream) = 0;
    virtual HRESULT GetCurrentSubpicture(ULONG* streamsAvailable, ULONG* currentStream, BOOL* isDisabled) = 0;
    virtual HRESULT GetCurrentUOPS(ULONG* uops) = 0;
    virtual HRESULT GetAllSPRMs(SPRMARRAY* registers) = 0;
    virtual HRESULT GetAllGPRMs(GPRMARRAY* registers) = 0;
    virtual HRESULT GetTitleAttributes(ULONG title, DVD_MenuAttributes* menu,
                                       DVD_TitleAttributes* attributes) = 0;
    virtual HRESULT GetVMGAttributes(DVD_MenuAttributes* attributes) = 0;
    virtual HRESULT GetDVDVolumeInfo(ULONG* numberOfVolumes, ULONG* volume, DVD_DISC_SIDE* side,
                                     ULONG* numberOfTitles) = 0;
    virtual HRESULT GetPlayerParentalLevel(ULONG* parentalLevel, BYTE countryCode[2]) = 0;
    virtual HRESULT GetNumberOfChapters(ULONG title, ULONG* numberOfChapters) = 0;
    virtual HRESULT GetTitleParentalLevels(ULONG title, ULONG* parentalLevels) = 0;
    // path: any .ifo/.bup file of a volume or its folder; null for the rendered volume.
    virtual HRESULT GetDiscID(const char* path, ULONGLONG* discId) = 0;
    virtual HRESULT GetDefaultMenuLanguage(LCID* language) = 0;
    virtual HRESULT GetDefaultAudioLanguage(LCID* language, DVD_AUDIO_LANG_EXT* extension) = 0;
    virtual HRESULT GetDefaultSubpictureLanguage(LCID* language, DVD_SUBPICTURE_LANG_EXT* extension) = 0;
    // caps->dwSize must be sizeof(DVD_DECODER_CAPS).
    virtual HRESULT GetDecoderCaps(DVD_DECODER_CAPS* caps) = 0;

protected:
    ~IDvdInfo2() = default;
};

// Playback commands of the navigator.
struct IDvdControl2 : IUnknown {
    static constexpr const IID& iid = IID_IDvdControl2;

    // Enters the Title domain of title (1-based); command may be null.
    virtual HRESULT PlayTitle(ULONG title, DWORD flags, IDvdCmd** command) = 0;
    // Back to the Stop domain.
    virtual HRESULT Stop() = 0;

protected:
    ~IDvdControl2() = default;
};

// Builds the playback graph of a DVD volume and hands out its parts.
struct IDvdGraphBuilder : IUnknown {
    static constexpr const IID& iid = IID_IDvdGraphBuilder;

    virtual HRESULT GetFiltergraph(IGraphBuilder** graph) = 0;
    // IVideoWindow from the graph, IDvdInfo2 and IDvdControl2 from the navigator.
    virtual HRESULT GetDvdInterface(const IID& iid, void** out) = 0;
    // path: any .ifo/.bup file of the volume, or its folder. VFW_E_DVD_RENDERFAIL when it is no
    // DVD-Video volume; status (may be null) then has bDvdVolInvalid set.
    virtual HRESULT RenderDvdVideoVolume(const char* path, DWORD flags, AM_DVD_RENDERSTATUS* status) = 0;

protected:
    ~IDvdGraphBuilder() = default;
};
