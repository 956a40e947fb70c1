// The diagnostic window, TDiagForm: the log, the progress bar, the three
// check boxes that choose the checks, RUN and Close. It is the run report
// of the diagnostic run (cartridge::RunReport).
//
// It is created from its stored description (DiagUnit.form, turned into
// the binary form at build time and embedded as the resource "TDIAGFORM").
// SeSkinEngine1 holds the built-in skin (the build generates it and puts it
// into the description); ProgressBar1 and the window's frame, SeSkinForm1,
// draw from it.
//
// While a run goes on, RUN, the check boxes and Close are disabled and a
// request to close the window (Alt+F4, the frame, Close()) is kept until
// the run has ended: the progress bar handles window messages during the
// run, and without this a click could start a second run inside the first
// or destroy the window under the running one.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "cartridge/RunReport.h"
#include "framework/win32/BitBtn.h"
#include "framework/win32/Form.h"
#include "framework/win32/StdControls.h"
#include "skin/SkinEngine.h"
#include "skinui/controls/win32/SeProgressBar.h"
#include "skinui/frame/win32/SeSkinForm.h"

namespace app {

class TDiagForm : public framework::TForm, public cartridge::RunReport {
public:
    static constexpr std::string_view kClassName = "TDiagForm";
    static constexpr const char* kResourceName = "TDIAGFORM";
    static inline const std::string kDriverMessage = "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!";

    explicit TDiagForm(framework::TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

    // Creates the window from the embedded description (which runs
    // FormCreate). Throws when the description is missing or broken.
    static std::unique_ptr<TDiagForm> CreateFromResource();

    // The fields, in declaration order, bound after the description is read.
    framework::TMemo* Memo1 = nullptr;
    framework::TButton* ProcButton = nullptr;
    framework::TBitBtn* BitBtn1 = nullptr;
    framework::TCheckBox* CheckBox1 = nullptr;
    framework::TCheckBox* CheckBox2 = nullptr;
    framework::TLabel* Label1 = nullptr;
    framework::TCheckBox* CheckBox3 = nullptr;
    skin::TSeSkinEngine* SeSkinEngine1 = nullptr;
    skinui::TSeSkinForm* SeSkinForm1 = nullptr;
    skinui::TSeSkinProgressBar* ProgressBar1 = nullptr;

    void FormCreate(framework::TComponent& sender);
    void ProcButtonClick(framework::TComponent& sender);
    void DetectCard();

    // cartridge::RunReport
    void ClearLog() override;
    void AppendLine(const std::string& line) override;
    void ProgressStart(int min, int max) override;
    void ProgressStep() override;
    bool IsChecked(cartridge::RunCheck check) const override;

    bool Running() const { return running_; }
    // Presses RUN once the message loop runs, then calls `afterRun`.
    void RequestAutorun(std::function<void()> afterRun);

protected:
    framework::TNotifyEvent MethodAddress(std::string_view name) override;
    void FormLoaded() override;
    bool CloseQuery() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetRunControlsEnabled(bool enabled);

    bool running_ = false;
    bool closePending_ = false;
    std::function<void()> afterAutorun_;
};

// The one window of the program while it runs (the area tests' report).
extern TDiagForm* DiagForm;

}  // namespace app
