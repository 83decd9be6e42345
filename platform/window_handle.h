// The opaque handle of a window of the window system; null for none. Declared the way every
// platform header declares it (an incomplete struct), so the declarations agree.
#pragma once

struct HWND__;
using HWND = HWND__*;
