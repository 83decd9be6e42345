// IBaseFilter: a filter object (a codec, a filter or a device) and what it tells of itself.
#pragma once

#include <string>

#include "platform/filter_graph.h"
#include "platform/unknown.h"

inline constexpr IID IID_IBaseFilter = MakeGuid("{56A86895-0AD4-11CE-B03A-0020AF0BA770}");

struct FILTER_INFO {
    std::string achName;             // UTF-8
    IFilterGraph* pGraph = nullptr;  // a reference for the caller to release; null outside a graph
};

struct IBaseFilter : IUnknown {
    static constexpr const IID& iid = IID_IBaseFilter;

    // E_POINTER for a null info.
    virtual HRESULT QueryFilterInfo(FILTER_INFO* info) = 0;

protected:
    ~IBaseFilter() = default;
};
