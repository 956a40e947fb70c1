// Program entry of flashdiag.exe: start the port layer (or the simulated
// card), create the diagnostic window from its description, run the message
// loop until the window closes; the port layer shuts down on the way out.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "app/AppOptions.h"
#include "app/DiagUnit.h"
#include "app/LogFile.h"
#include "app/WindowCapture.h"
#include "files/OutputFile.h"
#include "framework/win32/Application.h"
#include "framework/win32/StdControls.h"
#include "portchoice/PortSelection.h"
#include "skin/SkinEngine.h"
#include "skinui/controls/win32/SeProgressBar.h"
#include "skinui/frame/win32/SeSkinForm.h"

namespace {

void ShowError(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), "flashdiag", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

// The log after an automated run; a log that cannot be written fails the
// program (the window is gone by then: the exit status says it).
bool WriteLog(const std::string& path, const std::vector<std::string>& lines) {
    try {
        app::WriteLogFile(path, lines);
    } catch (const files::FileError&) {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    app::AppOptions options;
    try {
        options = app::ParseAppOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const app::AppUsageError& e) {
        ShowError(std::string(e.what()) + "\n\n" + app::AppUsage);
        return 2;
    }
    int exitCode = 0;
    try {
        // The port layer starts before the window exists and stops after it
        // is gone.
        // A run happens inside the window procedure, where no exception may
        // pass: a trace that fails goes on without lines and is reported
        // when the window is gone.
        std::optional<portchoice::PortSelection> selection;
        try {
            selection.emplace(options.card, options.tracePath, portchoice::PortSelection::TraceWriteFailure::FinishRun,
                              options.port);
        } catch (const portio::PortOpenError& e) {
            // The InpOut DLL cannot be used: nothing was touched.
            ShowError(e.what());
            return 2;
        }
        portchoice::PortSelection& ports = *selection;
        framework::Application().Initialize();
        framework::RegisterStandardControls();
        skin::RegisterSkinClasses();
        skinui::RegisterProgressBarClasses();
        skinui::RegisterFormClasses();
        std::unique_ptr<app::TDiagForm> form = app::TDiagForm::CreateFromResource();
        app::DiagForm = form.get();
        if (options.autorun) {
            form->RequestAutorun([&options, &exitCode, window = form.get()] {
                if (options.screenshotPath && !app::SaveWindowBitmap(window->Handle(), *options.screenshotPath)) {
                    exitCode = 1;
                }
                if (options.logPath && !WriteLog(*options.logPath, window->Memo1->Lines().Lines())) exitCode = 1;
                if (options.exitAfterRun) window->Close();
            });
        }
        framework::Application().Run(*form);
        app::DiagForm = nullptr;
        ports.CloseTrace();
    } catch (const std::exception& e) {
        ShowError(e.what());
        return 1;
    } catch (...) {
        // Caught so that the stack unwinds and the port layer shuts down.
        ShowError("unexpected error");
        return 1;
    }
    return exitCode;
}
