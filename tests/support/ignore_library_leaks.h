#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// minizip loses a small header block when writing an entry's local header fails; that is the
// library's, and only under injected faults.
class IgnoreLibraryLeaks {
public:
#if defined(__SANITIZE_ADDRESS__)
    IgnoreLibraryLeaks() {
        __lsan_disable();
    }
    ~IgnoreLibraryLeaks() {
        __lsan_enable();
    }
#endif
};
