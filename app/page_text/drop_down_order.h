// The order in which a sorted drop-down list shows its items.
#pragma once

#include <string>
#include <vector>

// The names in alphabetical order ignoring letter case (Latin, Greek and Cyrillic letters
// fold); duplicates stay, and names equal but for case keep their given order.
std::vector<std::string> DropDownOrder(std::vector<std::string> names);
