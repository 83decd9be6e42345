#include "backends/dvdread/dvd_graph_builder.h"

#include <memory>
#include <new>
#include <optional>

#include "backends/dvdread/dvd_graph.h"
#include "backends/dvdread/dvd_navigator.h"
#include "backends/dvdread/dvd_session.h"
#include "backends/dvdread/volume_location.h"
#include "backends/dvdread/volume_reading.h"
#include "platform/com_object.h"
#include "platform/com_ptr.h"
#include "platform/dvd_interfaces.h"

namespace lumora::dvdread {

namespace {

// Renders a volume into the session that its graph and its navigator share.
class DvdGraphBuilder : public ComObject<IDvdGraphBuilder> {
public:
    DvdGraphBuilder() : session_(std::make_shared<DvdSession>()) {
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
    std::shared_ptr<DvdSession> session_;
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
