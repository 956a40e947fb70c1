// Skin objects in stored records, and the "Objects" property that carries
// an object's children.
//
// Record layouts (strings are length-prefixed, StreamString.h):
//   text record:   class name, then the object's text form
//   binary record: class name, a signed 32-bit byte count, then that many
//                  bytes of the object's binary component stream
// "Objects": an unsigned 32-bit header, the child count OR 0x000F0000 (the
// marker of binary child records, which writers always use), then one
// record per child. A header without the marker counts text records. The
// count has the low 16 bits to itself: writing an object of more than
// 65535 children is EWriteError, since its count would come back as another.
//
// A record of a class that is not registered is read past and dropped: the
// readers return nullptr. Every font of an object read is given character
// set 1, whatever was stored. Reading nests at most kMaxObjectDepth levels
// of children.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Stream.h"

namespace skin {

class TSeSkinObject;

inline constexpr std::uint32_t kObjectsMarker = 0x000F0000;
inline constexpr int kMaxStoredChildren = 0xFFFF;

// Each reader returns the object read, owned by `owner` (by the caller when
// owner is nullptr), or nullptr for a class that is not registered. The
// object joins its owner once it is complete. Malformed records throw the
// framework's stream, parser or read errors.
TSeSkinObject* ReadObjectRecord(framework::TStream& stream, framework::TComponent* owner);
// The object of a text record whose two strings were read already.
TSeSkinObject* ObjectFromText(const std::string& className, const std::string& text, framework::TComponent* owner);
TSeSkinObject* ReadObjectBinary(framework::TStream& stream, framework::TComponent* owner);
void WriteObjectRecord(framework::TStream& stream, const TSeSkinObject& object);
void WriteObjectBinary(framework::TStream& stream, const TSeSkinObject& object);

// The "Objects" data of `object`, and reading such data into the children
// of `object` (replacing those it had).
std::vector<std::uint8_t> WriteChildren(const TSeSkinObject& object);
void ReadChildren(TSeSkinObject& object, std::span<const std::uint8_t> data);

}  // namespace skin
