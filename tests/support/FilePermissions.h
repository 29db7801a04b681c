#pragma once

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <cstring>

namespace testing_support {

// While alive, this thread obeys file permissions as a player's program does, even when the
// tests run as root (whose privileges would write into read-only files and folders).
class ObeyFilePermissions {
public:
    ObeyFilePermissions() {
#ifdef __linux__
        if (::syscall(SYS_capget, &header_, saved_) != 0) {
            return;
        }
        __user_cap_data_struct lowered[2];
        std::memcpy(lowered, saved_, sizeof saved_);
        lowered[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
#endif
    }
    ~ObeyFilePermissions() {
#ifdef __linux__
        if (lowered_) {
            ::syscall(SYS_capset, &header_, saved_);
        }
#endif
    }
    ObeyFilePermissions(const ObeyFilePermissions&) = delete;
    ObeyFilePermissions& operator=(const ObeyFilePermissions&) = delete;

private:
#ifdef __linux__
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
#endif
    bool lowered_ = false;
};

}  // namespace testing_support
