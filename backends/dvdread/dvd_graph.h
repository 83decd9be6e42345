// The DVD playback graph: its run state and the video window that nothing is ever drawn in.
#pragma once

#include <memory>

#include "backends/dvdread/dvd_session.h"
#include "platform/com_object.h"
#include "platform/dvd_interfaces.h"

namespace lumora::dvdread {

class DvdGraph : public ComObject<IGraphBuilder, IMediaControl, IVideoWindow> {
public:
    explicit DvdGraph(std::shared_ptr<DvdSession> session) : session_(std::move(session)) {}

    HRESULT Run() override;
    HRESULT Pause() override;
    HRESULT Stop() override;
    HRESULT GetState(LONG, OAFilterState* state) override;

    HRESULT put_Visible(LONG visible) override;
    HRESULT get_Visible(LONG* visible) override;
    HRESULT put_Owner(OAHWND owner) override;
    HRESULT get_Owner(OAHWND* owner) override;

private:
    std::shared_ptr<DvdSession> session_;
};

}  // namespace lumora::dvdread
