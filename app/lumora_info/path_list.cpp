#include "app/lumora_info/path_list.h"

#include <algorithm>

void PathList::SortFrom(size_t first) {
    if (first >= entries_.size()) return;
    const std::string_view bytes = bytes_;
    std::sort(entries_.begin() + static_cast<std::ptrdiff_t>(first), entries_.end(),
              [bytes](const Entry& a, const Entry& b) {
                  return bytes.substr(a.start, a.length) < bytes.substr(b.start, b.length);
              });
}
