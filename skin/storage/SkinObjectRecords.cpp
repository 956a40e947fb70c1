#include "skin/storage/SkinObjectRecords.h"

#include <limits>
#include <string>

#include "framework/ComponentStreaming.h"
#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/StreamValues.h"
#include "skin/objects/SkinObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/storage/StreamString.h"

namespace skin {

namespace {

// Children are read and written through nested component streams, one per
// level: this depth counts the levels, which the streams cannot see.
int& NestingDepth() {
    static int depth = 0;
    return depth;
}

class NestingGuard {
public:
    explicit NestingGuard(bool reading) {
        if (NestingDepth() >= framework::kMaxObjectDepth) {
            if (reading) throw framework::EReadError(framework::errors::kTooDeep);
            throw framework::EWriteError(framework::errors::kTooDeep);
        }
        ++NestingDepth();
    }
    ~NestingGuard() { --NestingDepth(); }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

// A new, unowned object of the registered class `className`, or nullptr.
std::unique_ptr<TSeSkinObject> CreateObject(const std::string& className) {
    const SkinObjectClass* cls = FindSkinObjectClass(className);
    if (!cls) return nullptr;
    return std::unique_ptr<TSeSkinObject>(cls->create(nullptr));
}

// The object is read unowned and handed to its owner when complete, as a
// copy is: a record that fails leaves nothing behind in the owner.
TSeSkinObject* Finish(std::unique_ptr<TSeSkinObject> object, framework::TComponent* owner) {
    object->SetCharset(1);
    if (owner) owner->InsertComponent(object.get());
    return object.release();
}

}  // namespace

TSeSkinObject* ReadObjectRecord(framework::TStream& stream, framework::TComponent* owner) {
    const std::string className = ReadStreamString(stream);
    const std::string text = ReadStreamString(stream);
    return ObjectFromText(className, text, owner);
}

TSeSkinObject* ObjectFromText(const std::string& className, const std::string& text, framework::TComponent* owner) {
    std::unique_ptr<TSeSkinObject> object = CreateObject(className);
    if (!object) return nullptr;
    framework::ComponentFromBinary(framework::ObjectTextToBinary(text), *object);
    return Finish(std::move(object), owner);
}

TSeSkinObject* ReadObjectBinary(framework::TStream& stream, framework::TComponent* owner) {
    const std::string className = ReadStreamString(stream);
    const std::vector<std::uint8_t> bytes = ReadStreamBytes(stream);
    std::unique_ptr<TSeSkinObject> object = CreateObject(className);
    if (!object) return nullptr;
    framework::ComponentFromBinary(bytes, *object);
    return Finish(std::move(object), owner);
}

void WriteObjectRecord(framework::TStream& stream, const TSeSkinObject& object) {
    WriteStreamString(stream, std::string(object.ClassName()));
    WriteStreamString(stream, framework::ObjectBinaryToText(framework::ComponentToBinary(object)));
}

void WriteObjectBinary(framework::TStream& stream, const TSeSkinObject& object) {
    const std::vector<std::uint8_t> bytes = framework::ComponentToBinary(object);
    WriteStreamString(stream, std::string(object.ClassName()));
    WriteStreamBytes(stream, bytes);
}

std::vector<std::uint8_t> WriteChildren(const TSeSkinObject& object) {
    NestingGuard guard(false);
    if (object.ChildCount() > kMaxStoredChildren) {
        throw framework::EWriteError("An object has more than " + std::to_string(kMaxStoredChildren) +
                                     " children, more than its stored form can hold");
    }
    framework::TMemoryStream stream;
    stream.WriteUInt32(std::uint32_t(object.ChildCount()) | kObjectsMarker);
    for (int i = 0; i < object.ChildCount(); ++i) {
        if (const TSeSkinObject* child = object.Child(i)) WriteObjectBinary(stream, *child);
    }
    return stream.Bytes();
}

void ReadChildren(TSeSkinObject& object, std::span<const std::uint8_t> data) {
    NestingGuard guard(true);
    for (int i = object.ChildCount() - 1; i >= 0; --i) delete object.Child(i);
    framework::TBytesReader stream(data);
    const std::uint32_t header = stream.ReadUInt32();
    const bool binary = (header & kObjectsMarker) == kObjectsMarker;
    const std::uint32_t count = binary ? header & ~kObjectsMarker : header;
    // Each record takes at least eight bytes: the loop ends with the data.
    for (std::uint32_t i = 0; i < count; ++i) {
        if (binary) {
            ReadObjectBinary(stream, &object);
        } else {
            ReadObjectRecord(stream, &object);
        }
    }
}

}  // namespace skin
