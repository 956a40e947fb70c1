// fuzz_object_bin2text: the binary form of a component stream, as formconv
// bin2text and every reader of stored forms and skin objects meet it.
//
// Property: text made from accepted binary turns back into the same bytes.
//
//   * The converter reads one object and leaves the stream right after it;
//     bytes after the object are not its business (a caller may store more
//     behind it). The property covers the bytes up to the end of the object.
//   * The text form does not record which tag a value had: an integer is
//     written back in the smallest tag that holds it and a string of up to
//     255 characters as a short string. So the bytes must equal the input
//     re-encoded value by value in those tags (WalkObject); for input that
//     already uses them, as everything ValueWriter writes does, that is the
//     input itself, byte for byte.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/Stream.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    framework::TMemoryStream input(bytes);
    framework::TMemoryStream textStream;
    try {
        framework::ObjectBinaryToText(input, textStream);
    } catch (const framework::EStreamError&) {
        return 0;  // rejected (EReadError and the short-read errors)
    }
    const std::size_t objectEnd = std::size_t(input.Position());
    const std::string text = textStream.Text();
    const std::span<const std::uint8_t> object = bytes.first(objectEnd);

    framework::TMemoryStream again(object);
    fuzz::ObjectWalk walk;
    try {
        walk = fuzz::WalkObject(again);
    } catch (const framework::EStreamError& e) {
        fuzz::Fail("the converter accepted an object that a plain walk of the binary form rejects",
                   std::string(e.what()) + "\ninput: \"" + fuzz::Escaped(object) + "\"");
    }
    if (std::size_t(again.Position()) != objectEnd) {
        fuzz::Fail("the converter and a plain walk disagree where the object ends",
                   "converter: " + std::to_string(objectEnd) + ", walk: " + std::to_string(again.Position()));
    }

    std::vector<std::uint8_t> binary;
    try {
        binary = framework::ObjectTextToBinary(text);
    } catch (const std::exception& e) {
        fuzz::Fail("text made from accepted binary does not parse",
                   std::string(e.what()) + "\ninput: \"" + fuzz::Escaped(object) + "\"\ntext:\n" + text);
    }
    if (binary != walk.canonical) {
        fuzz::Fail("text made from accepted binary turns into other bytes",
                   fuzz::FirstDifference(walk.canonical, binary) + "\ninput:    \"" + fuzz::Escaped(object) +
                       "\"\nexpected: \"" + fuzz::Escaped(walk.canonical) + "\"\ngot:      \"" +
                       fuzz::Escaped(binary) + "\"\ntext:\n" + text);
    }
    return 0;
}
