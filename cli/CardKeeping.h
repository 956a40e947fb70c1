// Keeping and restoring the card's contents around a console run: the
// flash dump and the saver backup before the area checks destroy them, the
// flash image write, the flash compare and the saver restore after; and
// --keep, which does all of it with files of its own so that a diagnosis
// leaves the card as it was.
//
// Files are prepared before the port is touched (an existing file, a
// directory that cannot be written, an image or backup that does not fit is
// refused at once); the contents go into them only when read in full. A
// dump or backup that fails stops the run before the first erase. Every
// image read or written is named with its CRC-32 and SHA-1.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cartridge/CardContents.h"
#include "cartridge/RunStages.h"
#include "cli/CliOptions.h"
#include "files/OutputFile.h"

namespace runner {

using files::FileError;
using files::OutputFile;

class CardKeeping final : public cartridge::RunStages {
public:
    // Throws FileError.
    CardKeeping(const CliOptions& options, cartridge::TransferProgress& progress);

    bool BeforeAreaChecks(cartridge::RunReport& report) override;
    void AfterAreaChecks(cartridge::RunReport& report) override;

    // A dump, backup, write, compare or restore failed (the log says how).
    bool Failed() const { return failed_; }
    // The files asked for that were not written (say, no card was found).
    std::vector<std::string> Unwritten() const;
    // The backup made by this run, once it is on the disk.
    std::optional<std::string> Backup() const;

    // --keep: the card's contents are in files and not yet back on the card.
    bool WriteBackPending() const { return keepFlash_ && keepFlash_->Committed() && !writtenBack_; }
    // Writes the kept contents back and verifies them (after an interrupted
    // run too; a second interrupt stops it).
    void WriteBack(cartridge::RunReport& report);
    // How to write the kept files back by hand, or "" when nothing is left to do.
    std::string WriteBackAdvice() const;

private:
    // Reads one area into `bytes` and commits it to `file`; false (logged)
    // when the port failed transfers or the file could not be written.
    template <typename Read>
    bool Keep(cartridge::RunReport& report, const char* area, OutputFile& file, std::vector<std::uint8_t>& bytes,
              Read read);
    bool KeepCard(cartridge::RunReport& report);
    bool ImagesFitTheCard(cartridge::RunReport& report);
    void Restore(cartridge::RunReport& report);
    bool WriteFlash(cartridge::RunReport& report, const std::string& path, const std::vector<std::uint8_t>& image);
    void VerifyFlash(cartridge::RunReport& report);

    const CliOptions& options_;
    cartridge::TransferProgress& progress_;
    std::optional<OutputFile> dump_;
    std::optional<OutputFile> backup_;
    std::vector<std::uint8_t> restoreImage_;  // empty until known
    bool restore_ = false;
    std::vector<std::uint8_t> flashImage_;    // --write-flash, or what --keep dumped
    std::vector<std::uint8_t> compareImage_;  // --verify-flash
    std::optional<OutputFile> keepFlash_;
    std::optional<OutputFile> keepSaver_;
    bool writtenBack_ = false;
    bool failed_ = false;
};

}  // namespace runner
