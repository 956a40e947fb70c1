#include "cli/CliOptions.h"

#include "portchoice/PortFlags.h"

namespace runner {

const char* const CliUsage =
    "usage: flashdiag-cli [--simulate=CARD | --port=PORT] [--no-size-check] [--no-flash] [--no-saver]\n"
    "                     [--read-flash=FILE] [--backup-saver=FILE] [--restore-saver=FILE] [--force]\n"
    "                     [--write-flash=FILE] [--verify-flash=FILE] [--keep[=DIR]]\n"
    "                     [--only-read] [--thorough] [--trace=FILE]\n"
    "  CARD is KIND[,FAULT]...: KIND intel64, sharp64, sharp32 or none; FAULT flash-bad=ADDR:VALUE,\n"
    "  saver-bad=ADDR:VALUE, no-saver, flash-hang, flash-weak=ADDR, flash-locked=ADDR,\n"
    "  erase-fail=ADDR, vpp-low, data-stuck=BIT:0|1, addr-stuck=LINE:0|1, addr-short=A:B,\n"
    "  flash-image=FILE or saver-image=FILE. PORT is a ppdev device (/dev/parport0, the default\n"
    "  on Linux) or an I/O base for direct access as root (0x378); on Windows inpout[:0xBASE]\n"
    "  drives the port at 0x378 (or BASE) through the InpOut DLL next to the program.\n"
    "  --read-flash and --backup-saver keep the card's\n"
    "  contents before the run, --restore-saver writes a saver backup back after it, --force lets\n"
    "  them replace a file, --only-read skips the checks that change the card. --write-flash\n"
    "  programs an image into the flash after the checks (only the blocks that differ) and\n"
    "  --verify-flash compares the flash with one at the end. --keep dumps the flash and backs up\n"
    "  the saver into DIR (default: here) before the checks and writes both back after them.\n"
    "  --thorough compares every byte read (the whole saver too), counts every mismatch and names\n"
    "  the likely fault. --trace=- writes the trace to stdout.\n";

namespace {
// The value of "--name=value", or nullopt when `arg` is not that option.
std::optional<std::string> OptionValue(const std::string& arg, const std::string& name) {
    const std::string prefix = name + "=";
    if (arg.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    return arg.substr(prefix.size());
}

// A file the card's contents go to or come from: stdout carries the log.
std::string CardFile(const std::string& name, const std::string& path) {
    if (path.empty() || path == "-") throw UsageError(name + " needs a file name (stdout carries the log)");
    return path;
}

void CheckCombination(const CliOptions& options) {
    portchoice::CheckPortChoice(options.card, options.port);
    if (options.readFlashPath && !options.sizeCheck)
        throw UsageError("--read-flash needs the size check for the flash's size (drop --no-size-check)");
    if (options.restoreSaverPath && options.onlyRead)
        throw UsageError("--restore-saver writes the saver; it cannot go with --only-read");
    if (options.readFlashPath && options.backupSaverPath && *options.readFlashPath == *options.backupSaverPath)
        throw UsageError("--read-flash and --backup-saver need two different files");
    if ((options.writeFlashPath || options.verifyFlashPath || options.keepDirectory) && !options.sizeCheck)
        throw UsageError("--write-flash, --verify-flash and --keep need the size check for the flash's size "
                         "(drop --no-size-check)");
    if (options.writeFlashPath && options.onlyRead)
        throw UsageError("--write-flash writes the flash; it cannot go with --only-read");
    if (options.verifyFlashPath && options.flashCheck && !options.onlyRead && !options.writeFlashPath &&
        !options.keepDirectory)
        throw UsageError("the flash check overwrites the flash before --verify-flash reads it; add --no-flash "
                         "(or --write-flash, to compare what it wrote)");
    if (options.keepDirectory) {
        if (options.onlyRead) throw UsageError("--keep keeps the card through checks that change it; --only-read changes nothing");
        if (options.readFlashPath || options.backupSaverPath || options.restoreSaverPath || options.writeFlashPath)
            throw UsageError("--keep makes its own dump and backup and writes them back; it cannot go with "
                             "--read-flash, --backup-saver, --restore-saver or --write-flash");
    }
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& args) {
    CliOptions options;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--no-size-check") {
            options.sizeCheck = false;
        } else if (arg == "--no-flash") {
            options.flashCheck = false;
        } else if (arg == "--no-saver") {
            options.saverCheck = false;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg == "--only-read") {
            options.onlyRead = true;
        } else if (arg == "--thorough") {
            options.thorough = true;
        } else if (auto card = OptionValue(arg, "--simulate")) {
            options.card = portchoice::ParseSimulatedCard(*card);
        } else if (auto port = OptionValue(arg, "--port")) {
            options.port = portchoice::ParsePortAddress(*port);
        } else if (auto path = OptionValue(arg, "--trace")) {
            if (path->empty()) throw UsageError("--trace needs a file name (or - for stdout)");
            options.tracePath = *path;
        } else if (auto flash = OptionValue(arg, "--read-flash")) {
            options.readFlashPath = CardFile("--read-flash", *flash);
        } else if (auto backup = OptionValue(arg, "--backup-saver")) {
            options.backupSaverPath = CardFile("--backup-saver", *backup);
        } else if (auto restore = OptionValue(arg, "--restore-saver")) {
            options.restoreSaverPath = CardFile("--restore-saver", *restore);
        } else if (auto image = OptionValue(arg, "--write-flash")) {
            options.writeFlashPath = CardFile("--write-flash", *image);
        } else if (auto compared = OptionValue(arg, "--verify-flash")) {
            options.verifyFlashPath = CardFile("--verify-flash", *compared);
        } else if (arg == "--keep") {
            options.keepDirectory.emplace(1, '.');  // the working directory
        } else if (auto directory = OptionValue(arg, "--keep")) {
            if (directory->empty()) throw UsageError("--keep= needs a directory (or --keep for the working directory)");
            options.keepDirectory = *directory;
        } else {
            throw UsageError("unknown argument '" + arg + "'");
        }
    }
    CheckCombination(options);
    return options;
}

}  // namespace runner
