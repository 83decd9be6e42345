// Opening device nodes without ever blocking, and listing numbered nodes in a folder.
#pragma once

#include <string>
#include <vector>

#include "platform/unique_fd.h"

namespace lumora::devices {

// An open device node, closed with the object.
class DeviceNode {
public:
    // Opens a character device with O_NONBLOCK (and read-write when `writable`); anything else,
    // a missing node or one without permission gives a closed node.
    DeviceNode(const std::string& path, bool writable);

    bool IsOpen() const { return fd_.IsOpen(); }
    // ioctl, repeated when a signal interrupted it; false on failure.
    bool Control(unsigned long request, void* argument) const;

private:
    UniqueFd fd_;
};

// Paths of the folder's entries named `prefix` followed by a decimal number, by that number.
std::vector<std::string> NumberedEntries(const std::string& folder, const std::string& prefix);

}  // namespace lumora::devices
