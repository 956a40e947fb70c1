#include "tools/skingen/SkinGen.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <string_view>

#include "framework/Stream.h"
#include "skin/SeBitmap.h"
#include "skin/SkinEngine.h"
#include "skin/SkinSource.h"
#include "tools/skingen/BuiltinSkin.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/Png.h"

namespace skingen {

namespace {

constexpr std::string_view kUsage =
    "usage: skingen [OUTPUT.ztkn] [--stream=FILE] [--contact-sheet=FILE.png]\n";
constexpr std::string_view kSheetOption = "--contact-sheet=";
constexpr std::string_view kStreamOption = "--stream=";

// Writes `bytes` to `path`, closing it so that a failed write shows.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    framework::TFileStream file(path, framework::TFileStream::Mode::Create);
    file.WriteBuffer(bytes.data(), bytes.size());
    file.Close();
}

int Usage(std::FILE* err, const std::string& problem) {
    std::fprintf(err, "skingen: %s\n%.*s", problem.c_str(), int(kUsage.size()), kUsage.data());
    return 2;
}

}  // namespace

int RunSkinGen(const std::vector<std::string>& args, std::FILE* err) {
    std::string output, sheet, stream;
    for (const std::string& arg : args) {
        if (arg.starts_with(kStreamOption)) {
            if (!stream.empty()) return Usage(err, "--stream given twice");
            stream = arg.substr(kStreamOption.size());
            if (stream.empty()) return Usage(err, "--stream needs a file name");
        } else if (arg.starts_with(kSheetOption)) {
            if (!sheet.empty()) return Usage(err, "--contact-sheet given twice");
            sheet = arg.substr(kSheetOption.size());
            if (sheet.empty()) return Usage(err, "--contact-sheet needs a file name");
        } else if (arg.starts_with("-")) {
            return Usage(err, "unknown option " + arg);
        } else if (!output.empty()) {
            return Usage(err, "more than one output file");
        } else {
            output = arg;
        }
    }
    if (output.empty() && sheet.empty() && stream.empty()) return Usage(err, "nothing to do");

    skin::TSeSkinEngine engine(nullptr);
    skin::TSeSkinSource& source = *engine.SkinSource();
    BuildBuiltinSkin(source);

    int status = 0;
    if (!sheet.empty()) {
        try {
            skin::TSeBitmap picture;
            RenderContactSheet(source, picture);
            WritePngFile(sheet, picture);
        } catch (const std::exception& e) {
            std::fprintf(err, "skingen: %s\n", e.what());
            status = 1;
        }
    }
    // A failed write leaves no file behind for the build to pick up.
    const auto write = [&](const std::string& path, auto&& save) {
        if (path.empty()) return;
        try {
            save();
        } catch (const std::exception& e) {
            std::fprintf(err, "skingen: %s\n", e.what());
            std::error_code ignored;
            if (std::filesystem::is_regular_file(path, ignored)) std::filesystem::remove(path, ignored);
            status = 1;
        }
    };
    write(output, [&] { source.SaveToFile(output); });
    write(stream, [&] { WriteFile(stream, engine.SkinStream()); });
    return status;
}

}  // namespace skingen
