#pragma once

#include "app/wait_cursor.h"

// The wait cursor for the length of a scope; leaves it on when it was on already, so that an
// operation called from inside another one does not take it down early.
class WaitCursorScope {
public:
    WaitCursorScope() : wasOn_(IsWaitCursorOn()) { BeginWaitCursor(); }
    ~WaitCursorScope() {
        if (!wasOn_) EndWaitCursor();
    }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    bool wasOn_;
};
