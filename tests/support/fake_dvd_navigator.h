// A scripted DVD navigator for window tests: installed as the DVD graph builder for one scope, it
// reports the titles of its script, as the navigator would, for whatever path it is given.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/dvd_interfaces.h"

namespace lumora::testing {

struct FakeDvdTitle {
    DVD_HMSF_TIMECODE time{};
    DVD_TitleAttributes attributes{};
};

struct FakeDvdScript {
    std::vector<FakeDvdTitle> titles;
    std::vector<std::string> renderedPaths;  // what the reader asked for, in order
};

namespace fake_dvd_detail {

class Graph : public ComObject<IGraphBuilder, IMediaControl, IVideoWindow> {
public:
    HRESULT Run() override { return S_OK; }
    HRESULT Pause() override { return S_OK; }
    HRESULT Stop() override { return S_OK; }
    HRESULT GetState(LONG, OAFilterState* state) override {
        *state = State_Stopped;
        return S_OK;
    }
    HRESULT put_Visible(LONG) override { return S_OK; }
    HRESULT get_Visible(LONG*) override { return E_NOTIMPL; }
    HRESULT put_Owner(OAHWND) override { return S_OK; }
    HRESULT get_Owner(OAHWND*) override { return E_NOTIMPL; }
};

class Navigator : public ComObject<IDvdInfo2, IDvdControl2> {
public:
    explicit Navigator(std::shared_ptr<FakeDvdScript> script) : script_(std::move(script)) {}

    HRESULT GetCurrentDomain(DVD_DOMAIN*) override { return E_NOTIMPL; }
    HRESULT GetTotalTitleTime(DVD_HMSF_TIMECODE* time, ULONG* flags) override {
        if (playing_ == 0) return VFW_E_DVD_INVALIDDOMAIN;
        *time = script_->titles[playing_ - 1].time;
        *flags = DVD_TC_FLAG_25fps;
        return S_OK;
    }
    HRESULT GetCurrentAudio(ULONG*, ULONG*) override { return E_NOTIMPL; }
    HRESULT GetCurrentSubpicture(ULONG*, ULONG*, BOOL*) override { return E_NOTIMPL; }
    HRESULT GetCurrentUOPS(ULONG*) override { return E_NOTIMPL; }
    HRESULT GetAllSPRMs(SPRMARRAY*) override { return E_NOTIMPL; }
    HRESULT GetAllGPRMs(GPRMARRAY*) override { return E_NOTIMPL; }
    HRESULT GetTitleAttributes(ULONG title, DVD_MenuAttributes*, DVD_TitleAttributes* attributes) override {
        if (title == 0 || title > script_->titles.size()) return E_INVALIDARG;
        *attributes = script_->titles[title - 1].attributes;
        return S_OK;
    }
    HRESULT GetVMGAttributes(DVD_MenuAttributes*) override { return E_NOTIMPL; }
    HRESULT GetDVDVolumeInfo(ULONG* volumes, ULONG* volume, DVD_DISC_SIDE* side, ULONG* titles) override {
        *volumes = 1;
        *volume = 1;
        *side = DVD_SIDE_A;
        *titles = static_cast<ULONG>(script_->titles.size());
        return S_OK;
    }
    HRESULT GetPlayerParentalLevel(ULONG*, BYTE[2]) override { return E_NOTIMPL; }
    HRESULT GetNumberOfChapters(ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT GetTitleParentalLevels(ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT GetDiscID(const char*, ULONGLONG*) override { return E_NOTIMPL; }
    HRESULT GetDefaultMenuLanguage(LCID*) override { return E_NOTIMPL; }
    HRESULT GetDefaultAudioLanguage(LCID*, DVD_AUDIO_LANG_EXT*) override { return E_NOTIMPL; }
    HRESULT GetDefaultSubpictureLanguage(LCID*, DVD_SUBPICTURE_LANG_EXT*) override { return E_NOTIMPL; }
    HRESULT GetDecoderCaps(DVD_DECODER_CAPS*) override { return E_NOTIMPL; }
    HRESULT PlayTitle(ULONG title, DWORD, IDvdCmd** command) override {
        if (command) *command = nullptr;
        if (title == 0 || title > script_->titles.size()) return E_INVALIDARG;
        playing_ = title;
        return S_OK;
    }
    HRESULT Stop() override { return S_OK; }

private:
    std::shared_ptr<FakeDvdScript> script_;
    ULONG playing_ = 0;
};

class Builder : public ComObject<IDvdGraphBuilder> {
public:
    explicit Builder(std::shared_ptr<FakeDvdScript> script) : script_(script) {
        CreateComObject<Graph>(IID_IGraphBuilder, graph_.PutVoid());
        CreateComObject<Navigator>(IID_IDvdInfo2, navigator_.PutVoid(), std::move(script));
    }
    HRESULT GetFiltergraph(IGraphBuilder** graph) override {
        *graph = ComPtr<IGraphBuilder>(graph_).Detach();
        return S_OK;
    }
    HRESULT GetDvdInterface(const IID& iid, void** out) override {
        *out = nullptr;
        if (IsEqualGUID(iid, IID_IVideoWindow)) return graph_->QueryInterface(iid, out);
        return navigator_->QueryInterface(iid, out);
    }
    HRESULT RenderDvdVideoVolume(const char* path, DWORD, AM_DVD_RENDERSTATUS*) override {
        script_->renderedPaths.push_back(path ? path : "");
        return S_OK;
    }

private:
    std::shared_ptr<FakeDvdScript> script_;
    ComPtr<IGraphBuilder> graph_;
    ComPtr<IDvdInfo2> navigator_;
};

}  // namespace fake_dvd_detail

// The script may be changed between readings; each reading sees it as it then is.
class ScopedFakeDvd {
public:
    explicit ScopedFakeDvd(std::shared_ptr<FakeDvdScript> script)
        : override_(CLSID_DvdGraphBuilder, [script](const IID& iid, void** out) {
              return CreateComObject<fake_dvd_detail::Builder>(iid, out, script);
          }) {}

private:
    ScopedClassOverride override_;
};

inline DVD_AudioAttributes FakeAudio(DVD_AUDIO_FORMAT format, BYTE channels, LCID language) {
    DVD_AudioAttributes audio{};
    audio.AudioFormat = format;
    audio.bNumberOfChannels = channels;
    audio.Language = language;
    return audio;
}

inline DVD_TitleAttributes FakeTitleAttributes(DVD_VIDEO_COMPRESSION compression, ULONG width, ULONG height,
                                               ULONG aspectX, ULONG aspectY,
                                               std::vector<DVD_AudioAttributes> audio = {},
                                               std::vector<LCID> subpictures = {}) {
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
