#include "cli/CardKeeping.h"

#include <filesystem>

#include "cartridge/CardIdentification.h"
#include "cartridge/Patterns.h"
#include "cli/SaverBackupFile.h"
#include "portio/PortAccess.h"

namespace runner {
namespace {

constexpr int kRestoreErrorLimit = 100;

bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    return fs::absolute(a).lexically_normal() == fs::absolute(b).lexically_normal();
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::uint64_t FailedTransfers() { return portio::ActivePortBackend().FailedTransfers(); }

std::string FailedTransfersText(std::uint64_t count) {
    return "the port reported " + std::to_string(count) + " failed transfer" + (count == 1 ? "" : "s") +
           " (is the adapter connected and powered, the port in EPP mode?)";
}

}  // namespace

CardKeeping::CardKeeping(const CliOptions& options, cartridge::TransferProgress& progress)
    : options_(options), progress_(progress) {
    if (options.readFlashPath) dump_.emplace(*options.readFlashPath, options.force);
    if (options.backupSaverPath) backup_.emplace(*options.backupSaverPath, options.force);
    if (options.restoreSaverPath) {
        restore_ = true;
        // A backup of this run restored after it: its bytes are not read yet.
        if (!options.backupSaverPath || !SameFile(*options.restoreSaverPath, *options.backupSaverPath))
            restoreImage_ = LoadSaverBackup(*options.restoreSaverPath);
    }
}

template <typename Read>
bool CardKeeping::Keep(cartridge::RunReport& report, const char* area, OutputFile& file,
                       std::vector<std::uint8_t>& bytes, Read read) {
    const std::uint64_t failedBefore = FailedTransfers();
    read(bytes);
    std::string failure;
    if (const std::uint64_t failed = FailedTransfers() - failedBefore) {
        failure = FailedTransfersText(failed);
    } else {
        try {
            file.Commit(bytes);
            report.AppendLine(std::string(area) + " saved to " + Quoted(file.Path()) + ".");
            return true;
        } catch (const FileError& error) {
            failure = error.what();
        }
    }
    report.AppendLine(std::string(area) + " not saved: " + failure);
    report.AppendLine("Run stopped before anything was erased.");
    failed_ = true;
    return false;
}

bool CardKeeping::BeforeAreaChecks(cartridge::RunReport& report) {
    if (dump_) {
        report.AppendLine("* read Flash Area");
        std::vector<std::uint8_t> flash(static_cast<std::size_t>(cartridge::CardSize));
        if (!Keep(report, "Flash Area", *dump_, flash,
                  [this](std::vector<std::uint8_t>& out) { cartridge::ReadFlashContents(out, progress_); }))
            return false;
    }
    if (backup_) {
        report.AppendLine("* backup SAVER Area");
        std::vector<std::uint8_t> saver(cartridge::SaverBytes);
        if (!Keep(report, "SAVER Area", *backup_, saver, [this](std::vector<std::uint8_t>& out) {
                cartridge::ReadSaverContents(cartridge::SaverImage(out.data(), cartridge::SaverBytes), progress_);
            }))
            return false;
        if (restore_ && restoreImage_.empty()) restoreImage_ = std::move(saver);
    }
    return !options_.onlyRead;
}

void CardKeeping::AfterAreaChecks(cartridge::RunReport& report) {
    if (restore_) Restore(report);
}

void CardKeeping::Restore(cartridge::RunReport& report) {
    report.ErrorFlag = false;
    const std::uint64_t failedBefore = FailedTransfers();
    report.AppendLine("* restore SAVER Area");
    cartridge::WriteSaverContents(cartridge::SaverImageView(restoreImage_.data(), cartridge::SaverBytes), progress_);
    report.AppendLine("* verify SAVER restore");
    std::vector<std::uint8_t> readBack(cartridge::SaverBytes);
    cartridge::ReadSaverContents(cartridge::SaverImage(readBack.data(), cartridge::SaverBytes), progress_);
    int errors = 0;
    for (std::uint32_t address = 0; address < cartridge::SaverBytes; ++address) {
        if (readBack[address] == restoreImage_[address]) continue;
        if (++errors > kRestoreErrorLimit) {
            report.AppendLine("more...");
            break;
        }
        report.AppendLine(cartridge::ErrorLine(address, readBack[address], restoreImage_[address]));
        report.ErrorFlag = true;
    }
    if (const std::uint64_t failed = FailedTransfers() - failedBefore) {
        report.AppendLine("SAVER restore not verified: " + FailedTransfersText(failed));
        report.ErrorFlag = true;
    }
    if (!report.ErrorFlag) report.AppendLine("SAVER Area restored.");
    failed_ |= report.ErrorFlag;
}

std::vector<std::string> CardKeeping::Unwritten() const {
    std::vector<std::string> paths;
    for (const auto* file : {&dump_, &backup_})
        if (*file && !(*file)->Committed()) paths.push_back((*file)->Path());
    return paths;
}

std::optional<std::string> CardKeeping::Backup() const {
    if (backup_ && backup_->Committed()) return backup_->Path();
    return std::nullopt;
}

}  // namespace runner
