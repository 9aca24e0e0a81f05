#pragma once

#include <functional>

// Runs work on a thread of its own and calls tick about every 25 ms until it is done, so that
// the caller's window stays alive meanwhile; answers what work answered. The work must touch
// nothing the caller's thread may use (an open file of its own is fine, the DeviceFs is not).
bool RunBeside(const std::function<bool()>& work, const std::function<void()>& tick);
