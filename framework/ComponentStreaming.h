// Writing a component (and the nested components it names through
// GetChildren) to the binary form of the component stream, and reading it
// back through the components' property tables.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/Component.h"
#include "framework/Stream.h"

namespace framework {

// Writes "TPF0" and `root` with its properties and nested components.
//
// Property values: integers in the smallest tag; colours and character sets
// as their identifiers when they have one (IdentMaps.h), else as integers;
// enumerations as identifiers; contained objects as "Name.Sub" properties;
// binary properties after all others.
void WriteComponent(TStream& stream, const TComponent& root);
// Writes one object without the signature: class name, name, properties,
// nested objects. For classes that nest objects inside binary properties.
void WriteObject(TStream& stream, const TComponent& component);

// Reads "TPF0" and one object into `root`, an existing component whose class
// name must equal the stored one. Nested objects are looked up by name among
// the components `root` owns; missing ones are created through the class
// registry with `root` as owner, and handed their enclosing object through
// SetParentComponent. Event properties are bound through
// root.MethodAddress. After the whole stream, references to components are
// set (by name, among the root and the components it owns), then Loaded()
// is called on every object read, in reading order.
//
// Throws EReadError for malformed bytes, unknown properties, values of the
// wrong type or unknown identifiers, and EClassNotFound for unregistered
// classes. The stream position is then undefined.
void ReadComponent(TStream& stream, TComponent& root);
// As ReadComponent, for one object written by WriteObject (no signature).
void ReadObject(TStream& stream, TComponent& component);

// Convenience forms over memory. The bytes hold exactly one stream:
// ComponentFromBinary also rejects bytes after the object (EReadError).
std::vector<std::uint8_t> ComponentToBinary(const TComponent& root);
void ComponentFromBinary(std::span<const std::uint8_t> bytes, TComponent& root);

}  // namespace framework
