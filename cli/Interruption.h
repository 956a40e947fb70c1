// Ctrl+C (SIGINT) or SIGTERM during a console run. The signal handler only
// notes the signal; the next port access outside a flash operation (a
// portio::WholeSequence) sees it and throws RunInterrupted before reaching
// the device, so the stack unwinds: the port is released, unfinished files
// are removed, and the runner says how far the run came. A flash operation
// under way is finished first, its status wait included (that wait is
// bounded), so the card is left idle and answers the next run.
#pragma once

#include <atomic>
#include <stdexcept>

#include "portio/PortAccess.h"
#include "portio/WholeSequence.h"

namespace runner {

class RunInterrupted : public std::runtime_error {
public:
    explicit RunInterrupted(int signal) : std::runtime_error("interrupted"), signal_(signal) {}
    int Signal() const { return signal_; }

private:
    int signal_;
};

namespace detail {
extern std::atomic<int> arrivedSignal;
}

// Catches the signals for its lifetime and puts the previous handlers back.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The signal that arrived, or 0.
    static int Arrived() { return detail::arrivedSignal.load(std::memory_order_relaxed); }
    // Forgets the signal that arrived, so that work that must still be done
    // (writing a kept card back) can run; another signal stops it again.
    static void Clear() { detail::arrivedSignal.store(0, std::memory_order_relaxed); }
    // Throws RunInterrupted once a signal has arrived.
    static void Check() {
        if (const int signal = Arrived()) throw RunInterrupted(signal);
    }

private:
    void (*previousInt_)(int);
    void (*previousTerm_)(int);
};

// Passes every access on to `inner` unless a signal has arrived and no flash
// operation is under way.
class StopOnInterrupt final : public portio::PortBackend {
public:
    explicit StopOnInterrupt(portio::PortBackend& inner) : inner_(inner) {}
    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        CheckOutsideSequence();
        inner_.WriteByte(port, value);
    }
    std::uint8_t ReadByte(std::uint16_t port) override {
        CheckOutsideSequence();
        return inner_.ReadByte(port);
    }
    std::uint16_t ReadWord(std::uint16_t port) override {
        CheckOutsideSequence();
        return inner_.ReadWord(port);
    }
    // A burst is one call on: a backend that reads it in one transfer still can.
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) override {
        CheckOutsideSequence();
        inner_.ReadWords(port, words, count);
    }
    bool Ready() const override { return inner_.Ready(); }
    void SetDirectAccess(bool on) override { inner_.SetDirectAccess(on); }
    std::uint64_t FailedTransfers() const override { return inner_.FailedTransfers(); }
    void StopPoint() override {
        InterruptWatch::Check();
        inner_.StopPoint();
    }

private:
    static void CheckOutsideSequence() {
        if (!portio::InsideWholeSequence()) InterruptWatch::Check();
    }

    portio::PortBackend& inner_;
};

}  // namespace runner
