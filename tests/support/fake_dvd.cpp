#include "tests/support/fake_dvd.h"

#include <cstdio>

#include "dvd/rot_registration.h"
#include "platform/process.h"
#include "platform/running_object_table.h"

namespace lumora::testing {

namespace {

using Record = std::shared_ptr<FakeDvdRecord>;

// Counts the fake's live objects, so that tests can see every reference was released.
class Counted {
public:
    explicit Counted(Record record) : record_(std::move(record)) { ++record_->liveObjects; }
    ~Counted() { --record_->liveObjects; }

protected:
    void Log(std::string call) const { record_->calls.push_back(std::move(call)); }
    Record record_;
};

std::string WithNumber(const char* call, ULONG number) {
    return std::string(call) + " " + std::to_string(number);
}

class FakeGraph : public ComObject<IGraphBuilder, IMediaControl, IVideoWindow>, Counted {
public:
    FakeGraph(FakeDvdSetup setup, Record record) : Counted(std::move(record)), setup_(setup) {}

    HRESULT QueryInterface(const IID& iid, void** out) override {
        if (out && ((!setup_.mediaControl && IsEqualGUID(iid, IID_IMediaControl)) ||
                    (!setup_.videoWindow && IsEqualGUID(iid, IID_IVideoWindow)))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        return ComObject::QueryInterface(iid, out);
    }

    HRESULT Run() override { return Logged("Run"); }
    HRESULT Pause() override { return Logged("Pause"); }
    HRESULT Stop() override { return Logged("Stop"); }
    HRESULT GetState(LONG, OAFilterState* state) override {
        *state = State_Stopped;
        return S_OK;
    }
    HRESULT put_Visible(LONG visible) override {
        return Logged(visible == OAFALSE ? "put_Visible false" : "put_Visible");
    }
    HRESULT get_Visible(LONG*) override { return E_NOTIMPL; }
    HRESULT put_Owner(OAHWND owner) override {
        record_->owner = owner;
        return Logged("put_Owner");
    }
    HRESULT get_Owner(OAHWND*) override { return E_NOTIMPL; }

private:
    HRESULT Logged(const char* call) {
        Log(call);
        return S_OK;
    }
    FakeDvdSetup setup_;
};

class FakeNavigator : public ComObject<IDvdInfo2, IDvdControl2, IDvdDetails>, Counted {
public:
    FakeNavigator(FakeDvdSetup setup, Record record) : Counted(std::move(record)), setup_(setup) {}

    HRESULT GetVolumeDetails(DvdVolumeDetails* details) override {
        if (!setup_.volumeDetails) return E_FAIL;
        *details = *setup_.volumeDetails;
        return S_OK;
    }
    HRESULT GetTitleDetails(ULONG title, DvdTitleDetails* details) override {
        if (title == 0 || title > setup_.titleDetails.size()) return E_INVALIDARG;
        if (!setup_.titleDetails[title - 1]) return E_FAIL;
        *details = *setup_.titleDetails[title - 1];
        return S_OK;
    }

    HRESULT GetCurrentDomain(DVD_DOMAIN*) override { return E_NOTIMPL; }
    HRESULT GetTotalTitleTime(DVD_HMSF_TIMECODE* time, ULONG* flags) override {
        Log("GetTotalTitleTime");
        if (!setup_.script.empty()) {
            if (playing_ == 0 || playing_ > setup_.script.size()) return VFW_E_DVD_INVALIDDOMAIN;
            *time = setup_.script[playing_ - 1].time;
        } else {
            *time = {static_cast<BYTE>(playing_), 5, 3, 12};
        }
        *flags = DVD_TC_FLAG_25fps;
        return S_OK;
    }
    HRESULT GetCurrentAudio(ULONG* available, ULONG* current) override {
        Log("GetCurrentAudio");
        *available = 3;
        *current = 1;
        return S_OK;
    }
    HRESULT GetCurrentSubpicture(ULONG* available, ULONG* current, BOOL* disabled) override {
        Log("GetCurrentSubpicture");
        if (setup_.subpictureFails) return E_FAIL;
        *available = 4;
        *current = 2;
        *disabled = setup_.subpictureDisabled;
        return S_OK;
    }
    HRESULT GetCurrentUOPS(ULONG* uops) override {
        Log("GetCurrentUOPS");
        *uops = 0x1234;
        return S_OK;
    }
    HRESULT GetAllSPRMs(SPRMARRAY* registers) override {
        Log("GetAllSPRMs");
        (*registers)[0] = 0x656E;
        return S_OK;
    }
    HRESULT GetAllGPRMs(GPRMARRAY* registers) override {
        Log("GetAllGPRMs");
        (*registers)[15] = 7;
        return S_OK;
    }
    HRESULT GetTitleAttributes(ULONG title, DVD_MenuAttributes* menu,
                               DVD_TitleAttributes* attributes) override {
        Log(WithNumber("GetTitleAttributes", title));
        if (!setup_.script.empty()) {
            if (title == 0 || title > setup_.script.size()) return E_INVALIDARG;
            *attributes = setup_.script[title - 1].attributes;
            return S_OK;
        }
        menu->fAudioPresent = 1;
        attributes->ulNumberOfAudioStreams = title;
        return S_OK;
    }
    HRESULT GetVMGAttributes(DVD_MenuAttributes* attributes) override {
        Log("GetVMGAttributes");
        attributes->fCompatibleRegion[1] = 1;
        return S_OK;
    }
    HRESULT GetDVDVolumeInfo(ULONG* volumes, ULONG* volume, DVD_DISC_SIDE* side, ULONG* titles) override {
        Log("GetDVDVolumeInfo");
        ComPtr<IMoniker> name;
        CreateItemMoniker("!", GraphRotName(record_->graphAddress, GetCurrentProcessId()), name.Put());
        ComPtr<IRunningObjectTable> table;
        GetRunningObjectTable(0, table.Put());
        record_->registeredWhileReading = table->IsRunning(name.Get()) == S_OK;
        if (setup_.volumeInfoFails) return E_FAIL;
        *volumes = 2;
        *volume = 1;
        *side = DVD_SIDE_B;
        *titles = setup_.script.empty() ? setup_.titles : static_cast<ULONG>(setup_.script.size());
        return S_OK;
    }
    HRESULT GetPlayerParentalLevel(ULONG* level, BYTE country[2]) override {
        Log("GetPlayerParentalLevel");
        *level = 0xFFFFFFFF;
        country[0] = 'D';
        country[1] = 'E';
        return S_OK;
    }
    HRESULT GetNumberOfChapters(ULONG title, ULONG* chapters) override {
        Log(WithNumber("GetNumberOfChapters", title));
        if (setup_.throwOnChapters) throw std::bad_alloc();
        *chapters = setup_.chaptersBase + title;
        return S_OK;
    }
    HRESULT GetTitleParentalLevels(ULONG title, ULONG* levels) override {
        Log(WithNumber("GetTitleParentalLevels", title));
        *levels = 0x100;
        return S_OK;
    }
    HRESULT GetDiscID(const char* path, ULONGLONG* id) override {
        Log("GetDiscID");
        record_->discIdPath = path ? path : "(null)";
        *id = 0x75D4B74F024ECEEA;
        return S_OK;
    }
    HRESULT GetDefaultMenuLanguage(LCID* language) override {
        Log("GetDefaultMenuLanguage");
        *language = 0x0419;
        return S_OK;
    }
    HRESULT GetDefaultAudioLanguage(LCID* language, DVD_AUDIO_LANG_EXT* extension) override {
        Log("GetDefaultAudioLanguage");
        *language = 0x0407;
        *extension = DVD_AUD_EXT_Captions;
        return S_OK;
    }
    HRESULT GetDefaultSubpictureLanguage(LCID* language, DVD_SUBPICTURE_LANG_EXT* extension) override {
        Log("GetDefaultSubpictureLanguage");
        *language = 0x040C;
        *extension = DVD_SP_EXT_Forced;
        return S_OK;
    }
    HRESULT GetDecoderCaps(DVD_DECODER_CAPS* caps) override {
        Log("GetDecoderCaps");
        record_->decoderCapsSize = caps->dwSize;
        caps->dwAudioCaps = DVD_AUDIO_CAPS_AC3;
        return S_OK;
    }
    HRESULT PlayTitle(ULONG title, DWORD flags, IDvdCmd** command) override {
        Log(WithNumber("PlayTitle", title) + (flags == DVD_CMD_FLAG_None ? "" : " flags"));
        playing_ = title;
        *command = nullptr;
        return S_OK;
    }
    HRESULT Stop() override {
        Log("IDvdControl2::Stop");
        return S_OK;
    }

private:
    FakeDvdSetup setup_;
    ULONG playing_ = 0;
};

class FakeBuilder : public ComObject<IDvdGraphBuilder>, Counted {
public:
    FakeBuilder(FakeDvdSetup setup, Record record) : Counted(record), setup_(setup) {
        CreateComObject<FakeGraph>(IID_IGraphBuilder, graph_.PutVoid(), setup, record);
        CreateComObject<FakeNavigator>(IID_IDvdInfo2, navigator_.PutVoid(), setup, record);
        record->graphAddress = graph_.Get();
    }

    HRESULT GetFiltergraph(IGraphBuilder** graph) override {
        Log("GetFiltergraph");
        *graph = setup_.graph ? ComPtr<IGraphBuilder>(graph_).Detach() : nullptr;
        return setup_.graph ? S_OK : E_FAIL;
    }
    HRESULT GetDvdInterface(const IID& iid, void** out) override {
        *out = nullptr;
        if (IsEqualGUID(iid, IID_IVideoWindow)) {
            Log("GetDvdInterface IVideoWindow");
            return graph_->QueryInterface(iid, out);
        }
        if (IsEqualGUID(iid, IID_IDvdInfo2)) {
            Log("GetDvdInterface IDvdInfo2");
            return setup_.info ? navigator_->QueryInterface(iid, out) : E_NOINTERFACE;
        }
        if (IsEqualGUID(iid, IID_IDvdControl2)) {
            Log("GetDvdInterface IDvdControl2");
            return setup_.control ? navigator_->QueryInterface(iid, out) : E_NOINTERFACE;
        }
        return E_NOINTERFACE;
    }
    HRESULT RenderDvdVideoVolume(const char* path, DWORD flags, AM_DVD_RENDERSTATUS*) override {
        Log(flags == AM_DVD_HWDEC_PREFER ? "RenderDvdVideoVolume" : "RenderDvdVideoVolume flags");
        record_->renderedPaths.push_back(path ? path : "(null)");
        if (setup_.onRender) setup_.onRender();
        return setup_.renderFails ? VFW_E_DVD_RENDERFAIL : S_OK;
    }

private:
    FakeDvdSetup setup_;
    ComPtr<IGraphBuilder> graph_;
    ComPtr<IDvdInfo2> navigator_;
};

}  // namespace

FakeDvd::FakeDvd(FakeDvdSetup setup) : setup(setup) {}

std::unique_ptr<ScopedClassOverride> FakeDvd::Install() {
    return std::make_unique<ScopedClassOverride>(
        CLSID_DvdGraphBuilder, [this](const IID& iid, void** out) -> HRESULT {
            if (!setup.builder) {
                *out = nullptr;
                return REGDB_E_CLASSNOTREG;
            }
            record->calls.push_back("CoCreateInstance");
            return CreateComObject<FakeBuilder>(iid, out, setup, record);
        });
}

DVD_AudioAttributes FakeAudio(DVD_AUDIO_FORMAT format, BYTE channels, LCID language) {
    DVD_AudioAttributes audio{};
    audio.AudioFormat = format;
    audio.bNumberOfChannels = channels;
    audio.Language = language;
    return audio;
}

DVD_TitleAttributes FakeTitleAttributes(DVD_VIDEO_COMPRESSION compression, ULONG width, ULONG height,
                                        ULONG aspectX, ULONG aspectY, std::vector<DVD_AudioAttributes> audio,
                                        std::vector<LCID> subpictures) {
    DVD_TitleAttributes attributes{};
    attributes.VideoAttributes.Compression = compression;
    attributes.VideoAttributes.ulSourceResolutionX = width;
    attributes.VideoAttributes.ulSourceResolutionY = height;
    attributes.VideoAttributes.ulAspectX = aspectX;
    attributes.VideoAttributes.ulAspectY = aspectY;
    attributes.ulNumberOfAudioStreams = static_cast<ULONG>(audio.size());
    for (size_t i = 0; i < audio.size() && i < 8; ++i)
        attributes.AudioAttributes[i] = audio[i];
    attributes.ulNumberOfSubpictureStreams = static_cast<ULONG>(subpictures.size());
    for (size_t i = 0; i < subpictures.size() && i < 32; ++i)
        attributes.SubpictureAttributes[i].Language = subpictures[i];
    return attributes;
}

}  // namespace lumora::testing
