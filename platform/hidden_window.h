// The hidden, zero-size top-level window that owns a graph's video window while a DVD is read.
#pragma once

#include <cstddef>

#include "platform/window_handle.h"

// Makes the window (left 0, top 0, width 0, height 0, hidden) and returns its handle; null when
// none can be made. Without an installed host the handle is a unique token with no window behind.
HWND CreateHiddenOwnerWindow();
// Null is ignored.
void DestroyHiddenOwnerWindow(HWND window);
// Windows made and not yet destroyed.
size_t LiveHiddenOwnerWindows();

// Lets the application make real windows (e.g. with its toolkit); both null restores the tokens.
struct HiddenWindowHost {
    HWND (*create)();
    void (*destroy)(HWND window);
};
void SetHiddenWindowHost(HiddenWindowHost host);
