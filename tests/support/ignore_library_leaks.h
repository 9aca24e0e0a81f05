#pragma once

// gcc says __SANITIZE_ADDRESS__, clang __has_feature(address_sanitizer).
#if defined(__SANITIZE_ADDRESS__)
#define NUVIO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NUVIO_ASAN 1
#endif
#endif
#if defined(NUVIO_ASAN)
#include <sanitizer/lsan_interface.h>
#endif

// minizip loses a small header block when writing an entry's local header fails; that is the
// library's, and only under injected faults.
class IgnoreLibraryLeaks {
public:
#if defined(NUVIO_ASAN)
    IgnoreLibraryLeaks() { __lsan_disable(); }
    ~IgnoreLibraryLeaks() { __lsan_enable(); }
#endif
};
