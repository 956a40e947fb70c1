// fuzz_cli_options: the command lines of flashdiag-cli (runner::ParseCliOptions)
// and of flashdiag.exe (app::ParseAppOptions), the input split into
// arguments at NUL bytes.
//
// A bad command line is the parser's usage error and nothing else. One that
// is accepted keeps the promises the callers rely on: no empty file names,
// and the after-run flags of the window only together with --autorun; the
// console runner's card files are files, --port excludes --simulate, an I/O
// base has all its ports, and the combinations that could not do what they
// ask (a dump without the size, a restore or an image write in a read-only
// run, a compare after the flash check, --keep with files of its own) are
// refused.
#include <cstdint>
#include <string>
#include <vector>

#include "app/AppOptions.h"
#include "cli/CliOptions.h"
#include "fuzz/FuzzSupport.h"

namespace {

std::vector<std::string> SplitAtNul(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += char(data[i]);
        }
    }
    return args;
}

std::string Shown(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args) text += " \"" + fuzz::Escaped(arg) + "\"";
    return "arguments:" + text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = SplitAtNul(data, size);

    try {
        const runner::CliOptions cli = runner::ParseCliOptions(args);
        if (cli.tracePath && cli.tracePath->empty()) fuzz::Fail("flashdiag-cli accepted an empty trace file", Shown(args));
        for (const auto* path : {&cli.readFlashPath, &cli.backupSaverPath, &cli.restoreSaverPath, &cli.writeFlashPath,
                                 &cli.verifyFlashPath})
            if (*path && ((*path)->empty() || **path == "-"))
                fuzz::Fail("flashdiag-cli accepted a card file that is no file", Shown(args));
        if (cli.card && cli.port) fuzz::Fail("flashdiag-cli accepted --simulate with --port", Shown(args));
        if (cli.port && cli.port->kind == portio::PortAddress::Kind::IoBase &&
            (cli.port->base == 0 || cli.port->base > 0xFFFF - (portio::PortSpan - 1)))
            fuzz::Fail("flashdiag-cli accepted an I/O base whose ports do not exist", Shown(args));
        if (cli.readFlashPath && !cli.sizeCheck)
            fuzz::Fail("flashdiag-cli accepted a flash dump without the size check", Shown(args));
        if (cli.restoreSaverPath && cli.onlyRead)
            fuzz::Fail("flashdiag-cli accepted a restore in a read-only run", Shown(args));
        if ((cli.writeFlashPath || cli.verifyFlashPath || cli.keepDirectory) && !cli.sizeCheck)
            fuzz::Fail("flashdiag-cli accepted an image or --keep without the size check", Shown(args));
        if (cli.writeFlashPath && cli.onlyRead)
            fuzz::Fail("flashdiag-cli accepted an image write in a read-only run", Shown(args));
        if (cli.keepDirectory && (cli.keepDirectory->empty() || cli.onlyRead || cli.readFlashPath ||
                                  cli.backupSaverPath || cli.restoreSaverPath || cli.writeFlashPath))
            fuzz::Fail("flashdiag-cli accepted --keep with an empty directory or with its own files' options",
                       Shown(args));
        if (cli.verifyFlashPath && cli.flashCheck && !cli.onlyRead && !cli.writeFlashPath && !cli.keepDirectory)
            fuzz::Fail("flashdiag-cli accepted a flash compare after the flash check overwrote it", Shown(args));
    } catch (const runner::UsageError&) {
    }

    try {
        const app::AppOptions window = app::ParseAppOptions(args);
        for (const auto* path : {&window.tracePath, &window.screenshotPath, &window.logPath})
            if (*path && (*path)->empty()) fuzz::Fail("flashdiag.exe accepted an empty file name", Shown(args));
        if (!window.autorun && (window.exitAfterRun || window.screenshotPath || window.logPath))
            fuzz::Fail("flashdiag.exe accepted an after-run flag without --autorun", Shown(args));
    } catch (const app::AppUsageError&) {
    }
    return 0;
}
