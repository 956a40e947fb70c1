// The exception the skin library raises; its text is one of the library's
// fixed messages.
#pragma once

#include <stdexcept>

namespace skin {

class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kDibAllocError = "Can't allocate the DIB handle";
inline constexpr const char* kCreateDcError = "Can't create compatible DC";
inline constexpr const char* kSelectObjectError = "Can't select an object into DC";

}  // namespace skin
