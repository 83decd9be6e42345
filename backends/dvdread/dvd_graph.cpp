#include "backends/dvdread/dvd_graph.h"

namespace lumora::dvdread {

HRESULT DvdGraph::Run() {
    session_->state = State_Running;
    return S_OK;
}

HRESULT DvdGraph::Pause() {
    session_->state = State_Paused;
    return S_OK;
}

HRESULT DvdGraph::Stop() {
    session_->state = State_Stopped;
    session_->EnterStop();
    return S_OK;
}

HRESULT DvdGraph::GetState(LONG, OAFilterState* state) {
    if (!state) return E_POINTER;
    *state = session_->state;
    return S_OK;
}

HRESULT DvdGraph::put_Visible(LONG visible) {
    if (visible != OATRUE && visible != OAFALSE) return E_INVALIDARG;
    session_->visible = visible;
    return S_OK;
}

HRESULT DvdGraph::get_Visible(LONG* visible) {
    if (!visible) return E_POINTER;
    *visible = session_->visible;
    return S_OK;
}

HRESULT DvdGraph::put_Owner(OAHWND owner) {
    session_->owner = owner;
    return S_OK;
}

HRESULT DvdGraph::get_Owner(OAHWND* owner) {
    if (!owner) return E_POINTER;
    *owner = session_->owner;
    return S_OK;
}

}  // namespace lumora::dvdread
