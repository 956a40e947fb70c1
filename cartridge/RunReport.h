// What a diagnostic run needs from the window that shows it: the log, the
// error flag, the progress bar and the check boxes. The window implements
// it; so does the console runner.
#pragma once

#include <string>

namespace cartridge {

enum class RunCheck { FlashSize, FlashArea, SaverArea };

class RunReport {
public:
    virtual ~RunReport() = default;

    // Removes all lines of the log and repaints it at once.
    virtual void ClearLog() = 0;
    virtual void AppendLine(const std::string& line) = 0;
    // Sets the bar's minimum, then maximum, then position 0; repaints.
    virtual void ProgressStart(int min, int max) = 0;
    // Position + 1; repaints.
    virtual void ProgressStep() = 0;
    // Read when the run reaches the check, not before.
    virtual bool IsChecked(RunCheck check) const = 0;
    // Whether the verify passes compare every byte they read and count
    // every mismatch (the console runner's --thorough); the window keeps
    // its sample.
    virtual bool Thorough() const { return false; }

    // Set by every error line of a verify pass; the run sequence clears it
    // before each area check and reads it to decide on the pass line.
    bool ErrorFlag = false;
};

}  // namespace cartridge
