// The standard controls: multi-line text box, push button, check box, label.
#pragma once

#include <string>
#include <vector>

#include "framework/win32/Control.h"

namespace framework {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo;

// The lines of a memo: text separated by CR LF. The memo's own text is the
// truth (the user may edit it), so every call reads or changes the window.
class TMemoLines {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    // Appends a line at the end and shows it at once (scrolled into view).
    void Add(const std::string& line);
    void Clear();
    // The lines as the text holds them; a final line break does not start
    // another line.
    std::vector<std::string> Lines() const;
    std::size_t Count() const { return Lines().size(); }
    std::string Text() const;

private:
    TMemo& memo_;
};

class TMemo : public TControl {
public:
    static constexpr std::string_view kClassName = "TMemo";
    explicit TMemo(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then ReadOnly (default False), ScrollBars (default
    // ssNone), WordWrap (default True).
    static const PropertyTable& ClassProperties();

    TMemoLines& Lines() { return lines_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { wordWrap_ = value; }

    HBRUSH HandleCtlColor(HDC dc) override;

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;

private:
    TMemoLines lines_{*this};
    bool readOnly_ = false;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
};

// Base of the controls that raise OnClick.
class TButtonControl : public TControl {
public:
    using TControl::TControl;
    const std::string& OnClickName() const { return onClickName_; }
    void SetOnClick(const std::string& name, TNotifyEvent handler);
    // What a click by the user does: the OnClick handler.
    virtual void Click();

    TNotifyEvent onClick;

    void HandleCommand(WORD notifyCode) override;

private:
    std::string onClickName_;
};

class TButton : public TButtonControl {
public:
    static constexpr std::string_view kClassName = "TButton";
    using TButtonControl::TButtonControl;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Caption, OnClick.
    static const PropertyTable& ClassProperties();

protected:
    CreateParams GetCreateParams() const override;
};

class TCheckBox : public TButtonControl {
public:
    static constexpr std::string_view kClassName = "TCheckBox";
    using TButtonControl::TButtonControl;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Caption, Checked (default False), OnClick.
    static const PropertyTable& ClassProperties();

    // The state the user sees (read from the window when it exists).
    bool Checked() const;
    void SetChecked(bool value);

    HBRUSH HandleCtlColor(HDC dc) override;

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;

private:
    bool checked_ = false;
};

class TLabel : public TControl {
public:
    static constexpr std::string_view kClassName = "TLabel";
    using TControl::TControl;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Caption.
    static const PropertyTable& ClassProperties();

    HBRUSH HandleCtlColor(HDC dc) override;

protected:
    CreateParams GetCreateParams() const override;
};

// Registers TMemo, TButton, TCheckBox, TLabel, TBitBtn and TProgressBar in
// the class registry, so that form descriptions can create them.
void RegisterStandardControls();

}  // namespace framework
