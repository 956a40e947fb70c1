// The skinned control base on real windows under Wine: the paint pipeline's
// pixels in every buffering mode, transparency, the border rules, and the
// binding to a skin engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/ClassRegistry.h"
#include "framework/ObjectText.h"
#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/SkinMessages.h"
#include "skinui/controls/win32/SeProgressBar.h"
#include "skinui/tests/win32/ControlTestSupport.h"

namespace skinui {
namespace {

// A control whose content is a blue square (colour value 0xFF0000) in its
// inner rectangle's top-left corner.
class TProbeControl : public TSeCustomControl {
public:
    using TSeCustomControl::TSeCustomControl;

protected:
    void PaintClient(HDC dc) override {
        TSeCustomControl::PaintClient(dc);
        const skin::TRect inner = GetInnerRect();
        skin::FillRectColor(dc, skin::MakeBounds(inner.Left, inner.Top, 4, 4), 0xFF0000);
    }
};

using test::Painted;
using test::Picture;
using test::Rgb;
using test::Window;

TEST(ControlTest, EveryBufferingModeGivesTheSamePixels) {
    Window w;
    auto* control = new TProbeControl(&w.form);
    control->SetParent(&w.form);
    control->SetBounds(10, 10, 40, 20);
    control->SetColor(0x0000FF00);
    control->SetBorderWidth(1);
    control->SetBevelWidth(1);
    control->CreateHandle();
    const Picture none = Painted(*control);
    EXPECT_EQ(Rgb(none, 20, 10), 0x00FF00u);       // its colour inside
    EXPECT_EQ(Rgb(none, 3, 3), 0x0000FFu);         // the square
    for (TSePerformance mode : {ztpSharedBuffer, ztpDoubleBuffer}) {
        control->SetPerformance(mode);
        const Picture buffered = Painted(*control);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(Rgb(buffered, x, y), Rgb(none, x, y)) << int(mode) << " " << x << "," << y;
    }
}

TEST(ControlTest, ATransparentControlShowsItsParentAndAnOpaqueOneItsColour) {
    Window w;
    auto* control = new TProbeControl(&w.form);
    control->SetParent(&w.form);
    control->SetBounds(30, 40, 20, 10);
    control->SetColor(0x0000FF00);
    control->CreateHandle();
    for (TSePerformance mode : {ztpNoBuffer, ztpDoubleBuffer}) {
        control->SetPerformance(mode);
        control->SetTransparent(false);
        EXPECT_EQ(Rgb(Painted(*control), 10, 5), 0x00FF00u);
        control->SetTransparent(true);
        EXPECT_EQ(Rgb(Painted(*control), 10, 5), 0x996633u) << int(mode);  // the form's colour
        EXPECT_EQ(Rgb(Painted(*control), 1, 1), 0x0000FFu);
    }
}

// A child asks a skinned parent for its look: the parent draws itself into
// the child's context (WM_ERASEBKGND with the request) and nothing else.
TEST(ControlTest, ATransparentChildShowsItsSkinnedParentsLook) {
    Window w;
    auto* parent = new TProbeControl(&w.form);
    parent->SetParent(&w.form);
    parent->SetBounds(10, 10, 100, 60);
    parent->SetColor(0x0000FF00);
    parent->CreateHandle();
    auto* child = new TProbeControl(&w.form);
    child->SetParent(parent);
    child->SetBounds(20, 20, 30, 20);
    child->SetTransparent(true);
    child->CreateHandle();
    for (TSePerformance mode : {ztpNoBuffer, ztpDoubleBuffer}) {
        child->SetPerformance(mode);
        const Picture picture = Painted(*child);
        EXPECT_EQ(Rgb(picture, 15, 10), 0x00FF00u) << int(mode);  // the parent's colour
        EXPECT_EQ(Rgb(picture, 1, 1), 0x0000FFu);                  // the child's own square
    }
    // Asked without a request, the parent erases nothing and answers 1.
    skin::TSeBitmap untouched;
    untouched.SetSize(8, 8);
    untouched.Fill(0xFF123456);
    EXPECT_EQ(parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(skin::BitmapDC(untouched)), 0), 1);
    EXPECT_EQ(untouched.GetPixel(4, 4), 0xFF123456u);
}

TEST(ControlTest, MouseAndFocusAreFollowed) {
    Window w;
    auto* control = new TProbeControl(&w.form);
    control->SetParent(&w.form);
    control->SetBounds(10, 10, 40, 20);
    control->CreateHandle();
    int entered = 0, left = 0;
    control->onMouseEnter = [&](framework::TComponent&) { ++entered; };
    control->onMouseLeave = [&](framework::TComponent&) { ++left; };
    SendMessageA(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 3));
    EXPECT_TRUE(control->MouseInControl());
    EXPECT_EQ(entered, 1);
    SendMessageA(control->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(control->MouseInControl());
    EXPECT_EQ(left, 1);
    SendMessageA(control->Handle(), WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(control->Focused());
    SendMessageA(control->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(control->Focused());
}

TEST(ControlTest, BordersBevelsAndTheirSettersRules) {
    Window w;
    TProbeControl control(&w.form);
    control.SetBounds(0, 0, 100, 30);
    control.SetBorderWidth(2);
    control.SetBevelWidth(1);
    control.SetBevelSides(kbsLeft | kbsTop);
    EXPECT_EQ(control.GetInnerRect(), (skin::TRect{4, 4, 98, 28}));
    control.SetBevelKind(kbkBorder);
    EXPECT_EQ(control.BevelInner(), kbvBorder);
    control.SetBevelOuter(kbvRaised);  // an explicit cut leaves the preset
    EXPECT_EQ(control.BevelKind(), kbkNone);

    // No buffer while blending is refused; enabling blending buffers.
    control.Blending()->SetEnabled(true);
    EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
    control.SetPerformance(ztpNoBuffer);
    EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
    control.SetPerformance(ztpSharedBuffer);
    EXPECT_EQ(control.Performance(), ztpSharedBuffer);
    TSeBlending off;
    control.SetBlending(off);
    control.SetPerformance(ztpNoBuffer);
    EXPECT_EQ(control.Performance(), ztpNoBuffer);
    TSeBlending on;
    on.SetEnabled(true);
    control.SetBlending(on);
    EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
}

TEST(ControlTest, ABlendedControlLiesOverItsParentByItsValue) {
    Window w;
    auto* control = new TProbeControl(&w.form);
    control->SetParent(&w.form);
    control->SetBounds(10, 10, 20, 20);
    control->SetColor(0x00FFFFFF);
    control->CreateHandle();
    control->Blending()->SetValue(128);
    control->Blending()->SetEnabled(true);
    const Picture picture = Painted(*control);
    const std::uint32_t p = Rgb(picture, 10, 10);
    // White over the form's red 0x99, green 0x66, blue 0x33 at alpha 128:
    // about half way in every channel.
    EXPECT_NEAR(int(p >> 16 & 0xFF), (0x99 + 0xFF) / 2, 2);
    EXPECT_NEAR(int(p >> 8 & 0xFF), (0x66 + 0xFF) / 2, 2);
    EXPECT_NEAR(int(p & 0xFF), (0x33 + 0xFF) / 2, 2);
}

}  // namespace
}  // namespace skinui

#include "skinui/controls/win32/SeGraphicControl.h"

namespace skinui {
namespace {

// A windowless control: a blue square at its top-left corner.
class TProbeGraphic : public TSeGraphicControl {
public:
    static constexpr std::string_view kClassName = "TProbeGraphic";
    using TSeGraphicControl::TSeGraphicControl;
    std::string_view ClassName() const override { return kClassName; }

protected:
    void PaintClient(HDC dc) override {
        TSeGraphicControl::PaintClient(dc);
        skin::FillRectColor(dc, skin::MakeBounds(0, 0, 3, 3), 0xFF0000);
    }
};

TEST(GraphicControlTest, ABlendedControlShowsTheWindowlessControlsBehindIt) {
    for (TSePerformance mode : {ztpSharedBuffer, ztpDoubleBuffer}) {
        Window w;
        auto* red = new TProbeGraphic(&w.form);
        red->SetParent(&w.form);
        red->SetBounds(10, 10, 20, 20);
        red->SetColor(0x000000FF);
        auto* control = new TSeCustomControl(&w.form);
        control->SetParent(&w.form);
        control->SetBounds(5, 5, 40, 40);
        control->CreateHandle();
        control->SetTransparent(true);
        control->SetPerformance(mode);
        control->Blending()->SetValue(255);
        control->Blending()->SetEnabled(true);
        const test::Picture picture = test::Painted(*control);
        SCOPED_TRACE(int(mode));
        EXPECT_EQ(test::Rgb(picture, 10, 10), 0xFF0000u);  // the windowless control
        EXPECT_EQ(test::Rgb(picture, 2, 2), 0x996633u);    // the form beside it
    }
}

TEST(GraphicControlTest, EnablingBlendingBuffersTheWindowlessControl) {
    Window w;
    TProbeGraphic control(&w.form);
    ASSERT_EQ(control.Performance(), ztpNoBuffer);
    control.Blending()->SetEnabled(true);
    EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
    control.SetPerformance(ztpNoBuffer);
    EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
}

// White at Blending.Value 128 over the form's 0x336699 (red 0x99, green
// 0x66, blue 0x33): about half way in every channel.
void ExpectWhiteHalfBlendedOverTheForm(std::uint32_t pixel) {
    EXPECT_NEAR(int(pixel >> 16 & 0xFF), (0x99 + 0xFF) / 2, 2);
    EXPECT_NEAR(int(pixel >> 8 & 0xFF), (0x66 + 0xFF) / 2, 2);
    EXPECT_NEAR(int(pixel & 0xFF), (0x33 + 0xFF) / 2, 2);
}

std::uint32_t FormPixel(framework::TForm& form, int x, int y) {
    skin::TSeBitmap face;
    face.SetSize(200, 120);
    form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(skin::BitmapDC(face)), 0);
    return face.GetPixel(x, y) & 0xFFFFFF;
}

// Blending switched on, at run time or in the stored description, gives the
// windowless control a buffer to blend in and repaints its place: unbuffered
// it would be drawn opaque.
TEST(GraphicControlTest, BlendingSetAtRunTimeBuffersAndRepaintsTheWindowlessControl) {
    Window w;
    auto* control = new TProbeGraphic(&w.form);
    control->SetParent(&w.form);
    control->SetBounds(20, 30, 40, 20);
    control->SetColor(0x00FFFFFF);
    control->Blending()->SetValue(128);
    EXPECT_EQ(FormPixel(w.form, 40, 40), 0xFFFFFFu);  // opaque before
    ShowWindow(w.form.Handle(), SW_SHOWNA);  // a hidden window keeps no update region
    ValidateRect(w.form.Handle(), nullptr);
    RECT dirty{};
    ASSERT_FALSE(GetUpdateRect(w.form.Handle(), &dirty, FALSE));
    control->Blending()->SetEnabled(true);
    EXPECT_EQ(control->Performance(), ztpDoubleBuffer);
    ASSERT_TRUE(GetUpdateRect(w.form.Handle(), &dirty, FALSE));
    EXPECT_LE(dirty.left, 20);
    EXPECT_LE(dirty.top, 30);
    EXPECT_GE(dirty.right, 60);
    EXPECT_GE(dirty.bottom, 50);
    ExpectWhiteHalfBlendedOverTheForm(FormPixel(w.form, 40, 40));
}

TEST(GraphicControlTest, BlendingReadFromTheStoredFormBuffersTheWindowlessControl) {
    framework::RegisterComponentClass<TProbeGraphic>();
    framework::TForm form(nullptr);
    form.LoadFromDescription(framework::ObjectTextToBinary(
        "object Form1: TForm\n  ClientWidth = 200\n  ClientHeight = 120\n  Color = $00336699\n"
        "  object Probe1: TProbeGraphic\n    Left = 20\n    Top = 30\n    Width = 40\n    Height = 20\n"
        "    Blending.Enabled = True\n    Blending.Value = 128\n  end\nend\n"));
    auto* control = dynamic_cast<TProbeGraphic*>(form.FindComponent("Probe1"));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Performance(), ztpDoubleBuffer);
    control->SetColor(0x00FFFFFF);
    ExpectWhiteHalfBlendedOverTheForm(FormPixel(form, 40, 40));
}

TEST(GraphicControlTest, ItIsDrawnOnItsParentInEveryModeAndHearsTheMouse) {
    Window w;
    auto* control = new TProbeGraphic(&w.form);
    control->SetParent(&w.form);
    control->SetBounds(20, 30, 40, 10);
    control->SetColor(0x0000FF00);
    for (TSePerformance mode : {ztpNoBuffer, ztpSharedBuffer, ztpDoubleBuffer}) {
        control->SetPerformance(mode);
        for (bool transparent : {false, true}) {
            control->SetTransparent(transparent);
            skin::TSeBitmap face;
            face.SetSize(200, 120);
            face.Fill(0xFF000000);
            w.form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(skin::BitmapDC(face)), 0);
            SCOPED_TRACE(int(mode) * 2 + transparent);
            EXPECT_EQ(face.GetPixel(21, 31) & 0xFFFFFF, 0x0000FFu);                             // the square
            EXPECT_EQ(face.GetPixel(40, 35) & 0xFFFFFF, transparent ? 0x996633u : 0x00FF00u);  // its face
            EXPECT_EQ(face.GetPixel(61, 35) & 0xFFFFFF, 0u);                                   // outside it
        }
    }
    SendMessageA(w.form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(25, 35));
    EXPECT_TRUE(control->MouseInControl());
    SendMessageA(w.form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 35));
    EXPECT_FALSE(control->MouseInControl());
}

}  // namespace
}  // namespace skinui
