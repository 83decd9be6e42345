// Property pages of filters: the pages an object names and the page objects themselves.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog_host.h"
#include "platform/unknown.h"
#include "platform/window_handle.h"

inline constexpr IID IID_ISpecifyPropertyPages = MakeGuid("{B196B28B-BAB4-101A-B69C-00AA00341D07}");
inline constexpr IID IID_IPropertyPage = MakeGuid("{B196B28D-BAB4-101A-B69C-00AA00341D07}");

// A counted array of GUIDs; pElems is CoTaskMemAlloc'ed and freed by the receiver.
struct CAUUID {
    ULONG cElems = 0;
    GUID* pElems = nullptr;
};

struct ISpecifyPropertyPages : IUnknown {
    static constexpr const IID& iid = IID_ISpecifyPropertyPages;

    // The class identifiers of the object's pages (possibly none); E_POINTER for a null out.
    virtual HRESULT GetPages(CAUUID* pages) = 0;

protected:
    ~ISpecifyPropertyPages() = default;
};

// A page class: created by its class identifier, given the objects it edits, and describing
// itself for the property frame.
struct IPropertyPage : IUnknown {
    static constexpr const IID& iid = IID_IPropertyPage;

    // The page keeps references to the objects; E_NOINTERFACE when it cannot edit them.
    virtual HRESULT SetObjects(ULONG count, IUnknown** objects) = 0;
    // E_UNEXPECTED before SetObjects.
    virtual HRESULT Describe(OptionPage* page) = 0;

protected:
    ~IPropertyPage() = default;
};
