#include "app/page_text/drop_down_order.h"

#include <algorithm>

#include "platform/utf8.h"

std::vector<std::string> DropDownOrder(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareTextIgnoringCase(a, b) < 0;
    });
    return names;
}
