#pragma once

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <csignal>

// Conditions under which writing a parameter file fails, made to hold for
// root too, who otherwise ignores the permissions of files and folders.

// While it lives, the permissions of files and folders bind the calling
// thread even when it runs as root: it drops the capabilities that override
// them from its effective set (they stay permitted, to be taken back).
class PermissionsEnforced {
public:
    PermissionsEnforced() {
        ::syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct reduced[_LINUX_CAPABILITY_U32S_3];
        std::copy(std::begin(m_saved), std::end(m_saved), std::begin(reduced));
        reduced[0].effective &= ~(1U << CAP_DAC_OVERRIDE | 1U << CAP_DAC_READ_SEARCH);
        ::syscall(SYS_capset, &m_header, reduced);
    }
    ~PermissionsEnforced() { ::syscall(SYS_capset, &m_header, m_saved); }
    PermissionsEnforced(const PermissionsEnforced &) = delete;
    PermissionsEnforced &operator=(const PermissionsEnforced &) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[_LINUX_CAPABILITY_U32S_3]{};
};

// While it lives, no file of the process grows beyond the given size: a
// longer write fails as on a full disk (with EFBIG, the signal ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limit{bytes, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        std::signal(SIGXFSZ, m_savedHandler);
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
};
