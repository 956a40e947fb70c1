#include "framework/tools/FormConvert.h"

#include <exception>
#include <filesystem>

#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/Stream.h"

namespace framework {
namespace {

// The whole input, however it comes (a file, a pipe): its size is not
// trusted, and beyond the bound it is refused instead of held in memory.
std::vector<std::uint8_t> ReadInput(const std::string& path) {
    TFileStream file(path, TFileStream::Mode::OpenRead);
    try {
        return ReadToEnd(file, kMaxObjectTextBytes);
    } catch (const EFileStreamError&) {
        throw;  // a read error: its text names the file and the reason
    } catch (const EStreamError&) {
        throw EFileStreamError("File \"" + path + "\" is larger than " +
                               std::to_string(kMaxObjectTextBytes >> 20) + " MB: far too large for a form description");
    }
}

// A failed run leaves no output for the build to pick up, neither a partial
// one nor one of an earlier run. Only a regular file is removed: the output
// may name a device (/dev/stdout), which must stay.
int Failure(std::FILE* err, const std::string& message, const std::string& outputPath) {
    std::fprintf(err, "formconv: %s\n", message.c_str());
    std::error_code ignored;
    if (std::filesystem::is_regular_file(outputPath, ignored)) std::filesystem::remove(outputPath, ignored);
    return 1;
}

}  // namespace

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
    TMemoryStream input;
    try {
        input = TMemoryStream(ReadInput(inputPath));
    } catch (const std::exception& e) {
        return Failure(err, e.what(), outputPath);  // the text names the file
    }
    TMemoryStream output;
    try {
        if (mode == "text2bin") {
            ObjectTextToBinary(input, output);
        } else {
            ObjectBinaryToText(input, output);
        }
    } catch (const std::exception& e) {
        return Failure(err, inputPath + ": " + e.what(), outputPath);
    }
    // Written only after a complete conversion, so a failed run leaves no
    // half file behind; closed explicitly, because the last buffered bytes
    // may be the ones that cannot be written.
    try {
        TFileStream file(outputPath, TFileStream::Mode::Create);
        file.WriteBuffer(output.Bytes().data(), output.Bytes().size());
        file.Close();
    } catch (const std::exception& e) {
        return Failure(err, e.what(), outputPath);
    }
    return 0;
}

}  // namespace framework
