#include "framework/tools/FormConvert.h"

#include <exception>
#include <filesystem>

#include "files/OutputFile.h"
#include "framework/BinaryPropertyEdit.h"
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
    const bool setBinary = !args.empty() && args[0] == "setbinary";
    if (args.size() != (setBinary ? 5u : 3u)) {
        std::fputs("usage: formconv text2bin|bin2text INPUT OUTPUT\n"
                   "       formconv setbinary INPUT OBJECT.PROPERTY DATA OUTPUT\n",
                   err);
        return 2;
    }
    const std::string& mode = args[0];
    const std::string& inputPath = args[1];
    const std::string& outputPath = args.back();
    if (mode != "text2bin" && mode != "bin2text" && !setBinary) {
        std::fprintf(err, "formconv: unknown mode '%s'\n", mode.c_str());
        return 2;
    }
    std::string objectName, propertyName;
    if (setBinary) {
        const std::size_t dot = args[2].find('.');
        if (dot == std::string::npos || dot == 0 || dot + 1 == args[2].size()) {
            std::fprintf(err, "formconv: '%s' is not OBJECT.PROPERTY\n", args[2].c_str());
            return 2;
        }
        objectName = args[2].substr(0, dot);
        propertyName = args[2].substr(dot + 1);
    }
    TMemoryStream input;
    std::vector<std::uint8_t> data;
    try {
        input = TMemoryStream(ReadInput(inputPath));
        if (setBinary) data = ReadInput(args[3]);
    } catch (const std::exception& e) {
        return Failure(err, e.what(), outputPath);  // the text names the file
    }
    TMemoryStream output;
    try {
        if (mode == "text2bin") {
            ObjectTextToBinary(input, output);
        } else if (mode == "bin2text") {
            ObjectBinaryToText(input, output);
        } else {
            const auto bytes = SetBinaryProperty(input.Bytes(), objectName, propertyName, data);
            output.WriteBuffer(bytes.data(), bytes.size());
        }
    } catch (const std::exception& e) {
        return Failure(err, inputPath + ": " + e.what(), outputPath);
    }
    // Written only after a complete conversion, so a failed run leaves no
    // half file behind. A file (or a new name) is written whole, under a
    // temporary name renamed into place; a device or a link (/dev/stdout)
    // takes the bytes directly, closed explicitly because the last buffered
    // bytes may be the ones that cannot be written.
    try {
        std::error_code ignored;
        const std::filesystem::file_status status = std::filesystem::symlink_status(outputPath, ignored);
        if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) {
            files::WriteWholeFile(outputPath, output.Bytes());
        } else {
            TFileStream file(outputPath, TFileStream::Mode::Create);
            file.WriteBuffer(output.Bytes().data(), output.Bytes().size());
            file.Close();
        }
    } catch (const std::exception& e) {
        return Failure(err, e.what(), outputPath);
    }
    return 0;
}

}  // namespace framework
