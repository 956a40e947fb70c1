// The run report of the console runner: log lines go to one stream, one per
// line; the progress shows live on another stream when that is a terminal.
// Transfers of the card's contents show bytes done, rate and time left.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "cartridge/CardContents.h"
#include "cartridge/RunReport.h"
#include "cli/CliOptions.h"

namespace runner {

// "read Flash Area: 1536/8192 KB, 350 KB/s, 0:19 left"; without rate and
// time left before any time has passed.
std::string TransferProgressText(const std::string& pass, std::uint32_t done, std::uint32_t total, double seconds);

class ConsoleReport final : public cartridge::RunReport, public cartridge::TransferProgress {
public:
    // `clock`: seconds from any origin; the steady clock when empty.
    ConsoleReport(const CliOptions& options, std::FILE* log, std::FILE* progress,
                  std::function<double()> clock = {});

    void ClearLog() override {}  // a console has no earlier lines to remove
    void AppendLine(const std::string& line) override;
    void ProgressStart(int min, int max) override;
    void ProgressStep() override;
    bool IsChecked(cartridge::RunCheck check) const override;
    bool Thorough() const override { return options_.thorough; }

    void TransferStart(std::uint32_t totalBytes) override;
    void TransferDone(std::uint32_t bytesDone) override;

    // 0 while every log line was written, else the error number of the
    // first that could not be.
    int LogWriteError() const { return logError_; }

    // How far the run has come: "during 'Program Flash Area' at step 3 of
    // 512", "during 'backup SAVER Area' at 32 of 128 KB", "before the
    // first pass".
    std::string Whereabouts() const;

    int ProgressMin() const { return min_; }
    int ProgressMax() const { return max_; }
    int ProgressPosition() const { return position_; }

private:
    void Show(const std::string& text);

    const CliOptions& options_;
    std::FILE* log_;
    std::FILE* progress_;  // nullptr: no live display
    std::function<double()> clock_;
    std::string pass_;     // the last "* ..." line, named in the display
    int min_ = 0, max_ = 0, position_ = 0;
    bool inTransfer_ = false;  // the pass counts bytes, not steps
    bool stepsKnown_ = false;  // the pass has started its progress
    std::uint32_t transferDone_ = 0, transferTotal_ = 0;
    double transferStart_ = 0;
    bool progressShown_ = false;
    int logError_ = 0;
};

}  // namespace runner
