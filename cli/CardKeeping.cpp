#include "cli/CardKeeping.h"

#include <ctime>
#include <filesystem>

#include "cartridge/CardIdentification.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/FlashImageWriter.h"
#include "cartridge/Patterns.h"
#include "cli/Digests.h"
#include "cli/ImageFiles.h"
#include "files/QuotedName.h"
#include "portio/PortAccess.h"

namespace runner {
namespace {

constexpr int kRestoreErrorLimit = 100;
constexpr int kCompareErrorLimit = 100;

bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    return fs::absolute(a).lexically_normal() == fs::absolute(b).lexically_normal();
}

using files::Quoted;

std::uint64_t FailedTransfers() { return portio::ActivePortBackend().FailedTransfers(); }

std::string FailedTransfersText(std::uint64_t count) {
    return "the port reported " + std::to_string(count) + " failed transfer" + (count == 1 ? "" : "s") +
           " (is the adapter connected and powered, the port in EPP mode?)";
}

// The card's kind as the simulator names it, for the names of kept files.
std::string CardKindName() {
    cartridge::ResetFlashBanks();
    const std::uint16_t id = cartridge::ReadCardId();
    cartridge::ResetFlashBanks();
    if (id == cartridge::IntelCardId) return "intel64";
    if (id == cartridge::SharpCardId) return cartridge::CardSize == 0x800000 ? "sharp64" : "sharp32";
    return "card";
}

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::string HexList(const std::vector<std::uint32_t>& addresses) {
    std::string text;
    char one[16];
    for (std::uint32_t address : addresses) {
        std::snprintf(one, sizeof one, "0x%06X", static_cast<unsigned>(address));
        text += (text.empty() ? "" : ", ") + std::string(one);
    }
    return text;
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
    if (options.writeFlashPath) flashImage_ = LoadFlashImage(*options.writeFlashPath);
    if (options.verifyFlashPath) compareImage_ = LoadFlashImage(*options.verifyFlashPath);
    if (options.keepDirectory && !std::filesystem::is_directory(*options.keepDirectory))
        throw FileError("--keep: '" + *options.keepDirectory + "' is not a directory");
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
            report.AppendLine(DigestLine(file.Path(), bytes));
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
    if (!ImagesFitTheCard(report)) return false;
    if (options_.keepDirectory && !KeepCard(report)) return false;
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
    if (options_.onlyRead) {
        if (!compareImage_.empty()) VerifyFlash(report);
        return false;
    }
    return true;
}

void CardKeeping::AfterAreaChecks(cartridge::RunReport& report) {
    if (keepFlash_) {
        WriteBack(report);
        return;
    }
    if (!flashImage_.empty()) WriteFlash(report, *options_.writeFlashPath, flashImage_);
    if (!compareImage_.empty()) VerifyFlash(report);
    if (restore_) Restore(report);
}

bool CardKeeping::ImagesFitTheCard(cartridge::RunReport& report) {
    for (const auto* image : {&flashImage_, &compareImage_}) {
        if (image->size() <= static_cast<std::size_t>(cartridge::CardSize)) continue;
        const std::string& path = image == &flashImage_ ? *options_.writeFlashPath : *options_.verifyFlashPath;
        report.AppendLine("Flash image " + Quoted(path) + " holds " + std::to_string(image->size()) +
                          " bytes, more than the card's " + std::to_string(cartridge::CardSize) + ".");
        report.AppendLine("Run stopped before anything was erased.");
        failed_ = true;
        return false;
    }
    return true;
}

// The dump and backup of --keep, under names that say which card and when.
bool CardKeeping::KeepCard(cartridge::RunReport& report) {
    const std::filesystem::path stem =
        std::filesystem::path(*options_.keepDirectory) / ("flashdiag-" + CardKindName() + "-" + LocalTimeStamp());
    try {
        keepFlash_.emplace(stem.string() + "-flash.bin", false);
        keepSaver_.emplace(stem.string() + "-saver.bin", false);
    } catch (const FileError& error) {
        report.AppendLine(std::string("Card not kept: ") + error.what());
        report.AppendLine("Run stopped before anything was erased.");
        keepFlash_.reset();
        failed_ = true;
        return false;
    }
    report.AppendLine("* read Flash Area");
    flashImage_.assign(static_cast<std::size_t>(cartridge::CardSize), 0);
    if (!Keep(report, "Flash Area", *keepFlash_, flashImage_,
              [this](std::vector<std::uint8_t>& out) { cartridge::ReadFlashContents(out, progress_); }))
        return false;
    report.AppendLine("* backup SAVER Area");
    restoreImage_.assign(cartridge::SaverBytes, 0);
    if (!Keep(report, "SAVER Area", *keepSaver_, restoreImage_, [this](std::vector<std::uint8_t>& out) {
            cartridge::ReadSaverContents(cartridge::SaverImage(out.data(), cartridge::SaverBytes), progress_);
        }))
        return false;
    return true;
}

void CardKeeping::WriteBack(cartridge::RunReport& report) {
    const bool failedBefore = failed_;
    failed_ = false;
    WriteFlash(report, keepFlash_->Path(), flashImage_);
    Restore(report);
    writtenBack_ = !failed_;
    if (writtenBack_)
        report.AppendLine("Card kept: its flash and saver are as before the run.");
    else
        report.AppendLine("Card not as before the run. " + WriteBackAdvice());
    failed_ |= failedBefore;
}

std::string CardKeeping::WriteBackAdvice() const {
    if (!keepFlash_ || !keepFlash_->Committed() || writtenBack_) return "";
    return "Its contents are in " + Quoted(keepFlash_->Path()) + " and " + Quoted(keepSaver_->Path()) +
           "; flashdiag-cli --write-flash=" + keepFlash_->Path() + " --restore-saver=" + keepSaver_->Path() +
           " --no-flash --no-saver writes them back.";
}

bool CardKeeping::WriteFlash(cartridge::RunReport& report, const std::string& path,
                             const std::vector<std::uint8_t>& image) {
    report.AppendLine("* write Flash Area");
    report.AppendLine(DigestLine(path, image));
    const std::uint64_t failedBefore = FailedTransfers();
    const cartridge::FlashImageWrite result = cartridge::WriteFlashImage(image, progress_);
    std::string failure;
    if (!result.partFound) {
        failure = "no known flash part answered";
    } else if (!result.ready) {
        failure = "the part never became ready in the block at " + HexList(result.differingBlocks);
    } else if (const std::uint64_t failed = FailedTransfers() - failedBefore) {
        failure = FailedTransfersText(failed);
    } else if (!result.differingBlocks.empty()) {
        failure = "not as the image in the erase block" + std::string(result.differingBlocks.size() == 1 ? " " : "s ") +
                  "at " + HexList(result.differingBlocks);
    }
    if (!failure.empty()) {
        report.AppendLine("Flash Area not written: " + failure + ".");
        failed_ = true;
        return false;
    }
    report.AppendLine("Flash Area written and verified: " + std::to_string(result.blocks) + " erase blocks, " +
                      std::to_string(result.erased) + " erased, " + std::to_string(result.unchanged) +
                      " already held the image.");
    return true;
}

void CardKeeping::VerifyFlash(cartridge::RunReport& report) {
    const std::string& path = *options_.verifyFlashPath;
    report.AppendLine("* verify Flash Area against " + Quoted(path));
    report.AppendLine(DigestLine(path, compareImage_));
    const std::uint64_t failedBefore = FailedTransfers();
    // Whole bursts are read; the bytes past the image are not compared.
    std::vector<std::uint8_t> read((compareImage_.size() + 255) / 256 * 256);
    progress_.TransferStart(static_cast<std::uint32_t>(read.size()));
    cartridge::ResetFlashBanks();
    for (std::uint32_t start = 0; start < read.size(); start += cartridge::PatternBytes) {
        const std::size_t length = std::min<std::size_t>(cartridge::PatternBytes, read.size() - start);
        cartridge::ReadFlashRange(start, std::span(read).subspan(start, length));
        progress_.TransferDone(static_cast<std::uint32_t>(start + length));
    }
    std::uint64_t differing = 0;
    for (std::uint32_t address = 0; address < compareImage_.size(); ++address) {
        if (read[address] == compareImage_[address]) continue;
        if (++differing <= kCompareErrorLimit)
            report.AppendLine(cartridge::ErrorLine(address, read[address], compareImage_[address]));
    }
    if (differing > kCompareErrorLimit) report.AppendLine("more...");
    if (const std::uint64_t failed = FailedTransfers() - failedBefore) {
        report.AppendLine("Flash Area not compared: " + FailedTransfersText(failed));
        failed_ = true;
    } else if (differing) {
        report.AppendLine(cartridge::DifferLine("Flash Area", differing, compareImage_.size()));
        failed_ = true;
    } else {
        report.AppendLine("Flash Area matches " + Quoted(path) + ".");
    }
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
