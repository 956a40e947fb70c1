// Runs a function when the scope ends, however it ends: used where a skin
// object is moved or restyled for one drawing and must be put back even if
// the drawing throws.
#pragma once

namespace skin {

template <class F>
struct OnExit {
    F f;
    ~OnExit() { f(); }
};
template <class F>
OnExit(F) -> OnExit<F>;

}  // namespace skin
