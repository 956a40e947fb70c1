// A run of port accesses that must reach the device whole: a flash
// operation from its command to the end of its status wait. A run stopped
// in the middle of one (Ctrl+C, a trace that can no longer be written)
// would leave a flash part waiting for buffer data or busy, and the next
// run's reset and identifier commands would be taken as that data. Whatever
// stops a run therefore checks InsideWholeSequence() before it throws from
// an access, and the start of every sequence is a stop point of its own
// (PortBackend::StopPoint): operations that follow each other with no
// access between them can still be stopped between any two.
#pragma once

#include "portio/PortAccess.h"

namespace portio {

namespace detail {
inline int wholeSequenceDepth = 0;
}

inline bool InsideWholeSequence() { return detail::wholeSequenceDepth > 0; }

class WholeSequence {
public:
    WholeSequence() {
        if (detail::wholeSequenceDepth == 0) ActivePortBackend().StopPoint();
        ++detail::wholeSequenceDepth;
    }
    ~WholeSequence() { --detail::wholeSequenceDepth; }
    WholeSequence(const WholeSequence&) = delete;
    WholeSequence& operator=(const WholeSequence&) = delete;
};

}  // namespace portio
