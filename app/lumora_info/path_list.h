// Many paths in one buffer: a tree of tens of thousands of files costs little more than its
// names' bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class PathList {
public:
    void Add(std::string_view path) {
        entries_.push_back({bytes_.size(), path.size()});
        bytes_.append(path);
    }
    size_t Size() const { return entries_.size(); }
    std::string_view operator[](size_t index) const {
        return std::string_view(bytes_).substr(entries_[index].start, entries_[index].length);
    }
    // Sorts the paths from `first` to the end by their bytes.
    void SortFrom(size_t first);

private:
    struct Entry {
        size_t start;
        size_t length;
    };
    std::string bytes_;
    std::vector<Entry> entries_;
};
