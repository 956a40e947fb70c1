#include "cartridge/RunSequence.h"

#include "cartridge/CardIdentification.h"
#include "cartridge/FlashAreaTest.h"
#include "cartridge/SaverAreaTest.h"

namespace cartridge {

bool RunDiagnostic(RunReport& report, RunStages* stages) {
    bool problem = false;
    report.ClearLog();

    if (report.IsChecked(RunCheck::FlashSize)) {
        DetectCard(report);
        problem = CardSize == 0;
    } else {
        CardSize = InitialCardSize;
    }

    if (CardSize > 0 && (!stages || stages->BeforeAreaChecks(report))) {
        if (report.IsChecked(RunCheck::FlashArea)) {
            report.ErrorFlag = false;
            report.AppendLine("* Program Flash Area");
            ProgramFlashArea(report, 0, CardSize);
            report.AppendLine("* Verify Flash Area");
            VerifyFlashArea(report, 0, CardSize);
            if (!report.ErrorFlag) report.AppendLine("Flash Area Pass.");
            problem |= report.ErrorFlag;
        }
        if (report.IsChecked(RunCheck::SaverArea)) {
            report.ErrorFlag = false;
            report.AppendLine("* write SAVER Area");
            WriteSaverArea(report, 0, SaverAreaBytes);
            report.AppendLine("* verify SAVER Area");
            VerifySaverArea(report, 0, SaverAreaBytes);
            if (!report.ErrorFlag) report.AppendLine("SAVER Area Pass.");
            problem |= report.ErrorFlag;
        }
        if (stages) stages->AfterAreaChecks(report);
    }

    report.AppendLine("End of Diagnostic.      ");
    return problem;
}

}  // namespace cartridge
