#include "tools/skingen/SkinGen.h"

#include <exception>
#include <string_view>

#include "skin/SeBitmap.h"
#include "skin/SkinSource.h"
#include "tools/skingen/BuiltinSkin.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/Png.h"

namespace skingen {

namespace {

constexpr std::string_view kUsage = "usage: skingen [OUTPUT.ztkn] [--contact-sheet=FILE.png]\n";
constexpr std::string_view kSheetOption = "--contact-sheet=";

int Usage(std::FILE* err, const std::string& problem) {
    std::fprintf(err, "skingen: %s\n%.*s", problem.c_str(), int(kUsage.size()), kUsage.data());
    return 2;
}

}  // namespace

int RunSkinGen(const std::vector<std::string>& args, std::FILE* err) {
    std::string output, sheet;
    for (const std::string& arg : args) {
        if (arg.starts_with(kSheetOption)) {
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
    if (output.empty() && sheet.empty()) return Usage(err, "nothing to do");

    skin::TSeSkinSource source(nullptr);
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
    if (!output.empty()) {
        // The skin file is written here once the tool stores skins.
        std::fprintf(err, "skingen: %s not written: this build of skingen does not write skin files\n",
                     output.c_str());
        status = 1;
    }
    return status;
}

}  // namespace skingen
