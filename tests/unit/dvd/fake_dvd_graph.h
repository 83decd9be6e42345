// A fake DVD graph builder for the reader's tests: what it offers is configurable, and every call
// it receives is logged in order.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/dvd_interfaces.h"

namespace lumora::testing {

struct FakeDvdSetup {
    bool builder = true;
    bool graph = true;
    bool mediaControl = true;
    bool videoWindow = true;
    bool info = true;
    bool control = true;
    bool volumeInfoFails = false;
    bool subpictureFails = false;
    bool throwOnChapters = false;
    ULONG titles = 2;
    BOOL subpictureDisabled = 0;
    ULONG chaptersBase = 10;  // title t has chaptersBase + t chapters
};

// What the fake saw; shared by its objects.
struct FakeDvdRecord {
    std::vector<std::string> calls;
    OAHWND owner = 0;
    size_t ownersLiveAtPutOwner = 0;
    DWORD decoderCapsSize = 0;
    std::string renderedPath;
    std::string discIdPath;
    const void* graphAddress = nullptr;
    bool registeredWhileReading = false;
    int liveObjects = 0;
};

class FakeDvd {
public:
    explicit FakeDvd(FakeDvdSetup setup = {});

    // Installs the fake as CLSID_DvdGraphBuilder for the lifetime of the returned object.
    std::unique_ptr<ScopedClassOverride> Install();

    FakeDvdSetup setup;
    std::shared_ptr<FakeDvdRecord> record = std::make_shared<FakeDvdRecord>();
};

}  // namespace lumora::testing
