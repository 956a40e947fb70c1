// Keeping the card's contents across a console run: the flash dump and the
// saver backup before the area checks destroy them, the saver restore
// after. The files are prepared before the port is touched (an existing
// file, a directory that cannot be written or a restore file that is not a
// backup is refused at once); the contents go into them only when read in
// full. A dump or backup that fails stops the run before the first erase.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cartridge/CardContents.h"
#include "cartridge/RunStages.h"
#include "cli/CliOptions.h"
#include "cli/OutputFile.h"

namespace runner {

class CardKeeping final : public cartridge::RunStages {
public:
    // Throws FileError.
    CardKeeping(const CliOptions& options, cartridge::TransferProgress& progress);

    bool BeforeAreaChecks(cartridge::RunReport& report) override;
    void AfterAreaChecks(cartridge::RunReport& report) override;

    // A dump, backup or restore failed (the log says how).
    bool Failed() const { return failed_; }
    // The files asked for that were not written (say, no card was found).
    std::vector<std::string> Unwritten() const;
    // The backup made by this run, once it is on the disk.
    std::optional<std::string> Backup() const;

private:
    // Reads one area into `bytes` and commits it to `file`; false (logged)
    // when the port failed transfers or the file could not be written.
    template <typename Read>
    bool Keep(cartridge::RunReport& report, const char* area, OutputFile& file, std::vector<std::uint8_t>& bytes,
              Read read);
    void Restore(cartridge::RunReport& report);

    const CliOptions& options_;
    cartridge::TransferProgress& progress_;
    std::optional<OutputFile> dump_;
    std::optional<OutputFile> backup_;
    std::vector<std::uint8_t> restoreImage_;  // empty until known
    bool restore_ = false;
    bool failed_ = false;
};

}  // namespace runner
