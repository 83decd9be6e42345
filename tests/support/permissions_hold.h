// File permissions that hold for the calling thread, root's too: for one scope the thread's
// effective capabilities lose those that override them. An ordinary user has none to lose.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lumora::testing {

class ScopedPermissionsHold {
public:
    ScopedPermissionsHold() {
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER);
        holds_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~ScopedPermissionsHold() {
        if (holds_) ::syscall(SYS_capset, &header_, saved_);
    }
    // False when the capabilities could not be dropped (the caller skips then).
    bool Holds() const { return holds_; }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool holds_ = false;
};

}  // namespace lumora::testing
