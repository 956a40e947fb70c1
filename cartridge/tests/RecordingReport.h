// A run report for tests: keeps the log lines and every progress call, and
// answers the check boxes from fields.
#pragma once

#include <string>
#include <vector>

#include "cartridge/RunReport.h"

namespace cartridge::test {

class RecordingReport : public RunReport {
public:
    void ClearLog() override {
        lines.clear();
        ++clears;
    }
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void ProgressStart(int min, int max) override {
        starts.push_back({min, max});
        stepsPerStart.push_back(0);
        position = 0;
    }
    void ProgressStep() override {
        ++position;
        if (!stepsPerStart.empty()) ++stepsPerStart.back();
    }
    bool IsChecked(RunCheck check) const override {
        checksRead.push_back(check);
        switch (check) {
        case RunCheck::FlashSize: return sizeCheck;
        case RunCheck::FlashArea: return flashCheck;
        case RunCheck::SaverArea: return saverCheck;
        }
        return false;
    }

    struct Range {
        int min, max;
        bool operator==(const Range&) const = default;
    };

    bool sizeCheck = true, flashCheck = true, saverCheck = true;
    std::vector<std::string> lines;
    std::vector<Range> starts;
    std::vector<int> stepsPerStart;
    int position = 0;
    int clears = 0;
    mutable std::vector<RunCheck> checksRead;
};

}  // namespace cartridge::test
