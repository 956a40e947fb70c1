#include "framework/ComponentStreaming.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "framework/ClassRegistry.h"
#include "framework/FrameworkError.h"
#include "framework/IdentMaps.h"
#include "framework/StreamValues.h"
#include "framework/TextUtil.h"

namespace framework {

namespace {

// ---- writing --------------------------------------------------------------

class ObjectWriter {
public:
    explicit ObjectWriter(TStream& stream) : writer_(stream) {}

    void WriteRoot(const TComponent& root) {
        writer_.WriteSignature();
        WriteObject(root, 0);
    }

    void WriteObject(const TComponent& component, int depth) {
        if (depth >= kMaxObjectDepth) throw EWriteError(errors::kTooDeep);
        writer_.WriteName(component.ClassName());
        writer_.WriteName(component.Name());
        std::vector<std::pair<std::string, const PropertyInfo*>> binaries;
        std::vector<const TPersistent*> binaryOwners;
        WriteProperties(component, "", binaries, binaryOwners);
        for (std::size_t i = 0; i < binaries.size(); ++i) {
            writer_.WriteName(binaries[i].first);
            writer_.WriteBinary(binaries[i].second->getBinary(*binaryOwners[i]));
        }
        writer_.WriteListEnd();
        for (const TComponent* child : component.GetChildren()) WriteObject(*child, depth + 1);
        writer_.WriteListEnd();
    }

private:
    void WriteProperties(const TPersistent& object, const std::string& prefix,
                         std::vector<std::pair<std::string, const PropertyInfo*>>& binaries,
                         std::vector<const TPersistent*>& binaryOwners) {
        for (const PropertyInfo* info : object.Properties().All()) {
            if (!info->stored) continue;
            const std::string name = prefix + info->name;
            switch (info->kind) {
                case PropertyKind::Object:
                    if (const TPersistent* sub = info->getObject(object)) {
                        // A contained object is short; the prefix length bounds the recursion.
                        if (name.size() > 255) throw EWriteError(errors::kNameTooLong);
                        WriteProperties(*sub, name + ".", binaries, binaryOwners);
                    }
                    break;
                case PropertyKind::Binary:
                    binaries.emplace_back(name, info);
                    binaryOwners.push_back(&object);
                    break;
                case PropertyKind::Component: {
                    const TComponent* target = info->getComponent(object);
                    if (!target || target->Name().empty()) break;  // an unnamed one cannot be found again
                    writer_.WriteName(name);
                    writer_.WriteIdent(target->Name());
                    break;
                }
                case PropertyKind::String:
                case PropertyKind::Event: {
                    const std::string value = info->getString(object);
                    if (value.empty() && !info->storeEmpty) break;
                    writer_.WriteName(name);
                    if (info->kind == PropertyKind::String) {
                        writer_.WriteString(value);
                    } else {
                        writer_.WriteIdent(value);
                    }
                    break;
                }
                default:
                    WriteOrdinal(object, *info, name);
                    break;
            }
        }
    }

    void WriteOrdinal(const TPersistent& object, const PropertyInfo& info, const std::string& name) {
        const std::int64_t value = info.getOrdinal(object);
        if (info.defaultValue && *info.defaultValue == value) return;
        writer_.WriteName(name);
        switch (info.kind) {
            case PropertyKind::Integer:
                writer_.WriteInteger(value);
                break;
            case PropertyKind::Color: {
                const std::string_view ident = ColorToIdent(static_cast<TColor>(value));
                if (ident.empty()) {
                    writer_.WriteInteger(value);
                } else {
                    writer_.WriteIdent(ident);
                }
                break;
            }
            case PropertyKind::Charset: {
                const std::string_view ident = CharsetToIdent(static_cast<int>(value));
                if (ident.empty()) {
                    writer_.WriteInteger(value);
                } else {
                    writer_.WriteIdent(ident);
                }
                break;
            }
            case PropertyKind::Boolean:
                writer_.WriteBoolean(value != 0);
                break;
            case PropertyKind::Enumeration:
                if (value < 0 || static_cast<std::size_t>(value) >= info.enumInfo->Count()) {
                    throw EWriteError(errors::kInvalidValue);
                }
                writer_.WriteIdent(info.enumInfo->Name(static_cast<std::size_t>(value)));
                break;
            case PropertyKind::Set: {
                std::vector<std::string> idents;
                for (std::size_t i = 0; i < info.enumInfo->Count() && i < 32; ++i) {
                    if (value & (std::int64_t{1} << i)) idents.emplace_back(info.enumInfo->Name(i));
                }
                writer_.WriteSet(idents);
                break;
            }
            default:
                throw EWriteError(errors::kInvalidValue);
        }
    }

    ValueWriter writer_;
};

// ---- reading --------------------------------------------------------------

class ObjectReader {
public:
    ObjectReader(TStream& stream, TComponent& root) : reader_(stream), root_(root) {}

    void ReadRoot() {
        reader_.ReadSignature();
        ReadObjectInto(root_, 0);
        Finish();
    }

    void ReadBare() {
        ReadObjectInto(root_, 0);
        Finish();
    }

private:
    // References to components are set once every component of the stream
    // exists (a reference may name one stored later), then every object
    // read hears that loading is over.
    void Finish() {
        for (const Fixup& fixup : fixups_) {
            TComponent* target = SameText(root_.Name(), fixup.name) ? &root_ : root_.FindComponent(fixup.name);
            if (!target) throw EReadError("Component " + fixup.name + " not found");
            if (!fixup.info->setComponent(*fixup.object, target)) throw EReadError(errors::kInvalidValue);
        }
        for (TComponent* c : loaded_) c->SetLoading(false);
        for (TComponent* c : loaded_) c->Loaded();
    }

    void ReadObjectInto(TComponent& component, int depth) {
        const std::string className = reader_.ReadClassName();
        if (className != component.ClassName()) {
            throw EReadError("Stored class " + className + " does not match " + std::string(component.ClassName()));
        }
        ReadNameAndBody(component, depth);
    }

    void ReadNameAndBody(TComponent& component, int depth) {
        const std::string name = reader_.ReadObjectName();
        try {
            component.SetName(name);
        } catch (const std::invalid_argument& e) {
            throw EReadError(e.what());
        }
        Loading(component);
        ReadBody(component, depth);
    }

    void ReadBody(TComponent& component, int depth) {
        while (!reader_.EndOfList()) ReadProperty(component);
        while (!reader_.EndOfList()) {
            if (!component.AcceptsNestedObjects()) {
                throw EReadError("Objects cannot be nested in " + std::string(component.ClassName()) + " " +
                                 QuotedForMessage(component.Name()));
            }
            ReadChild(component, depth + 1);
        }
    }

    void Loading(TComponent& component) {
        component.SetLoading(true);
        loaded_.push_back(&component);
        loadedSet_.insert(&component);
    }

    void ReadChild(TComponent& parent, int depth) {
        if (depth >= kMaxObjectDepth) throw EReadError(errors::kTooDeep);
        const std::string className = reader_.ReadClassName();
        // Peek at the name: an existing component of that name and class is
        // filled in place (a form's own fields), otherwise a new one is made.
        const std::string name = reader_.ReadObjectName();
        TComponent* child = root_.FindComponent(name);
        if (child && loadedSet_.contains(child)) {
            throw EReadError("A component named " + name + " already exists");
        }
        if (child && child->ClassName() != className) {
            throw EReadError("Component " + name + " is not of class " + className);
        }
        if (!child) child = &CreateOwnedComponent(className, root_);
        child->SetParentComponent(&parent);
        try {
            child->SetName(name);
        } catch (const std::invalid_argument& e) {
            throw EReadError(e.what());
        }
        Loading(*child);
        ReadBody(*child, depth);
    }

    void ReadProperty(TComponent& component) {
        const std::string name = reader_.ReadPropertyName();
        const ResolvedProperty target = ResolveProperty(component, name);
        if (!target.info) throw EReadError("Property " + name + " does not exist");
        const PropertyInfo& info = *target.info;
        TPersistent& object = *target.object;
        const ValueTag tag = reader_.ReadTag();
        switch (info.kind) {
            case PropertyKind::Integer:
                info.setOrdinal(object, reader_.ReadIntegerPayload(tag));
                return;
            case PropertyKind::Color:
                if (tag == ValueTag::Ident) {
                    const auto color = IdentToColor(reader_.ReadIdentPayload(tag));
                    if (!color) throw EReadError(errors::kInvalidValue);
                    info.setOrdinal(object, *color);
                } else {
                    info.setOrdinal(object, reader_.ReadIntegerPayload(tag));
                }
                return;
            case PropertyKind::Charset:
                if (tag == ValueTag::Ident) {
                    const auto charset = IdentToCharset(reader_.ReadIdentPayload(tag));
                    if (!charset) throw EReadError(errors::kInvalidValue);
                    info.setOrdinal(object, *charset);
                } else {
                    const std::int32_t charset = reader_.ReadIntegerPayload(tag);
                    if (charset < 0 || charset > 255) throw EReadError(errors::kInvalidValue);
                    info.setOrdinal(object, charset);
                }
                return;
            case PropertyKind::Boolean:
                if (tag != ValueTag::True && tag != ValueTag::False) throw EReadError(errors::kInvalidValue);
                info.setOrdinal(object, tag == ValueTag::True ? 1 : 0);
                return;
            case PropertyKind::Enumeration: {
                const int ordinal = info.enumInfo->IndexOf(reader_.ReadIdentPayload(tag));
                if (ordinal < 0) throw EReadError(errors::kInvalidValue);
                info.setOrdinal(object, ordinal);
                return;
            }
            case PropertyKind::Set: {
                std::int64_t bits = 0;
                for (const std::string& ident : reader_.ReadSetPayload(tag)) {
                    const int ordinal = info.enumInfo->IndexOf(ident);
                    if (ordinal < 0 || ordinal >= 32) throw EReadError(errors::kInvalidValue);
                    bits |= std::int64_t{1} << ordinal;
                }
                info.setOrdinal(object, bits);
                return;
            }
            case PropertyKind::String:
                info.setString(object, reader_.ReadStringPayload(tag));
                return;
            case PropertyKind::Event: {
                const std::string method = reader_.ReadIdentPayload(tag);
                TNotifyEvent handler = root_.MethodAddress(method);
                if (!handler) throw EReadError("Method " + method + " does not exist");
                info.setEvent(object, method, std::move(handler));
                return;
            }
            case PropertyKind::Binary:
                info.setBinary(object, reader_.ReadBinaryPayload(tag));
                return;
            case PropertyKind::Component:
                fixups_.push_back({&object, &info, reader_.ReadIdentPayload(tag)});
                return;
            case PropertyKind::Object:
                break;
        }
        throw EReadError(errors::kInvalidValue);
    }

    ValueReader reader_;
    TComponent& root_;
    std::vector<TComponent*> loaded_;  // in reading order, for Loaded()
    std::unordered_set<TComponent*> loadedSet_;
    struct Fixup {
        TPersistent* object;
        const PropertyInfo* info;
        std::string name;
    };
    std::vector<Fixup> fixups_;
};

}  // namespace

void WriteComponent(TStream& stream, const TComponent& root) { ObjectWriter(stream).WriteRoot(root); }

void WriteObject(TStream& stream, const TComponent& component) { ObjectWriter(stream).WriteObject(component, 0); }

void ReadComponent(TStream& stream, TComponent& root) { ObjectReader(stream, root).ReadRoot(); }

void ReadObject(TStream& stream, TComponent& component) { ObjectReader(stream, component).ReadBare(); }

std::vector<std::uint8_t> ComponentToBinary(const TComponent& root) {
    TMemoryStream stream;
    WriteComponent(stream, root);
    return stream.Bytes();
}

void ComponentFromBinary(std::span<const std::uint8_t> bytes, TComponent& root) {
    TBytesReader stream(bytes);
    ReadComponent(stream, root);
    if (stream.Remaining() != 0) throw EReadError(errors::kBytesAfterObject);
}

}  // namespace framework
