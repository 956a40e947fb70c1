// Conversion between the binary form of a component stream and its text
// form, both ways, exactly: text made from a binary stream turns back into
// the same bytes (given that the binary used the smallest integer tags, as
// ValueWriter does).
//
// Text form:
//   object Name: TClass          ("object TClass" when the name is empty)
//     Prop = value               (two spaces deeper per nesting level)
//     object Child: TChildClass
//       ...
//     end
//   end
// Values: integers in decimal ("-5"); identifiers and True/False bare;
// strings in single quotes with quotes doubled and characters below 32 as
// #n outside the quotes; a string of more than 64 characters starts on a
// new line and is cut every 64 characters into pieces joined by " +" and a
// line break; sets as "[a, b]"; binary data as "{hex}" on one line below 32
// bytes, else as lines of 32 bytes (64 upper-case digits) with "}" right
// after the last digit. Continuation lines are indented two spaces deeper
// than the property. Lines end in CR LF; the reader also accepts bare LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Stream.h"

namespace framework {

// Reads one object (with "TPF0") from `input` and writes its text form to
// `output`. Throws EReadError on malformed input, on names that are not
// identifiers (which the text could not carry), and on bytes after the
// object, as the other direction rejects text after it.
void ObjectBinaryToText(TStream& input, TStream& output);
// The most text ObjectTextToBinary reads from a stream. A form description
// is a few kilobytes; anything near this is refused rather than held in memory.
inline constexpr std::size_t kMaxObjectTextBytes = std::size_t{64} << 20;

// Parses the text form of one object from `input`, read until it ends
// (a pipe too), and writes its binary form (with "TPF0") to `output`.
// Throws EParserError on malformed text, EStreamError beyond
// kMaxObjectTextBytes.
void ObjectTextToBinary(TStream& input, TStream& output);

std::string ObjectBinaryToText(const std::vector<std::uint8_t>& binary);
std::vector<std::uint8_t> ObjectTextToBinary(const std::string& text);

}  // namespace framework
