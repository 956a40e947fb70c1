// fuzz_object_text2bin: the text form of a component stream, as formconv
// text2bin reads the window's form description.
//
// Malformed text is EParserError and nothing else. Text that parses gives
// bytes which the binary reader accepts as one object, all of them, and
// whose text parses into the same bytes again.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/Stream.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    std::vector<std::uint8_t> binary;
    try {
        binary = framework::ObjectTextToBinary(source);
    } catch (const framework::EParserError&) {
        return 0;
    }

    framework::TMemoryStream input(binary);
    framework::TMemoryStream textStream;
    try {
        framework::ObjectBinaryToText(input, textStream);
    } catch (const std::exception& e) {
        fuzz::Fail("bytes made from accepted text are not read back",
                   std::string(e.what()) + "\nsource: \"" + fuzz::Escaped(source) + "\"\nbytes: \"" +
                       fuzz::Escaped(binary) + "\"");
    }
    if (input.Remaining() != 0) {
        fuzz::Fail("bytes made from accepted text hold more than one object",
                   "source: \"" + fuzz::Escaped(source) + "\"\nbytes: \"" + fuzz::Escaped(binary) + "\"");
    }
    const std::string text = textStream.Text();

    std::vector<std::uint8_t> again;
    try {
        again = framework::ObjectTextToBinary(text);
    } catch (const std::exception& e) {
        fuzz::Fail("the converter's own text does not parse",
                   std::string(e.what()) + "\nsource: \"" + fuzz::Escaped(source) + "\"\ntext:\n" + text);
    }
    if (again != binary) {
        fuzz::Fail("binary -> text -> binary changed the bytes",
                   fuzz::FirstDifference(binary, again) + "\nsource: \"" + fuzz::Escaped(source) +
                       "\"\nfirst:  \"" + fuzz::Escaped(binary) + "\"\nsecond: \"" + fuzz::Escaped(again) +
                       "\"\ntext:\n" + text);
    }
    return 0;
}
