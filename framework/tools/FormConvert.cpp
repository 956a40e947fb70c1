// formconv: converts a stored form description between its text form and
// its binary form. The build uses it to turn the window's text description
// into the binary resource embedded in the program.
//
//   formconv text2bin INPUT OUTPUT
//   formconv bin2text INPUT OUTPUT
#include <cstdio>
#include <exception>
#include <string>

#include "framework/ObjectText.h"
#include "framework/Stream.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: formconv text2bin|bin2text INPUT OUTPUT\n", stderr);
        return 2;
    }
    const std::string mode = argv[1];
    if (mode != "text2bin" && mode != "bin2text") {
        std::fprintf(stderr, "formconv: unknown mode '%s'\n", mode.c_str());
        return 2;
    }
    try {
        framework::TFileStream input(argv[2], framework::TFileStream::Mode::OpenRead);
        framework::TMemoryStream output;
        if (mode == "text2bin") {
            framework::ObjectTextToBinary(input, output);
        } else {
            framework::ObjectBinaryToText(input, output);
        }
        // Written only after a complete conversion, so a failed run leaves
        // no half file for the build to pick up.
        framework::TFileStream file(argv[3], framework::TFileStream::Mode::Create);
        file.WriteBuffer(output.Bytes().data(), output.Bytes().size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "formconv: %s: %s\n", argv[2], e.what());
        std::remove(argv[3]);
        return 1;
    }
    return 0;
}
