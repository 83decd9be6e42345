// The DVD information of the last reading: its titles.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TKx_DVD_TitleInfo {};

// The ordered titles of a volume; index i holds title i + 1. Owns its records.
class TKx_DVD_Titles {
public:
    void Add(std::unique_ptr<TKx_DVD_TitleInfo> title) { FItems.push_back(std::move(title)); }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // std::out_of_range outside 0 .. Count() − 1.
    const TKx_DVD_TitleInfo& Items(int32_t index) const { return *FItems.at(static_cast<size_t>(index)); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TKx_DVD_TitleInfo>> FItems;
};

class TKxDVDInfo {
public:
    TKx_DVD_Titles Titles;
};
