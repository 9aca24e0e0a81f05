#pragma once

#include <functional>

// The wait cursor shown during long work. The core only keeps the on/off state; the window
// layer installs the hooks that change the real cursor.
void BeginWaitCursor();
void EndWaitCursor();
bool IsWaitCursorOn();
void SetWaitCursorHooks(std::function<void()> on, std::function<void()> off);

// Takes the wait cursor down while a message or question is up, and back after.
class WaitCursorPause {
public:
    WaitCursorPause();
    ~WaitCursorPause();
    WaitCursorPause(const WaitCursorPause&) = delete;
    WaitCursorPause& operator=(const WaitCursorPause&) = delete;

private:
    bool wasOn_;
};
