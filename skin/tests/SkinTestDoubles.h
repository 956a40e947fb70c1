// Test doubles for the seams of skin objects: a canvas that records what is
// drawn, and a control and skinned form that record what they are asked.
#pragma once

#include <string>
#include <vector>

#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectControl.h"

namespace skin::test {

struct DrawCall {
    std::string what{};  // "fill", "frame", "rect", "stretch", "tile", "text", "icon"
    TRect destination{};
    TRect source{};
    bool masked = false;
    const TSeBitmap* bitmap = nullptr;
    std::wstring text{};
    unsigned flags = 0;
    TColor color = 0;
};

class RecordingCanvas : public SkinCanvas {
public:
    std::vector<DrawCall> calls;
    bool rightToLeft = false;

    void FillRect(const TRect& rect, TColor color) override { calls.push_back({.what = "fill", .destination = rect, .color = color}); }
    void FrameRect(const TRect& rect, TColor color) override { calls.push_back({.what = "frame", .destination = rect, .color = color}); }
    void DrawRect(const TSeBitmap& b, int x, int y, const TRect& s, bool masked) override {
        // In 64 bits: tests draw with extreme stored values.
        const TRect d{x, y, ClampToInt(std::int64_t{x} + RectWidth(s)), ClampToInt(std::int64_t{y} + RectHeight(s))};
        calls.push_back({.what = "rect", .destination = d, .source = s, .masked = masked, .bitmap = &b});
    }
    void StretchDraw(const TSeBitmap& b, const TRect& d, const TRect& s, bool masked) override {
        calls.push_back({.what = "stretch", .destination = d, .source = s, .masked = masked, .bitmap = &b});
    }
    void TileDraw(const TSeBitmap& b, const TRect& d, const TRect& s, bool masked) override {
        calls.push_back({.what = "tile", .destination = d, .source = s, .masked = masked, .bitmap = &b});
    }
    void SetFont(const framework::TFont& font) override { color_ = font.Color(); }
    void SetFontColor(TColor color) override { color_ = color; }
    void DrawText(const std::wstring& text, const TRect& rect, unsigned flags) override {
        calls.push_back({.what = "text", .destination = rect, .text = text, .flags = flags, .color = color_});
    }
    // Measured as the system's text drawing measures: an "&" marks the next
    // character and takes no room itself ("&&" is one "&").
    int TextWidth(const std::wstring& text) override {
        int characters = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'&' && i + 1 < text.size()) ++i;
            ++characters;
        }
        return characters * 5;
    }
    std::wstring EllipsisText(const std::wstring& text, int width) override {
        return TextWidth(text) <= width ? text : text.substr(0, std::size_t(width / 5)) + L"...";
    }
    void DrawIcon(void* icon, int x, int y) override {
        calls.push_back({.what = "icon", .destination = MakeBounds(x, y, 0, 0), .color = TColor(icon != nullptr)});
    }
    bool RightToLeftLocale() const override { return rightToLeft; }

private:
    TColor color_ = 0;
};

class FakeForm : public SkinnedForm {
public:
    std::vector<std::string> calls;
    std::uint32_t icons = 0x7F;
    TSeSkinObject* customSender = nullptr;

    void CloseForm() override { calls.push_back("close"); }
    void ContextHelp() override { calls.push_back("help"); }
    void Minimize() override { calls.push_back("minimize"); }
    void Maximize() override { calls.push_back("maximize"); }
    void Restore() override { calls.push_back("restore"); }
    void Rollup() override { calls.push_back("rollup"); }
    void MinToTray() override { calls.push_back("tray"); }
    void PopupSystemMenu() override { calls.push_back("sysmenu"); }
    void CustomAction(TSeSkinObject& sender) override {
        calls.push_back("custom");
        customSender = &sender;
    }
    std::uint32_t BorderIcons() const override { return icons; }
};

class FakeControl : public SkinObjectControl {
public:
    SkinnedForm* form = nullptr;
    std::vector<TSeSkinObject*> changed;
    int biDiMode = 0;
    bool isForm = false;
    int formQueries = 0;
    int messageRuns = 0;

    void ObjectChanged(TSeSkinObject* object) override { changed.push_back(object); }
    SkinnedForm* GetSkinForm() override {
        ++formQueries;
        return form;
    }
    int BiDiMode() const override { return biDiMode; }
    unsigned DrawTextBiDiModeFlags(unsigned flags) const override {
        return biDiMode == 1 ? flags | kTextRtlReading : flags;
    }
    bool IsForm() const override { return isForm; }
    void* Icon() const override { return nullptr; }
    void ProcessMessages() override { ++messageRuns; }
};

}  // namespace skin::test
