#include "app/wait_cursor.h"

namespace {

bool waitOn = false;
std::function<void()> hookOn;
std::function<void()> hookOff;

}  // namespace

void BeginWaitCursor() {
    if (waitOn) return;
    waitOn = true;
    if (hookOn) hookOn();
}

void EndWaitCursor() {
    if (!waitOn) return;
    waitOn = false;
    if (hookOff) hookOff();
}

bool IsWaitCursorOn() {
    return waitOn;
}

void SetWaitCursorHooks(std::function<void()> on, std::function<void()> off) {
    hookOn = std::move(on);
    hookOff = std::move(off);
}

WaitCursorPause::WaitCursorPause() : wasOn_(waitOn) {
    EndWaitCursor();
}

WaitCursorPause::~WaitCursorPause() {
    if (wasOn_) BeginWaitCursor();
}
