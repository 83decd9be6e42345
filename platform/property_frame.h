// The property frame: a modal dialog that shows an object's property pages.
#pragma once

#include <cstdint>
#include <string>

#include "platform/property_pages.h"

// Creates each page by its class identifier, gives it the objects, and shows a modal frame with
// the caption and one tab per page through the dialog host; returns when the frame is closed.
// E_NOTIMPL without a dialog host; E_POINTER for a null array with a non-zero count; the failure
// of the first page that cannot be created or described (nothing is shown then).
HRESULT OleCreatePropertyFrame(HWND owner, uint32_t x, uint32_t y, const std::string& caption,
                               ULONG objectCount, IUnknown** objects, ULONG pageCount,
                               const CLSID* pageClsids, uint32_t locale, uint32_t reserved, void* reserved2);
