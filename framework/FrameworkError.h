// Exceptions of the framework. Each carries a fixed English text so that a
// caller (or a test) can tell the failures apart without parsing numbers.
#pragma once

#include <stdexcept>
#include <string>

namespace framework {

// A stream could not do what was asked: short read, failed write, bad seek.
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be opened or created.
class EFileStreamError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// The bytes of a component stream do not follow its binary form, or they
// name a property, value or class the reading object does not have.
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// A value could not be written in the binary form (for example a name longer
// than one length byte can hold).
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// The text form of a component stream could not be parsed. The text starts
// with "Line N: " so that the fault can be found in the source file.
class EParserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A component cannot take a name: it is not an identifier, or its owner
// already has a component of that name.
class EComponentError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A class name is not in the class registry.
class EClassNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fixed texts, shared by the places that raise them and by the tests.
namespace errors {
inline constexpr const char* kReadError = "Stream read error";
inline constexpr const char* kWriteError = "Stream write error";
inline constexpr const char* kSeekError = "Invalid stream operation";
inline constexpr const char* kInvalidImage = "Invalid stream format";
inline constexpr const char* kInvalidValue = "Invalid property value";
inline constexpr const char* kUnknownTag = "Unknown property value tag";
inline constexpr const char* kLengthTooLarge = "Length exceeds the data left in the stream";
inline constexpr const char* kTooDeep = "Objects nested too deeply";
inline constexpr const char* kNameTooLong = "Name longer than 255 characters";
inline constexpr const char* kBytesAfterObject = "Bytes after the end of the object";
inline constexpr const char* kStreamTooLarge = "Stream larger than the reader accepts";
}  // namespace errors

}  // namespace framework
