// The run report of the console runner: log lines go to one stream, one per
// line; the progress shows live on another stream when that is a terminal.
#pragma once

#include <cstdio>
#include <string>

#include "cartridge/RunReport.h"
#include "cli/CliOptions.h"

namespace runner {

class ConsoleReport final : public cartridge::RunReport {
public:
    ConsoleReport(const CliOptions& options, std::FILE* log, std::FILE* progress);

    void ClearLog() override {}  // a console has no earlier lines to remove
    void AppendLine(const std::string& line) override;
    void ProgressStart(int min, int max) override;
    void ProgressStep() override;
    bool IsChecked(cartridge::RunCheck check) const override;

    // 0 while every log line was written, else the error number of the
    // first that could not be.
    int LogWriteError() const { return logError_; }

    int ProgressMin() const { return min_; }
    int ProgressMax() const { return max_; }
    int ProgressPosition() const { return position_; }

private:
    void ShowProgress();

    const CliOptions& options_;
    std::FILE* log_;
    std::FILE* progress_;  // nullptr: no live display
    std::string pass_;     // the last "* ..." line, named in the display
    int min_ = 0, max_ = 0, position_ = 0;
    bool progressShown_ = false;
    int logError_ = 0;
};

}  // namespace runner
