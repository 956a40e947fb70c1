// Setting one binary property of one object inside the binary form of a
// component stream, without the classes of its objects: the build uses it
// to put generated data (a skin) into a stored form description.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace framework {

// `stream` (with "TPF0") with the property `propertyName` of the first
// object named `objectName` (depth first, names without regard to case) set
// to the binary `value`: replaced where the object has it, else added as its
// last property. Throws EReadError when the stream is malformed or has no
// such object.
std::vector<std::uint8_t> SetBinaryProperty(std::span<const std::uint8_t> stream, std::string_view objectName,
                                            std::string_view propertyName, std::span<const std::uint8_t> value);

}  // namespace framework
