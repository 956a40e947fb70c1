// fuzz_component_read: a skin object read from the binary form of a
// component stream, as a skin file stores each object.
//
// The stored class name picks the skin object class (through the skin class
// registry, as a skin loader does); the stream is read into a new object of
// it. Rejections are the framework's and the skin library's exceptions.
// What is accepted must be kept:
//   * written again (ComponentToBinary) and read into a fresh object of the
//     same class, it writes the same bytes a second time;
//   * a copy (CloneObject) writes the same bytes as the original;
//   * it writes as many objects as the input held: a nested object that was
//     read must not disappear.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/ComponentStreaming.h"
#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "framework/StreamValues.h"
#include "fuzz/FuzzSupport.h"
#include "skin/SkinError.h"
#include "skin/objects/SkinObject.h"
#include "skin/objects/SkinObjectClasses.h"

namespace {

const skin::SkinObjectClass* StoredClass(std::span<const std::uint8_t> bytes) {
    framework::TMemoryStream stream(bytes);
    framework::ValueReader reader(stream);
    try {
        reader.ReadSignature();
        return skin::FindSkinObjectClass(reader.ReadName());
    } catch (const framework::EStreamError&) {
        return nullptr;
    }
}

std::size_t ObjectCount(std::span<const std::uint8_t> bytes, std::string_view which) {
    framework::TMemoryStream stream(bytes);
    try {
        return fuzz::WalkObject(stream).objects;
    } catch (const framework::EStreamError& e) {
        fuzz::Fail("a plain walk of the binary form rejects the " + std::string(which),
                   std::string(e.what()) + "\n\"" + fuzz::Escaped(bytes) + "\"");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    skin::RegisterSkinObjectClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const skin::SkinObjectClass* cls = StoredClass(bytes);
    if (!cls) return 0;

    std::unique_ptr<skin::TSeSkinObject> object(cls->create(nullptr));
    try {
        framework::ComponentFromBinary(bytes, *object);
    } catch (const framework::EStreamError&) {
        return 0;  // EReadError and short reads
    } catch (const framework::EParserError&) {
        return 0;
    } catch (const framework::EClassNotFound&) {
        return 0;
    } catch (const std::invalid_argument&) {
        return 0;
    } catch (const skin::SkinError&) {
        return 0;
    }

    // From here on every exception is a finding: what was read must write.
    const std::vector<std::uint8_t> first = framework::ComponentToBinary(*object);

    std::unique_ptr<skin::TSeSkinObject> fresh(cls->create(nullptr));
    try {
        framework::ComponentFromBinary(first, *fresh);
    } catch (const std::exception& e) {
        fuzz::Fail("a written object is not read back",
                   std::string(e.what()) + "\ninput:   \"" + fuzz::Escaped(bytes) + "\"\nwritten: \"" +
                       fuzz::Escaped(first) + "\"");
    }
    const std::vector<std::uint8_t> second = framework::ComponentToBinary(*fresh);
    if (second != first) {
        fuzz::Fail("read, write, read, write: the two writes differ",
                   fuzz::FirstDifference(first, second) + "\ninput:  \"" + fuzz::Escaped(bytes) +
                       "\"\nfirst:  \"" + fuzz::Escaped(first) + "\"\nsecond: \"" + fuzz::Escaped(second) + "\"");
    }

    std::unique_ptr<skin::TSeSkinObject> copy(skin::CloneObject(*object, nullptr));
    if (!copy) fuzz::Fail("CloneObject refuses a registered class", std::string(object->ClassName()));
    const std::vector<std::uint8_t> copied = framework::ComponentToBinary(*copy);
    if (copied != first) {
        fuzz::Fail("a copy writes other bytes than its original",
                   fuzz::FirstDifference(first, copied) + "\ninput:    \"" + fuzz::Escaped(bytes) +
                       "\"\noriginal: \"" + fuzz::Escaped(first) + "\"\ncopy:     \"" + fuzz::Escaped(copied) + "\"");
    }

    const std::size_t read = ObjectCount(bytes, "input that ReadComponent accepted");
    const std::size_t written = ObjectCount(first, "output of ComponentToBinary");
    if (written != read) {
        fuzz::Fail("objects were read but not written back",
                   "input held " + std::to_string(read) + " objects, the write " + std::to_string(written) +
                       "\ninput:   \"" + fuzz::Escaped(bytes) + "\"\nwritten: \"" + fuzz::Escaped(first) + "\"");
    }
    return 0;
}
