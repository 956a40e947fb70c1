// Published properties: per-class tables that say which values of an object
// are stored in the component stream, under which names, with which type,
// default and accessors.
//
// A class describes its own properties in one table whose parent is the
// table of its base class; the stored order is the base's properties first,
// then the class's own, in table order. Binary properties (such as a skin
// object's "Objects") are stored after all others, so that data which
// depends on the rest of the object is read last.
//
// Tables are built with the typed helpers at the end of this file from
// member-function pointers, for example
//
//   static const PropertyTable table(&TComponent::ClassProperties(), {
//       IntegerProperty("Left", &TControl::Left, &TControl::SetLeft),
//       StringProperty("Caption", &TControl::Caption, &TControl::SetCaption),
//       ObjectProperty("Font", &TControl::Font),
//   });
//
// The helpers only adapt member functions to the uniform accessor types;
// there is no hidden control flow.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace framework {

class TPersistent;
class TComponent;

// An event handler: called with the component that raised the event.
using TNotifyEvent = std::function<void(TComponent& sender)>;

enum class PropertyKind {
    Integer,      // signed 32-bit
    Color,        // TColor; stored as a colour identifier when it has one
    Charset,      // font character set; stored as its identifier when it has one
    Boolean,
    Enumeration,  // stored as the identifier of its ordinal
    Set,          // bit i set = identifier i of the enumeration is in the set
    String,
    Event,        // stored as the name of a method of the root component
    Object,       // a contained persistent object; stored as "Name.Sub" properties
    Binary,       // opaque bytes written and read by the class itself
    Component,    // a reference to another component of the root; stored as its name
};

// The identifiers of an enumeration, in ordinal order.
class EnumInfo {
public:
    EnumInfo(std::initializer_list<std::string_view> names) : names_(names) {}
    std::size_t Count() const { return names_.size(); }
    std::string_view Name(std::size_t ordinal) const { return names_.at(ordinal); }
    // Ordinal of `name` (compared without regard to ASCII case), or -1.
    int IndexOf(std::string_view name) const;

private:
    std::vector<std::string_view> names_;
};

struct PropertyInfo {
    std::string name;
    PropertyKind kind = PropertyKind::Integer;
    const EnumInfo* enumInfo = nullptr;  // Enumeration and Set
    // Ordinal kinds: the value is not stored when it equals the default.
    // Without a default the value is always stored. Strings and events are
    // stored only when not empty unless `storeEmpty` is set.
    std::optional<std::int64_t> defaultValue;
    bool storeEmpty = false;
    // False for a property that is read but never written to a stream.
    bool stored = true;

    // The accessors used by the property's kind; the others stay empty.
    std::function<std::int64_t(const TPersistent&)> getOrdinal;  // Integer .. Set
    std::function<void(TPersistent&, std::int64_t)> setOrdinal;
    std::function<std::string(const TPersistent&)> getString;  // String; Event: handler name
    std::function<void(TPersistent&, const std::string&)> setString;
    std::function<void(TPersistent&, const std::string&, TNotifyEvent)> setEvent;
    std::function<TPersistent*(const TPersistent&)> getObject;  // Object
    std::function<std::vector<std::uint8_t>(const TPersistent&)> getBinary;
    std::function<void(TPersistent&, std::span<const std::uint8_t>)> setBinary;
    // Component: the referenced component, or nullptr; the setter is given
    // a component and answers false when it is not of the property's type.
    std::function<TComponent*(const TPersistent&)> getComponent;
    std::function<bool(TPersistent&, TComponent*)> setComponent;
};

class PropertyTable {
public:
    PropertyTable(const PropertyTable* parent, std::vector<PropertyInfo> own);
    PropertyTable(const PropertyTable&) = delete;
    PropertyTable& operator=(const PropertyTable&) = delete;

    // Every property of the class, the base classes' first.
    const std::vector<const PropertyInfo*>& All() const { return all_; }
    // The property named `name` (one level, no dots; ASCII case ignored), or nullptr.
    const PropertyInfo* Find(std::string_view name) const;

private:
    std::vector<PropertyInfo> own_;
    std::vector<const PropertyInfo*> all_;
    // Views of the names in the PropertyInfo entries, which never move.
    std::unordered_map<std::string_view, const PropertyInfo*> byName_;
    std::unordered_map<std::string, const PropertyInfo*> byFoldedName_;
};

// Resolves a stored property name such as "Font.Height" on `object`: each
// part before the last must be an Object property. Returns the object that
// holds the final property and the property, or {nullptr, nullptr}.
struct ResolvedProperty {
    TPersistent* object = nullptr;
    const PropertyInfo* info = nullptr;
};
ResolvedProperty ResolveProperty(TPersistent& object, std::string_view dottedName);

// ---- typed helpers -------------------------------------------------------

namespace detail {
template <class T>
const T& As(const TPersistent& object) {
    // The table of T is reached only through T's own Properties(), so the
    // object is a T.
    return static_cast<const T&>(object);
}
template <class T>
T& As(TPersistent& object) {
    return static_cast<T&>(object);
}
}  // namespace detail

template <class T, class V>
PropertyInfo OrdinalProperty(PropertyKind kind, std::string name, V (T::*getter)() const, void (T::*setter)(V),
                             std::optional<std::int64_t> defaultValue = std::nullopt,
                             const EnumInfo* enumInfo = nullptr) {
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = kind;
    info.enumInfo = enumInfo;
    info.defaultValue = defaultValue;
    info.getOrdinal = [getter](const TPersistent& o) {
        return static_cast<std::int64_t>((detail::As<T>(o).*getter)());
    };
    info.setOrdinal = [setter](TPersistent& o, std::int64_t v) { (detail::As<T>(o).*setter)(static_cast<V>(v)); };
    return info;
}

template <class T>
PropertyInfo IntegerProperty(std::string name, int (T::*getter)() const, void (T::*setter)(int),
                             std::optional<std::int64_t> defaultValue = std::nullopt) {
    return OrdinalProperty(PropertyKind::Integer, std::move(name), getter, setter, defaultValue);
}

template <class T>
PropertyInfo ColorProperty(std::string name, std::int32_t (T::*getter)() const, void (T::*setter)(std::int32_t),
                           std::optional<std::int64_t> defaultValue = std::nullopt) {
    return OrdinalProperty(PropertyKind::Color, std::move(name), getter, setter, defaultValue);
}

template <class T>
PropertyInfo CharsetProperty(std::string name, int (T::*getter)() const, void (T::*setter)(int),
                             std::optional<std::int64_t> defaultValue = std::nullopt) {
    return OrdinalProperty(PropertyKind::Charset, std::move(name), getter, setter, defaultValue);
}

template <class T>
PropertyInfo BooleanProperty(std::string name, bool (T::*getter)() const, void (T::*setter)(bool),
                             std::optional<bool> defaultValue = std::nullopt) {
    std::optional<std::int64_t> def;
    if (defaultValue) def = *defaultValue ? 1 : 0;
    return OrdinalProperty(PropertyKind::Boolean, std::move(name), getter, setter, def);
}

// E is an enumeration whose ordinals are 0 .. enumInfo.Count()-1.
template <class T, class E>
PropertyInfo EnumProperty(std::string name, const EnumInfo& enumInfo, E (T::*getter)() const, void (T::*setter)(E),
                          std::type_identity_t<std::optional<E>> defaultValue = std::nullopt) {
    std::optional<std::int64_t> def;
    if (defaultValue) def = static_cast<std::int64_t>(*defaultValue);
    return OrdinalProperty(PropertyKind::Enumeration, std::move(name), getter, setter, def, &enumInfo);
}

// The set is a bit mask: bit i stands for identifier i of enumInfo.
template <class T>
PropertyInfo SetProperty(std::string name, const EnumInfo& enumInfo, std::uint32_t (T::*getter)() const,
                         void (T::*setter)(std::uint32_t), std::optional<std::uint32_t> defaultValue = std::nullopt) {
    std::optional<std::int64_t> def;
    if (defaultValue) def = *defaultValue;
    return OrdinalProperty(PropertyKind::Set, std::move(name), getter, setter, def, &enumInfo);
}

template <class T>
PropertyInfo StringProperty(std::string name, const std::string& (T::*getter)() const,
                            void (T::*setter)(const std::string&), bool storeEmpty = false) {
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::String;
    info.storeEmpty = storeEmpty;
    info.getString = [getter](const TPersistent& o) { return (detail::As<T>(o).*getter)(); };
    info.setString = [setter](TPersistent& o, const std::string& v) { (detail::As<T>(o).*setter)(v); };
    return info;
}

// `getter` returns the handler's method name; `setter` receives the name and
// the handler the root component gave for it.
template <class T>
PropertyInfo EventProperty(std::string name, const std::string& (T::*getter)() const,
                           void (T::*setter)(const std::string&, TNotifyEvent)) {
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Event;
    info.getString = [getter](const TPersistent& o) { return (detail::As<T>(o).*getter)(); };
    info.setEvent = [setter](TPersistent& o, const std::string& method, TNotifyEvent handler) {
        (detail::As<T>(o).*setter)(method, std::move(handler));
    };
    return info;
}

// A contained object whose own properties are stored as "name.Sub".
template <class T, class S>
PropertyInfo ObjectProperty(std::string name, S* (T::*getter)() const) {
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Object;
    info.getObject = [getter](const TPersistent& o) -> TPersistent* { return (detail::As<T>(o).*getter)(); };
    return info;
}

template <class T>
PropertyInfo BinaryProperty(std::string name, std::vector<std::uint8_t> (T::*getter)() const,
                            void (T::*setter)(std::span<const std::uint8_t>)) {
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Binary;
    info.getBinary = [getter](const TPersistent& o) { return (detail::As<T>(o).*getter)(); };
    info.setBinary = [setter](TPersistent& o, std::span<const std::uint8_t> v) { (detail::As<T>(o).*setter)(v); };
    return info;
}

// A reference to a component of class C (stored as the component's name,
// nothing when it is nullptr). Readers set it once the whole stream is read,
// so that the component may come later in the stream.
template <class T, class C>
PropertyInfo ComponentProperty(std::string name, C* (T::*getter)() const, void (T::*setter)(C*)) {
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Component;
    info.getComponent = [getter](const TPersistent& o) -> TComponent* { return (detail::As<T>(o).*getter)(); };
    info.setComponent = [setter](TPersistent& o, TComponent* component) {
        C* typed = dynamic_cast<C*>(component);
        if (component && !typed) return false;
        (detail::As<T>(o).*setter)(typed);
        return true;
    };
    return info;
}

}  // namespace framework
