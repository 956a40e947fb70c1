#include "tools/skingen/SkinGen.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <string_view>

#include "skin/gfx/SeBitmap.h"
#include "skin/SkinEngine.h"
#include "skin/storage/SkinSource.h"
#include "tools/skingen/BuiltinSkin.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/IcoFile.h"
#include "files/OutputFile.h"
#include "tools/skingen/ProgramIcon.h"
#include "tools/skingen/Png.h"

namespace skingen {

namespace {

constexpr std::string_view kUsage =
    "usage: skingen [OUTPUT.ztkn] [--stream=FILE] [--contact-sheet=FILE.png] [--icon=FILE.ico]\n";
constexpr std::string_view kSheetOption = "--contact-sheet=";
constexpr std::string_view kStreamOption = "--stream=";
constexpr std::string_view kIconOption = "--icon=";

int Usage(std::FILE* err, const std::string& problem) {
    std::fprintf(err, "skingen: %s\n%.*s", problem.c_str(), int(kUsage.size()), kUsage.data());
    return 2;
}

}  // namespace

int RunSkinGen(const std::vector<std::string>& args, std::FILE* err) {
    std::string output, sheet, stream, icon;
    // A file-name option: given once, with a name.
    const auto take = [&](const std::string& arg, std::string_view option, std::string& into) -> std::string {
        const std::string name(option.substr(0, option.size() - 1));
        if (!into.empty()) return name + " given twice";
        into = arg.substr(option.size());
        if (into.empty()) return name + " needs a file name";
        return {};
    };
    for (const std::string& arg : args) {
        std::string problem;
        if (arg.starts_with(kStreamOption)) {
            problem = take(arg, kStreamOption, stream);
        } else if (arg.starts_with(kSheetOption)) {
            problem = take(arg, kSheetOption, sheet);
        } else if (arg.starts_with(kIconOption)) {
            problem = take(arg, kIconOption, icon);
        } else if (arg.starts_with("-")) {
            return Usage(err, "unknown option " + arg);
        } else if (!output.empty()) {
            return Usage(err, "more than one output file");
        } else {
            output = arg;
        }
        if (!problem.empty()) return Usage(err, problem);
    }
    if (output.empty() && sheet.empty() && stream.empty() && icon.empty()) return Usage(err, "nothing to do");

    skin::TSeSkinEngine engine(nullptr);
    skin::TSeSkinSource& source = *engine.SkinSource();
    BuildBuiltinSkin(source);

    int status = 0;
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
    write(sheet, [&] {
        skin::TSeBitmap picture;
        RenderContactSheet(source, picture);
        WritePngFile(sheet, picture);
    });
    write(output, [&] { source.SaveToFile(output); });
    write(stream, [&] { files::WriteWholeFile(stream, engine.SkinStream()); });
    write(icon, [&] {
        std::vector<skin::TSeBitmap> pictures(kProgramIconSizes.size());
        std::vector<const skin::TSeBitmap*> order;
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            PaintProgramIcon(kProgramIconSizes[i], pictures[i]);
            order.push_back(&pictures[i]);
        }
        WriteIcoFile(icon, order);
    });
    return status;
}

}  // namespace skingen
