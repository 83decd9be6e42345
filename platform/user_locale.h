// Facts of the user's regional settings, read once by the programs and passed down.
#pragma once

#include <string>

// The decimal separator of the user's LC_NUMERIC locale; "." when none is set.
std::string UserDecimalSeparator();
