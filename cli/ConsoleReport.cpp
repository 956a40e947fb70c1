#include "cli/ConsoleReport.h"

#include <cerrno>

namespace runner {

ConsoleReport::ConsoleReport(const CliOptions& options, std::FILE* log, std::FILE* progress)
    : options_(options), log_(log), progress_(progress) {}

void ConsoleReport::AppendLine(const std::string& line) {
    if (progressShown_) {
        std::fputs("\r\033[K", progress_);  // clear the progress line first
        progressShown_ = false;
    }
    if (line.rfind("* ", 0) == 0) pass_ = line.substr(2);
    const bool written = std::fputs(line.c_str(), log_) != EOF && std::fputc('\n', log_) != EOF &&
                         std::fflush(log_) == 0;
    if (!written && logError_ == 0) logError_ = errno != 0 ? errno : EIO;
}

void ConsoleReport::ProgressStart(int min, int max) {
    min_ = min;
    max_ = max;
    position_ = 0;
    ShowProgress();
}

void ConsoleReport::ProgressStep() {
    ++position_;
    ShowProgress();
}

void ConsoleReport::ShowProgress() {
    if (!progress_) return;
    std::fprintf(progress_, "\r%s: %d/%d", pass_.c_str(), position_, max_);
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
