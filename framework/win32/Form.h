// Top-level windows built from a stored form description.
//
// A form class lists its controls as fields; the description (the binary
// component stream, usually kept as an RCDATA resource) creates them, sets
// their properties and binds their events through MethodAddress. The
// creation order is: read the description, create the windows (hidden),
// bind fields (FormLoaded), run the OnCreate handler. Showing is separate.
//
// Closing: every close request (the Close button, Alt+F4, Close()) arrives
// as WM_CLOSE and asks CloseQuery first; a form that answers false stays
// open. A closed main form ends the message loop. A skinned frame closes its
// form itself through QueryClose and onClose (what closing does).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/Font.h"
#include "framework/win32/Control.h"
#include "framework/win32/Graphics.h"

namespace framework {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : std::uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
// What closing a form does: nothing, hide it, or minimize it. Forms are owned
// by whoever made them, so closing never frees one.
enum class TCloseAction { caNone, caHide, caMinimize };

class TGraphicControl;

class TForm : public TControl {
public:
    static constexpr std::string_view kClassName = "TForm";

    explicit TForm(TComponent* owner);
    ~TForm() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then BorderIcons, BorderStyle, Caption, ClientHeight,
    // ClientWidth, Color, Font, AutoScroll, PixelsPerInch, TextHeight, OnCreate.
    static const PropertyTable& ClassProperties();

    // Reads the description into this form, creates the windows and runs
    // OnCreate. Throws the stream errors of ReadComponent.
    void LoadFromDescription(std::span<const std::uint8_t> description);

    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int value);
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFont* Font() const { return font_.get(); }
    std::uint32_t BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(std::uint32_t value) { borderIcons_ = value; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value) { borderStyle_ = value; }
    // Stored for compatibility with descriptions; the form never scrolls and
    // is not scaled.
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int value) { textHeight_ = value; }
    const std::string& OnCreateName() const { return onCreateName_; }
    void SetOnCreate(const std::string& name, TNotifyEvent handler);

    TNotifyEvent onCreate;
    // Told what closing will do; it may change the action.
    std::function<void(TForm& sender, TCloseAction& action)> onClose;

    // The form's own icon (not owned; nullptr: none, the program's is used).
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon) { icon_ = icon; }
    // Asks CloseQuery whether the form may close now.
    bool QueryClose() { return CloseQuery(); }

    HFONT FontHandle() const { return fontHandle_.Get(); }
    HBRUSH BrushHandle() const { return brush_.Get(); }

    void CreateHandle() override;
    void Show();
    // Sends WM_CLOSE: the same path as every other close request.
    void Close();
    // The controls that take focus by the Tab key, in tab order.
    std::vector<TControl*> TabList() const;
    // Moves the focus to the next (or previous) control in tab order.
    void SelectNext(bool forward);

    // Alt+key: clicks the enabled button whose caption marks `key` with '&'.
    // False when no caption does.
    bool HandleMnemonic(char key);

    // The form whose window (or a child window of it) is `window`, or nullptr.
    static TForm* FromHandle(HWND window);

    void Notification(TComponent* component, TOperation operation) override;
    // The form's message handler, called directly (without a window, 0).
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam) override {
        return HandleAllocated() ? WndProc(message, wParam, lParam) : 0;
    }

protected:
    // Asked before the window closes; false keeps it open. Default: true.
    virtual bool CloseQuery() { return true; }
    // After the description was read and the windows exist, before OnCreate:
    // the place for a form class to bind its fields.
    virtual void FormLoaded() {}
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    CreateParams GetCreateParams() const override;

private:
    // The windowless control under the mouse: told when the mouse comes and goes.
    void TrackGraphicChild(TGraphicControl* child);
    TGraphicControl* mouseChild_ = nullptr;

    static void RegisterWindowClass();
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    TControl* FindControl(HWND window) const;
    void FontChanged();

    int clientWidth_ = 0;
    int clientHeight_ = 0;
    TColor color_ = clBtnFace;
    std::unique_ptr<TFont> font_;
    std::uint32_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    bool autoScroll_ = true;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    std::string onCreateName_;
    HICON icon_ = nullptr;
    GdiObject<HFONT> fontHandle_;
    GdiObject<HBRUSH> brush_;
};

// Reads the bytes of an RCDATA resource of this program; empty when absent.
std::vector<std::uint8_t> LoadResourceBytes(const char* name);

}  // namespace framework
