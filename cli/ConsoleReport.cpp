#include "cli/ConsoleReport.h"

#include <cerrno>
#include <chrono>
#include <cmath>

namespace runner {

std::string TransferProgressText(const std::string& pass, std::uint32_t done, std::uint32_t total, double seconds) {
    std::string text = pass + ": " + std::to_string(done / 1024) + "/" + std::to_string(total / 1024) + " KB";
    if (seconds <= 0 || done == 0) return text;
    const double rate = done / seconds;
    const long left = std::lround((total - done) / rate);
    char tail[64];
    std::snprintf(tail, sizeof tail, ", %.0f KB/s, %ld:%02ld left", rate / 1024, left / 60, left % 60);
    return text + tail;
}

ConsoleReport::ConsoleReport(const CliOptions& options, std::FILE* log, std::FILE* progress,
                             std::function<double()> clock)
    : options_(options), log_(log), progress_(progress), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); };
}

void ConsoleReport::AppendLine(const std::string& line) {
    if (progressShown_) {
        std::fputs("\r\033[K", progress_);  // clear the progress line first
        progressShown_ = false;
    }
    if (line.rfind("* ", 0) == 0) {
        pass_ = line.substr(2);
        inTransfer_ = false;
        stepsKnown_ = false;
    }
    const bool written = std::fputs(line.c_str(), log_) != EOF && std::fputc('\n', log_) != EOF &&
                         std::fflush(log_) == 0;
    if (!written && logError_ == 0) logError_ = errno != 0 ? errno : EIO;
}

void ConsoleReport::ProgressStart(int min, int max) {
    min_ = min;
    max_ = max;
    position_ = 0;
    inTransfer_ = false;
    stepsKnown_ = true;
    Show(pass_ + ": " + std::to_string(position_) + "/" + std::to_string(max_));
}

void ConsoleReport::ProgressStep() {
    ++position_;
    Show(pass_ + ": " + std::to_string(position_) + "/" + std::to_string(max_));
}

void ConsoleReport::TransferStart(std::uint32_t totalBytes) {
    inTransfer_ = true;
    transferDone_ = 0;
    transferTotal_ = totalBytes;
    transferStart_ = clock_();
    Show(TransferProgressText(pass_, 0, transferTotal_, 0));
}

void ConsoleReport::TransferDone(std::uint32_t bytesDone) {
    transferDone_ = bytesDone;
    Show(TransferProgressText(pass_, transferDone_, transferTotal_, clock_() - transferStart_));
}

std::string ConsoleReport::Whereabouts() const {
    if (pass_.empty()) return "before the first pass";
    if (inTransfer_)
        return "during '" + pass_ + "' at " + std::to_string(transferDone_ / 1024) + " of " +
               std::to_string(transferTotal_ / 1024) + " KB";
    if (!stepsKnown_) return "at the start of '" + pass_ + "'";
    return "during '" + pass_ + "' at step " + std::to_string(position_) + " of " + std::to_string(max_);
}

void ConsoleReport::Show(const std::string& text) {
    if (!progress_) return;
    std::fprintf(progress_, "\r%s", text.c_str());
    std::fflush(progress_);
    progressShown_ = true;
}

bool ConsoleReport::IsChecked(cartridge::RunCheck check) const {
    switch (check) {
    case cartridge::RunCheck::FlashSize: return options_.sizeCheck;
    case cartridge::RunCheck::FlashArea: return options_.flashCheck;
    case cartridge::RunCheck::SaverArea: return options_.saverCheck;
    }
    return false;
}

}  // namespace runner
