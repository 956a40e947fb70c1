#include "framework/tools/FormConvert.h"

#include <exception>

#include "framework/ObjectText.h"
#include "framework/Stream.h"

namespace framework {

int RunFormConvert(const std::vector<std::string>& args, std::FILE* err) {
    if (args.size() != 3) {
        std::fputs("usage: formconv text2bin|bin2text INPUT OUTPUT\n", err);
        return 2;
    }
    const std::string& mode = args[0];
    const std::string& inputPath = args[1];
    const std::string& outputPath = args[2];
    if (mode != "text2bin" && mode != "bin2text") {
        std::fprintf(err, "formconv: unknown mode '%s'\n", mode.c_str());
        return 2;
    }
    try {
        TFileStream input(inputPath, TFileStream::Mode::OpenRead);
        TMemoryStream output;
        if (mode == "text2bin") {
            ObjectTextToBinary(input, output);
        } else {
            ObjectBinaryToText(input, output);
        }
        // Written only after a complete conversion, so a failed run leaves
        // no half file for the build to pick up.
        TFileStream file(outputPath, TFileStream::Mode::Create);
        file.WriteBuffer(output.Bytes().data(), output.Bytes().size());
    } catch (const std::exception& e) {
        std::fprintf(err, "formconv: %s: %s\n", inputPath.c_str(), e.what());
        std::remove(outputPath.c_str());
        return 1;
    }
    return 0;
}

}  // namespace framework
