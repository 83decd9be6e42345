// IFilterGraph: the graph that holds filters (only its identity is used here).
#pragma once

#include "platform/unknown.h"

inline constexpr IID IID_IFilterGraph = MakeGuid("{56A8689F-0AD4-11CE-B03A-0020AF0BA770}");

struct IFilterGraph : IUnknown {
    static constexpr const IID& iid = IID_IFilterGraph;

protected:
    ~IFilterGraph() = default;
};
