// The opaque handle of a window of the window system; null for none.
#pragma once

using HWND = void*;
