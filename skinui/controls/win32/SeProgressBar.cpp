#include "skinui/controls/win32/SeProgressBar.h"

#include "framework/ClassRegistry.h"
#include "framework/Property.h"
#include "framework/win32/Application.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skin/objects/win32/SkinCanvasDC.h"
#include "skin/SkinMessages.h"
#include "skinui/controls/ProgressGeometry.h"
#include "skinui/controls/win32/ThemeLibrary.h"

namespace skinui {

namespace {

const framework::EnumInfo kOrientations{"kboHorizontal", "kboVertical"};

// Theme parts of the "Progress" class.
constexpr int kPartBar = 1, kPartBarVert = 2, kPartChunk = 3, kPartChunkVert = 4;

}  // namespace

// ---- TSeCustomProgressBar ------------------------------------------------------

TSeCustomProgressBar::TSeCustomProgressBar(framework::TComponent* owner) : TSeCustomControl(owner) {
    SetPerformance(ztpDoubleBuffer);
    SetColor(kBtnFace);
    SetBounds(Left(), Top(), 140, 16);
    SetTransparent(true);
}

const framework::PropertyTable& TSeCustomProgressBar::ClassProperties() {
    using T = TSeCustomProgressBar;
    using namespace framework;
    static const PropertyTable table(&TSeCustomControl::ClassProperties(),
                                     {
                                         IntegerProperty("BorderWidth", &T::BarBorderWidth, &T::SetBarBorderWidth),
                                         IntegerProperty("Max", &T::Max, &T::SetMax, 100),
                                         IntegerProperty("Min", &T::Min, &T::SetMin, 0),
                                         IntegerProperty("Position", &T::Position, &T::SetPosition),
                                         EnumProperty("Orientation", kOrientations, &T::Orientation, &T::SetOrientation),
                                         BooleanProperty("ShowBorder", &T::ShowBorder, &T::SetShowBorder),
                                         BooleanProperty("Smooth", &T::Smooth, &T::SetSmooth),
                                     });
    return table;
}

void TSeCustomProgressBar::SetMax(int value) {
    max_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetMin(int value) {
    min_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetPosition(int value) {
    if (value == position_) return;
    const float before = PositionFraction(position_);
    position_ = value;
    if (PositionFraction(value) == before) return;
    InvalidateNoErase(skin::MakeBounds(0, 0, PaintWidth(), PaintHeight()));
    framework::Application().ProcessMessages();
}

void TSeCustomProgressBar::SetOrientation(TSeBarOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetBarBorderWidth(int value) {
    if (value == barBorderWidth_) return;
    barBorderWidth_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetShowBorder(bool value) {
    if (value == showBorder_) return;
    showBorder_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetSmooth(bool value) {
    if (value == smooth_) return;
    smooth_ = value;
    Invalidate();
}

float TSeCustomProgressBar::PositionFraction(int value) const { return skinui::PositionFraction(min_, max_, value); }

skin::TRect TSeCustomProgressBar::GetBarRect() const {
    return DefaultBarRect(PaintWidth(), PaintHeight(), showBorder_, barBorderWidth_);
}

void TSeCustomProgressBar::PaintClient(HDC dc) {
    PaintBarFrame(dc);
    PaintBar(dc);
}

void TSeCustomProgressBar::PaintBarFrame(HDC dc) {
    skin::TRect r = skin::MakeBounds(0, 0, PaintWidth(), PaintHeight());
    if (ThemesActive()) {
        if (showBorder_) DrawThemePart(Handle(), L"Progress", dc, Vertical() ? kPartBarVert : kPartBar, 1, skin::ToRECT(r));
        return;
    }
    if (showBorder_) {
        skin::Draw3DFrame(dc, r, kBtnShadow, kBtnHighlight);
        r = skin::RectInflated(r, -1);
    }
    skin::FillRectColor(dc, r, Color());
}

void TSeCustomProgressBar::PaintBar(HDC dc) {
    const skin::TRect g = GetBarRect();
    const float f = PositionFraction(position_);
    const skin::TRect b = FilledRect(g, f, Vertical());
    if (ThemesActive()) {
        if (!skin::RectIsEmpty(b)) {
            DrawThemePart(Handle(), L"Progress", dc, Vertical() ? kPartChunkVert : kPartChunk, 1, skin::ToRECT(b));
        }
        return;
    }
    if (smooth_) {
        if (!skin::RectIsEmpty(b)) skin::FillRectColor(dc, b, kHighlight);
        return;
    }
    for (const skin::TRect& block : BarBlocks(g, f, Vertical())) skin::FillRectColor(dc, block, kHighlight);
}

// ---- TSeSkinProgressBar ------------------------------------------------------------

TSeSkinProgressBar::TSeSkinProgressBar(framework::TComponent* owner) : TSeCustomProgressBar(owner) {
    SetTransparent(true);
    SetBarBorderWidth(0);
}

TSeSkinProgressBar::~TSeSkinProgressBar() {
    BeginDestruction();
    binding_.DropCopy();
}

const framework::PropertyTable& TSeSkinProgressBar::ClassProperties() {
    using T = TSeSkinProgressBar;
    using namespace framework;
    static const PropertyTable table(&TSeCustomProgressBar::ClassProperties(),
                                     {
                                         ComponentProperty("SkinEngine", &T::SkinEngine, &T::SetSkinEngine),
                                         StringProperty("SkinObject", &T::SkinObject, &T::SetSkinObject),
                                     });
    return table;
}

const std::string& TSeSkinProgressBar::Version() const {
    static const std::string version(kVersion);
    return version;
}

void TSeSkinProgressBar::SetSkinEngine(skin::TSeSkinEngine* engine) {
    binding_.SetEngine(engine, &ObjectWindow());
    Invalidate();
}

bool TSeSkinProgressBar::SkinAvailable() const { return !Loading() && !Destroying() && binding_.Available(); }

skin::TSeSkinObject* TSeSkinProgressBar::Find(std::string_view name) const {
    return binding_.Copy() ? binding_.Copy()->FindByName(name) : nullptr;
}

skin::TRect TSeSkinProgressBar::GetBarRect() const {
    if (SkinAvailable()) {
        if (const skin::TSeSkinObject* frame = Find("Frame")) {
            return skin::TRect{frame->MarginLeft(), frame->MarginTop(),
                               skin::ClampToInt(std::int64_t{PaintWidth()} - frame->MarginRight()),
                               skin::ClampToInt(std::int64_t{PaintHeight()} - frame->MarginBottom())};
        }
    }
    return TSeCustomProgressBar::GetBarRect();
}

void TSeSkinProgressBar::PaintBarFrame(HDC dc) {
    if (!SkinAvailable()) {
        TSeCustomProgressBar::PaintBarFrame(dc);
        return;
    }
    if (!Transparent()) skin::FillRectColor(dc, skin::MakeBounds(0, 0, PaintWidth(), PaintHeight()), Color());
    if (skin::TSeSkinObject* frame = Find("Frame")) {
        frame->SetBounds(skin::MakeBounds(0, 0, PaintWidth(), PaintHeight()));
        skin::SkinCanvasDC canvas(dc);
        frame->Draw(canvas);
    }
}

void TSeSkinProgressBar::PaintBar(HDC dc) {
    if (!SkinAvailable()) {
        TSeCustomProgressBar::PaintBar(dc);
        return;
    }
    skin::TSeSkinObject* bar = Find(Vertical() ? "BarVert" : "BarHorz");
    if (!bar) bar = Find("Bar");
    if (!bar) return;
    bar->SetBounds(FilledRect(GetBarRect(), PositionFraction(Position()), Vertical()));
    skin::SkinCanvasDC canvas(dc);
    bar->Draw(canvas);
}

void TSeSkinProgressBar::Paint(HDC dc) {
    // A skin replaced without an announcement: the copy is taken again
    // before anything is drawn from it.
    if (!Loading() && !Destroying() && binding_.Stale()) binding_.SetEngine(binding_.Engine(), &ObjectWindow());
    TSeCustomProgressBar::Paint(dc);
}

void TSeSkinProgressBar::Loaded() {
    TSeCustomProgressBar::Loaded();
    Invalidate();
}

void TSeSkinProgressBar::Notification(framework::TComponent* component, framework::TOperation operation) {
    TSeCustomProgressBar::Notification(component, operation);
    if (operation == framework::TOperation::opRemove && binding_.EngineRemoved(component)) Invalidate();
}

LRESULT TSeSkinProgressBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case skin::WM_SESKINCHANGING:
            binding_.SkinChanging(reinterpret_cast<const void*>(lParam));
            return 0;
        case skin::WM_SESKINCHANGED:
            if (binding_.IsEngine(reinterpret_cast<const void*>(lParam))) SetSkinEngine(binding_.Engine());
            return 0;
        case skin::WM_SEOBJECTCHANGED:
            Invalidate();
            return 0;
        default:
            return TSeCustomProgressBar::WndProc(message, wParam, lParam);
    }
}

void RegisterProgressBarClasses() {
    framework::RegisterComponentClass<TSeCustomProgressBar>();
    framework::RegisterComponentClass<TSeSkinProgressBar>();
}

}  // namespace skinui
