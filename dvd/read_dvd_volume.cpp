#include "dvd/read_dvd_volume.h"

#include "dvd/read_dvd_details.h"
#include "dvd/rot_registration.h"
#include "platform/com.h"
#include "platform/dvd_interfaces.h"
#include "platform/hidden_window.h"

namespace {

// The graph's registration, revoked when the reading ends, however it ends.
class GraphRegistration {
public:
    explicit GraphRegistration(IUnknown* graph) { RegisterGraphInRot(graph, &registration_); }
    ~GraphRegistration() { Revoke(); }
    GraphRegistration(const GraphRegistration&) = delete;
    GraphRegistration& operator=(const GraphRegistration&) = delete;

    void Revoke() {
        if (!revoked_) RevokeGraphFromRot(registration_);
        revoked_ = true;
    }

private:
    DWORD registration_ = 0;
    bool revoked_ = false;
};

// The hidden owner of the graph's video window, destroyed when the reading ends.
class HiddenOwner {
public:
    HiddenOwner() : window_(CreateHiddenOwnerWindow()) {}
    ~HiddenOwner() { Destroy(); }
    HiddenOwner(const HiddenOwner&) = delete;
    HiddenOwner& operator=(const HiddenOwner&) = delete;

    OAHWND Handle() const { return reinterpret_cast<OAHWND>(window_); }
    void Destroy() {
        DestroyHiddenOwnerWindow(window_);
        window_ = nullptr;
    }

private:
    HWND window_;
};

void ReadVolumeFacts(IDvdInfo2& info, const std::string& fileName, TKxDVDInfo& dvd) {
    ULONG volumes = 0, volume = 0, titles = 0;
    DVD_DISC_SIDE side{};
    if (SUCCEEDED(info.GetDVDVolumeInfo(&volumes, &volume, &side, &titles))) {
        dvd.NumberOfVolumes = volumes;
        dvd.Volume = volume;
        dvd.Side = side;
        dvd.NumberOfTitles = titles;
    } else {
        // Never the previous volume's titles.
        dvd.NumberOfTitles = 0;
    }
    info.GetDefaultMenuLanguage(&dvd.DefaultMenuLanguage);
    info.GetVMGAttributes(&dvd.VMGAttributes);
    info.GetAllSPRMs(&dvd.SPRMs);
    info.GetAllGPRMs(&dvd.GPRMs);
    info.GetCurrentUOPS(&dvd.UOPs);
    info.GetDiscID(fileName.c_str(), &dvd.DiscID);
    dvd.DecoderCaps.dwSize = sizeof(DVD_DECODER_CAPS);
    info.GetDecoderCaps(&dvd.DecoderCaps);
    info.GetCurrentAudio(&dvd.AudioStreamsAvailable, &dvd.CurrentAudioStream);
    info.GetDefaultAudioLanguage(&dvd.DefaultAudioLanguage, &dvd.DefaultAudioLanguageExt);
    // Seeded from the field, so that a failed query leaves it as it was.
    BOOL disabled = dvd.SubpictureEnabled ? 0 : 1;
    info.GetCurrentSubpicture(&dvd.SubpictureStreamsAvailable, &dvd.CurrentSubpictureStream, &disabled);
    dvd.SubpictureEnabled = disabled == 0;
    info.GetDefaultSubpictureLanguage(&dvd.DefaultSubpictureLanguage, &dvd.DefaultSubpictureLanguageExt);
    info.GetPlayerParentalLevel(&dvd.ParentalLevel, dvd.CountryCode);
}

// Fills outcome as it goes, so that what was learnt before a failure escapes stays known.
void ReadVolume(const std::string& fileName, TKxDVDInfo& dvd, TKxDVDDetails* details,
                DVDReadOutcome& outcome) {
    dvd.Titles.Clear();
    if (details) *details = {};
    ComPtr<IDvdGraphBuilder> builder;
    CoCreateInstance(CLSID_DvdGraphBuilder, nullptr, CLSCTX_INPROC, IID_IDvdGraphBuilder, builder.PutVoid());
    if (!builder) return;
    ComPtr<IGraphBuilder> graph;
    builder->GetFiltergraph(graph.Put());
    if (!graph) return;
    ComPtr<IMediaControl> mediaControl;
    graph.As(mediaControl);
    GraphRegistration registration(graph.Get());

    AM_DVD_RENDERSTATUS status{};
    outcome.volumeRendered =
        SUCCEEDED(builder->RenderDvdVideoVolume(fileName.c_str(), AM_DVD_HWDEC_PREFER, &status));
    ComPtr<IVideoWindow> videoWindow;
    ComPtr<IDvdInfo2> info;
    ComPtr<IDvdControl2> control;
    builder->GetDvdInterface(IID_IVideoWindow, videoWindow.PutVoid());
    builder->GetDvdInterface(IID_IDvdInfo2, info.PutVoid());
    builder->GetDvdInterface(IID_IDvdControl2, control.PutVoid());

    if (info && control) {
        HiddenOwner owner;
        if (!videoWindow) return;
        videoWindow->put_Owner(owner.Handle());
        videoWindow->put_Visible(OAFALSE);

        ReadVolumeFacts(*info.Get(), fileName, dvd);
        if (details && outcome.volumeRendered) ReadDVDDetails(*info.Get(), dvd.NumberOfTitles, *details);
        // 64 bits: a count of 0xFFFFFFFF must not wrap the loop.
        for (uint64_t number = 1; number <= dvd.NumberOfTitles; ++number) {
            const auto t = static_cast<ULONG>(number);
            auto title = std::make_unique<TKx_DVD_TitleInfo>();
            info->GetTitleAttributes(t, &title->MenuAttributes, &title->TitleAttributes);
            info->GetTitleParentalLevels(t, &title->ParentalLevels);
            info->GetNumberOfChapters(t, &title->NumberOfChapters);
            if (!mediaControl) return;
            mediaControl->Run();
            mediaControl->Pause();
            ComPtr<IDvdCmd> command;
            control->PlayTitle(t, DVD_CMD_FLAG_None, command.Put());
            command.Reset();
            info->GetTotalTitleTime(&title->TotalTime, &title->TimeCodeFlags);
            mediaControl->Stop();
            dvd.Titles.Add(std::move(title));
        }
        owner.Destroy();
    }
    registration.Revoke();
    outcome.completed = true;
}

}  // namespace

DVDReadOutcome ReadDVDVolume(const std::string& FileName, TKxDVDInfo& DVDInfo, TKxDVDDetails* Details) {
    DVDReadOutcome outcome;
    try {
        ReadVolume(FileName, DVDInfo, Details, outcome);
    } catch (...) {
        // Memory exhaustion: what was filled stays, the rest keeps its value.
        outcome.completed = false;
    }
    return outcome;
}
