#include "skinui/effects/SeTimer.h"

#include <chrono>

namespace skinui {

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

std::int64_t TSeTimer::ReadCounter() { return std::int64_t(Clock::now().time_since_epoch().count()); }

TSeTimer::TSeTimer() {
    const std::int64_t first = ReadCounter();
    const std::int64_t second = ReadCounter();
    overhead_ = second - first;
    frequency_ = std::int64_t(Clock::period::den / Clock::period::num);
    Start();
}

void TSeTimer::Start() { start_ = ReadCounter(); }

double TSeTimer::Elapsed() {
    current_ = ReadCounter();
    const std::int64_t ticks = current_ - start_ - overhead_;
    return ticks > 0 ? double(ticks) / double(frequency_) : 0.0;
}

}  // namespace skinui
