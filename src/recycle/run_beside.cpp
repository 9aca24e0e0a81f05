#include "recycle/run_beside.h"

#include <chrono>
#include <future>

namespace {

constexpr int kTickMs = 25;

}  // namespace

bool RunBeside(const std::function<bool()>& work, const std::function<void()>& tick) {
    std::future<bool> done = std::async(std::launch::async, work);
    while (done.wait_for(std::chrono::milliseconds(kTickMs)) != std::future_status::ready)
        tick();
    return done.get();
}
