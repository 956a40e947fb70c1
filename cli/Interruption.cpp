#include "cli/Interruption.h"

#include <csignal>

namespace runner {

namespace detail {
std::atomic<int> arrivedSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");
}  // namespace detail

namespace {
// Puts itself back: the Windows runtime resets a handler to the default
// before calling it, and a second Ctrl+C must stop a write-back the same way.
extern "C" void NoteSignal(int signal) {
    detail::arrivedSignal.store(signal, std::memory_order_relaxed);
    std::signal(signal, NoteSignal);
}
}  // namespace

InterruptWatch::InterruptWatch() {
    detail::arrivedSignal.store(0);
    previousInt_ = std::signal(SIGINT, NoteSignal);
    previousTerm_ = std::signal(SIGTERM, NoteSignal);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, previousInt_ == SIG_ERR ? SIG_DFL : previousInt_);
    std::signal(SIGTERM, previousTerm_ == SIG_ERR ? SIG_DFL : previousTerm_);
}

}  // namespace runner
