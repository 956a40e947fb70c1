#include "app/DiagUnit.h"

#include <stdexcept>

#include "cartridge/CardIdentification.h"
#include "cartridge/RunSequence.h"
#include "framework/win32/Dialogs.h"
#include "portio/PortAccess.h"

namespace app {

TDiagForm* DiagForm = nullptr;

namespace {
// Posted to the window before the message loop starts; handled once the
// window shows.
constexpr UINT kAutorunMessage = WM_APP + 1;

template <class T>
T* BindField(framework::TForm& form, const char* name) {
    auto* field = dynamic_cast<T*>(form.FindComponent(name));
    if (!field) throw std::runtime_error(std::string("The form description has no ") + name);
    return field;
}
}  // namespace

TDiagForm::TDiagForm(framework::TComponent* owner) : framework::TForm(owner) {}

std::unique_ptr<TDiagForm> TDiagForm::CreateFromResource() {
    const std::vector<std::uint8_t> description = framework::LoadResourceBytes(kResourceName);
    if (description.empty()) throw std::runtime_error("The window's form description is missing");
    auto form = std::make_unique<TDiagForm>(nullptr);
    form->LoadFromDescription(description);
    return form;
}

framework::TNotifyEvent TDiagForm::MethodAddress(std::string_view name) {
    if (name == "FormCreate") return [this](framework::TComponent& sender) { FormCreate(sender); };
    if (name == "ProcButtonClick") return [this](framework::TComponent& sender) { ProcButtonClick(sender); };
    return {};
}

void TDiagForm::FormLoaded() {
    Memo1 = BindField<framework::TMemo>(*this, "Memo1");
    ProcButton = BindField<framework::TButton>(*this, "ProcButton");
    BitBtn1 = BindField<framework::TBitBtn>(*this, "BitBtn1");
    CheckBox1 = BindField<framework::TCheckBox>(*this, "CheckBox1");
    CheckBox2 = BindField<framework::TCheckBox>(*this, "CheckBox2");
    Label1 = BindField<framework::TLabel>(*this, "Label1");
    CheckBox3 = BindField<framework::TCheckBox>(*this, "CheckBox3");
    SeSkinEngine1 = BindField<skin::TSeSkinEngine>(*this, "SeSkinEngine1");
    SeSkinForm1 = BindField<skinui::TSeSkinForm>(*this, "SeSkinForm1");
    ProgressBar1 = BindField<skinui::TSeSkinProgressBar>(*this, "ProgressBar1");
}

void TDiagForm::FormCreate(framework::TComponent&) {
    if (!portio::DriverReady()) {
        framework::ShowMessageDialog(kDriverMessage, framework::TMsgDlgType::mtInformation);
    }
    portio::SetDirectAccess(true);
}

void TDiagForm::ProcButtonClick(framework::TComponent&) {
    // Controls are disabled during a run; this catches a click that was
    // already queued when the run began.
    if (running_) return;
    running_ = true;
    SetRunControlsEnabled(false);
    // Whatever way the run ends, the window must become usable and closable
    // again; otherwise a held close request would wait forever.
    struct RunEnd {
        TDiagForm& form;
        ~RunEnd() {
            form.running_ = false;
            form.SetRunControlsEnabled(true);
        }
    };
    {
        RunEnd end{*this};
        cartridge::RunDiagnostic(*this);
    }
    if (closePending_) {
        closePending_ = false;
        Close();
    }
}

void TDiagForm::DetectCard() { cartridge::DetectCard(*this); }

void TDiagForm::SetRunControlsEnabled(bool enabled) {
    const bool hadFocus = ProcButton->Focused();
    ProcButton->SetEnabled(enabled);
    CheckBox1->SetEnabled(enabled);
    CheckBox2->SetEnabled(enabled);
    CheckBox3->SetEnabled(enabled);
    BitBtn1->SetEnabled(enabled);
    // Disabling the focused button leaves the keyboard nowhere; give the
    // focus back to RUN afterwards.
    if (enabled && HandleAllocated() && (GetFocus() == nullptr || hadFocus)) ProcButton->SetFocus();
}

bool TDiagForm::CloseQuery() {
    if (!running_) return true;
    closePending_ = true;
    return false;
}

void TDiagForm::ClearLog() {
    Memo1->Lines().Clear();
    Memo1->Repaint();
}

void TDiagForm::AppendLine(const std::string& line) { Memo1->Lines().Add(line); }

void TDiagForm::ProgressStart(int min, int max) {
    ProgressBar1->SetMin(min);
    ProgressBar1->SetMax(max);
    ProgressBar1->SetPosition(0);
    ProgressBar1->Repaint();
}

void TDiagForm::ProgressStep() {
    ProgressBar1->SetPosition(ProgressBar1->Position() + 1);
    ProgressBar1->Repaint();
}

bool TDiagForm::IsChecked(cartridge::RunCheck check) const {
    switch (check) {
        case cartridge::RunCheck::FlashSize:
            return CheckBox3->Checked();
        case cartridge::RunCheck::FlashArea:
            return CheckBox1->Checked();
        case cartridge::RunCheck::SaverArea:
            return CheckBox2->Checked();
    }
    return false;
}

void TDiagForm::RequestAutorun(std::function<void()> afterRun) {
    afterAutorun_ = std::move(afterRun);
    if (HandleAllocated()) PostMessageA(Handle(), kAutorunMessage, 0, 0);
}

LRESULT TDiagForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAutorunMessage) {
        ProcButton->Click();
        if (afterAutorun_) afterAutorun_();
        return 0;
    }
    return framework::TForm::WndProc(message, wParam, lParam);
}

}  // namespace app
