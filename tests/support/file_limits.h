#pragma once

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>

namespace velmora::testing {

// While it lives, this thread obeys file permissions even when it runs as the superuser (as the
// test machines often do): the capabilities that override them are taken out of its effective
// set, and put back at the end.
class ObeyingPermissions {
  public:
    ObeyingPermissions() {
        if (::geteuid() != 0) return;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        reduced_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~ObeyingPermissions() {
        if (reduced_) ::syscall(SYS_capset, &header_, saved_);
    }
    ObeyingPermissions(const ObeyingPermissions&) = delete;
    ObeyingPermissions& operator=(const ObeyingPermissions&) = delete;

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool reduced_ = false;
};

// While it lives, no file of this process may grow past `bytes`: a write beyond it fails as on
// a full or over-quota file system (the signal such a write raises is ignored meanwhile).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"  // SIG_IGN is a C cast
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
#pragma GCC diagnostic pop
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace velmora::testing
