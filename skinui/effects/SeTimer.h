// TSeTimer: a stopwatch on the system's monotonic high-resolution counter.
// Construction measures what reading the counter costs (two reads in a
// row), reads the counter's frequency and starts; Elapsed leaves that cost
// out of every measurement.
#pragma once

#include <cstdint>

namespace skinui {

class TSeTimer {
public:
    TSeTimer();
    // Reads the start counter.
    void Start();
    // Seconds since Start, less the measured call overhead; never negative,
    // so that a loop that adds up measurements always moves forward.
    double Elapsed();

    std::int64_t Frequency() const { return frequency_; }
    std::int64_t Overhead() const { return overhead_; }

private:
    static std::int64_t ReadCounter();

    std::int64_t start_ = 0;
    std::int64_t current_ = 0;
    std::int64_t frequency_ = 1;
    std::int64_t overhead_ = 0;
};

}  // namespace skinui
