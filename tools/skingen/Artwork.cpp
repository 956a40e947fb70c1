#include "tools/skingen/Artwork.h"

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapList.h"

namespace skingen {

namespace {

using skin::TSeBitmap;

constexpr BitmapEntry kEntries[] = {
    {"_body_top", 184, 70},       {"_body_bottom", 184, 16}, {"_body_left", 16, 160},   {"_body_right", 16, 160},
    {"_dialog", 32, 32},          {"_icon_close", 126, 22},  {"_icon_max2", 96, 18},    {"_icon_min", 90, 16},
    {"_icon_max1", 96, 18},       {"_menu", 55, 38},         {"_mdicontrols", 180, 14}, {"_menuback", 54, 54},
    {"_checkbox", 56, 14},        {"_radio", 56, 14},        {"_arrows", 368, 16},      {"_scroll_back_h", 64, 16},
    {"_scroll_back_v", 64, 16},   {"_scroll_h", 48, 16},     {"_scroll_v", 48, 16},     {"_buttons", 285, 24},
    {"_tabborder", 32, 32},       {"_buttons", 285, 24},     {"_arrows", 368, 16},      {"_progress", 120, 14},
    {"_sunkedge", 128, 32},       {"_buttons", 285, 24},     {"_sunkedge", 128, 32},    {"_combobutton", 72, 22},
    {"_groupboxe", 64, 32},       {"_groupbox", 55, 14},     {"_sunkedge", 128, 32},    {"_sunkedge", 128, 32},
    {"_buttons", 285, 24},
};

Paint::Background Plain(const Rgb& c) {
    return [c](int, int) { return c; };
}

// ---- the window frame ----------------------------------------------------
//
// The frame is drawn as one small window of kFrameWidth x kFrameHeight and
// cut into the four frame bitmaps, so that the pieces meet exactly when the
// skin puts them together again: a 35-pixel title bar, 8-pixel borders and
// rounded top corners. Everything that the skin tiles (the middle of the
// title bar and of each border) is uniform along the tiling direction.

constexpr int kFrameWidth = 200;   // 8 + 184 + 8
constexpr int kFrameHeight = 160;  // the height of the side bitmaps
constexpr int kCaptionHeight = 35;
constexpr int kBorder = 8;

struct FrameLook {
    Rgb outline;      // the outermost line
    Rgb rim;          // the light line just inside it
    Rgb titleTop;     // title bar, upper band, first and last row
    Rgb titleUpper;
    Rgb titleLower;   // lower band
    Rgb titleBottom;
    Rgb body;         // the borders below the title bar
    Rgb inner;        // the line around the client area
};

const FrameLook kActiveFrame{
    RgbOf(52, 74, 104),   RgbOf(222, 232, 245), RgbOf(218, 229, 243), RgbOf(188, 206, 230),
    RgbOf(168, 190, 218), RgbOf(146, 171, 204), RgbOf(146, 171, 204), RgbOf(92, 116, 148),
};
const FrameLook kInactiveFrame{
    RgbOf(112, 115, 110), RgbOf(250, 250, 248), RgbOf(241, 241, 238), RgbOf(224, 225, 220),
    RgbOf(211, 212, 206), RgbOf(192, 194, 188), RgbOf(192, 194, 188), RgbOf(146, 148, 142),
};

constexpr int kTitleSplit = 17;  // first row of the lower band

// The colour of the title bar at `row` (0 .. 34), as it lies behind the
// caption buttons.
Rgb TitleColour(const FrameLook& look, int row) {
    if (row <= 0) return look.outline;
    if (row == 1) return look.rim;
    if (row >= kCaptionHeight - 1) return look.inner;
    if (row < kTitleSplit) return Mix(look.titleTop, look.titleUpper, float(row - 2) / float(kTitleSplit - 3));
    return Mix(look.titleLower, look.titleBottom, float(row - kTitleSplit) / float(kCaptionHeight - 2 - kTitleSplit));
}

void DrawFrame(const FrameLook& look, TSeBitmap& out) {
    const float w = kFrameWidth, h = kFrameHeight;
    Paint p(kFrameWidth, kFrameHeight);
    p.Fill(RoundBox(0, 0, w, h, 7, 7, 2, 2), look.outline);
    p.Fill(RoundBox(1, 1, w - 1, h - 1, 6, 6, 1, 1), look.rim);
    p.Fill(RoundBox(2, 2, w - 2, h - 2, 5, 5, 0, 0), [&look](float, float y) {
        const int row = int(y);
        return row < kCaptionHeight - 1 ? TitleColour(look, row) : look.body;
    });
    // A soft shade along the inside of the border, then the line around
    // the client area and the client area itself.
    p.Fill(Box(kBorder - 2, kCaptionHeight - 1, w - kBorder + 2, h - kBorder + 2), Lighten(look.body, -0.06f));
    p.Fill(Box(kBorder - 1, kCaptionHeight - 1, w - kBorder + 1, h - kBorder + 1), look.inner);
    p.Fill(Box(kBorder, kCaptionHeight, w - kBorder, h - kBorder), kClientRgb);
    out.SetSize(kFrameWidth, kFrameHeight);
    p.Flatten(out, 0, 0);
}

struct FramePictures {
    TSeBitmap active;
    TSeBitmap inactive;
    FramePictures() {
        DrawFrame(kActiveFrame, active);
        DrawFrame(kInactiveFrame, inactive);
    }
};

const FramePictures& Frames() {
    static const FramePictures frames;
    return frames;
}

// Copies `part` of both frame pictures into `out`: the active one at
// (0, 0), the inactive one below it (`below`) or to its right.
void CutFrame(TSeBitmap& out, const skin::TRect& part, bool below) {
    Frames().active.CopyTo(out, 0, 0, part);
    if (below)
        Frames().inactive.CopyTo(out, 0, skin::RectHeight(part), part);
    else
        Frames().inactive.CopyTo(out, skin::RectWidth(part), 0, part);
}

void DrawBodyTop(TSeBitmap& b) { CutFrame(b, skin::MakeRect(kBorder, 0, kFrameWidth - kBorder, kCaptionHeight), true); }
void DrawBodyBottom(TSeBitmap& b) {
    CutFrame(b, skin::MakeRect(kBorder, kFrameHeight - kBorder, kFrameWidth - kBorder, kFrameHeight), true);
}
void DrawBodyLeft(TSeBitmap& b) { CutFrame(b, skin::MakeRect(0, 0, kBorder, kFrameHeight), false); }
void DrawBodyRight(TSeBitmap& b) {
    CutFrame(b, skin::MakeRect(kFrameWidth - kBorder, 0, kFrameWidth, kFrameHeight), false);
}

// ---- rounded chips: buttons of every kind ----------------------------------

struct ChipStyle {
    Rgb top;
    Rgb bottom;
    Rgb border;
    bool gloss = true;    // a light sheen over the upper half
    bool filled = true;   // false: the border alone
};

void DrawChip(Paint& p, float l, float t, float r, float b, float radius, const ChipStyle& s) {
    const Shape outer = RoundBox(l, t, r, b, radius);
    if (s.filled) {
        p.Fill(outer, VerticalGradient(t, b, s.top, s.bottom));
        if (s.gloss) {
            const Shape inner = RoundBox(l + 1, t + 1, r - 1, b - 1, std::max(radius - 1, 0.0f));
            p.Fill(Intersect(inner, Box(l, t, r, t + (b - t) / 2)), RgbOf(255, 255, 255), 0.35f);
        }
    }
    p.Fill(Border(outer, 1), s.border);
}

// The looks of one control element, in the order of a strip.
enum ElementState { kNormal, kHot, kPressed, kFocused, kDisabled };

ChipStyle ControlChip(ElementState state) {
    switch (state) {
        case kHot: return {RgbOf(248, 251, 255), RgbOf(200, 218, 240), RgbOf(92, 124, 166)};
        case kPressed: return {RgbOf(166, 188, 216), RgbOf(198, 214, 234), RgbOf(74, 100, 136), false};
        case kDisabled: return {RgbOf(230, 231, 227), RgbOf(222, 223, 218), RgbOf(184, 186, 180), false};
        case kFocused:
        case kNormal: break;
    }
    return {RgbOf(250, 250, 249), RgbOf(214, 217, 212), RgbOf(128, 140, 158)};
}

Rgb GlyphColour(ElementState state) { return state == kDisabled ? RgbOf(168, 170, 164) : RgbOf(44, 58, 80); }

// ---- caption buttons ----------------------------------------------------

enum CaptionGlyph { kGlyphClose, kGlyphMaximize, kGlyphRestore, kGlyphMinimize };

// The six frames of a strip: window active, button pressed, hot, window
// inactive, then disabled in an active and in an inactive window.
enum CaptionFrame { kCapActive, kCapPressed, kCapHot, kCapInactive, kCapDisabled, kCapDisabledInactive };

ChipStyle CaptionChip(CaptionGlyph glyph, CaptionFrame frame) {
    const bool close = glyph == kGlyphClose;
    switch (frame) {
        case kCapActive:
            return close ? ChipStyle{RgbOf(232, 130, 112), RgbOf(194, 72, 56), RgbOf(118, 38, 30)}
                         : ChipStyle{RgbOf(238, 243, 250), RgbOf(182, 201, 226), RgbOf(76, 100, 134)};
        case kCapHot:
            return close ? ChipStyle{RgbOf(248, 164, 146), RgbOf(222, 98, 80), RgbOf(138, 44, 36)}
                         : ChipStyle{RgbOf(252, 253, 255), RgbOf(208, 225, 247), RgbOf(88, 120, 164)};
        case kCapPressed:
            return close ? ChipStyle{RgbOf(160, 52, 40), RgbOf(196, 84, 68), RgbOf(98, 26, 20), false}
                         : ChipStyle{RgbOf(146, 172, 206), RgbOf(182, 202, 228), RgbOf(58, 82, 114), false};
        case kCapInactive: return {RgbOf(240, 240, 237), RgbOf(212, 213, 207), RgbOf(150, 152, 146)};
        case kCapDisabled: return {RgbOf(0, 0, 0), RgbOf(0, 0, 0), RgbOf(124, 148, 180), false, false};
        case kCapDisabledInactive: return {RgbOf(0, 0, 0), RgbOf(0, 0, 0), RgbOf(188, 189, 183), false, false};
    }
    return {};
}

Rgb CaptionGlyphColour(CaptionGlyph glyph, CaptionFrame frame) {
    switch (frame) {
        case kCapActive:
        case kCapHot:
        case kCapPressed: return glyph == kGlyphClose ? RgbOf(255, 255, 255) : RgbOf(28, 44, 70);
        case kCapInactive: return RgbOf(104, 106, 101);
        case kCapDisabled: return RgbOf(118, 140, 172);
        case kCapDisabledInactive: return RgbOf(180, 181, 175);
    }
    return {};
}

// The glyph inside the chip (l, t, r, b), pixel-exact where it is straight.
void DrawCaptionGlyph(Paint& p, CaptionGlyph glyph, float l, float t, float r, float b, const Rgb& colour,
                      const ChipStyle& chip, bool shadow) {
    const float cx = (l + r) / 2, cy = (t + b) / 2;
    switch (glyph) {
        case kGlyphClose: {
            const float arm = (r - l) / 2 - 4.5f;
            auto cross = [&](float dy) {
                return Union(Line(cx - arm, cy - arm + dy, cx + arm, cy + arm + dy, 2.2f),
                             Line(cx + arm, cy - arm + dy, cx - arm, cy + arm + dy, 2.2f));
            };
            if (shadow) p.Fill(cross(1), RgbOf(90, 20, 14), 0.45f);
            p.Fill(cross(0), colour);
            break;
        }
        case kGlyphMaximize: {
            const Shape box = Box(cx - 3.5f, cy - 3.5f, cx + 3.5f, cy + 3.5f);
            p.Fill(Union(Border(box, 1), Box(cx - 3.5f, cy - 3.5f, cx + 3.5f, cy - 1.5f)), colour);
            break;
        }
        case kGlyphRestore: {
            // The back window, then the front one over it.
            const float x = cx - 3.5f, y = cy - 3.5f;
            const Shape back = Box(x + 2, y, x + 7, y + 5);
            const Shape front = Box(x, y + 2, x + 5, y + 7);
            p.Fill(Union(Border(back, 1), Box(x + 2, y, x + 7, y + 2)), colour);
            if (chip.filled) p.Fill(front, VerticalGradient(t, b, chip.top, chip.bottom));
            if (chip.filled && chip.gloss && y + 2 < cy)
                p.Fill(Intersect(front, Box(l, t, r, cy)), RgbOf(255, 255, 255), 0.35f);
            if (!chip.filled) p.Erase(front);
            p.Fill(Union(Border(front, 1), Box(x, y + 2, x + 5, y + 4)), colour);
            break;
        }
        case kGlyphMinimize: p.Fill(Box(cx - 3.5f, cy + 1.5f, cx + 3.5f, cy + 3.5f), colour); break;
    }
}

// One strip of six caption button frames of `frameWidth` x `frameHeight`,
// the chip at (l, t, r, b) of each frame, for a button placed `top` rows
// below the top of the title bar.
void DrawCaptionStrip(TSeBitmap& out, CaptionGlyph glyph, int frameWidth, int frameHeight, int top, float l,
                      float t, float r, float b) {
    constexpr CaptionFrame kFrames[] = {kCapActive,   kCapPressed,  kCapHot,
                                        kCapInactive, kCapDisabled, kCapDisabledInactive};
    for (int i = 0; i < 6; ++i) {
        const CaptionFrame frame = kFrames[i];
        const FrameLook& look = (frame == kCapInactive || frame == kCapDisabledInactive) ? kInactiveFrame : kActiveFrame;
        const ChipStyle chip = CaptionChip(glyph, frame);
        Paint p(frameWidth, frameHeight);
        DrawChip(p, l, t, r, b, 3, chip);
        const float shift = frame == kCapPressed ? 1.0f : 0.0f;
        DrawCaptionGlyph(p, glyph, l, t + shift, r, b + shift, CaptionGlyphColour(glyph, frame), chip,
                         glyph == kGlyphClose && frame != kCapInactive && frame < kCapDisabled);
        p.Flatten(out, i * frameWidth, 0, [&look, top](int, int y) { return TitleColour(look, top + y); });
    }
}

// The buttons sit 6 (close), 4 (maximize, restore) and 10 (minimize) rows
// below the top of the title bar; their chips are placed so that their
// middles lie close to the middle of the title bar.
void DrawIconClose(TSeBitmap& b) { DrawCaptionStrip(b, kGlyphClose, 21, 22, 6, 2, 2, 19, 19); }
void DrawIconMax2(TSeBitmap& b) { DrawCaptionStrip(b, kGlyphRestore, 16, 18, 4, 1, 5, 14, 18); }
void DrawIconMax1(TSeBitmap& b) { DrawCaptionStrip(b, kGlyphMaximize, 16, 18, 4, 1, 5, 14, 18); }
void DrawIconMin(TSeBitmap& b) { DrawCaptionStrip(b, kGlyphMinimize, 15, 16, 10, 1, 0, 14, 13); }

// ---- menus ------------------------------------------------------------------

constexpr Rgb kMenuBarTop = RgbOf(242, 242, 238);
constexpr Rgb kMenuBarBottom = RgbOf(218, 219, 212);

// Rows 0 .. 18: the menu bar (nine pieces, margins 2). Rows 19 .. 37: a
// tool bar item normal (transparent), hot and pressed, 18 pixels each.
void DrawMenu(TSeBitmap& out) {
    Paint bar(55, 19);
    bar.Fill(Box(0, 0, 55, 19), VerticalGradient(0, 18, kMenuBarTop, kMenuBarBottom));
    bar.Fill(Box(0, 0, 55, 1), RgbOf(250, 250, 248));
    bar.Fill(Box(0, 18, 55, 19), RgbOf(180, 184, 177));
    bar.Flatten(out, 0, 0);
    for (int i = 1; i < 3; ++i) {
        Paint p(18, 19);
        const ChipStyle hot{RgbOf(230, 238, 248), RgbOf(204, 218, 236), RgbOf(116, 144, 173)};
        const ChipStyle pressed{RgbOf(176, 196, 221), RgbOf(198, 212, 230), RgbOf(88, 114, 146), false};
        DrawChip(p, 0, 0, 18, 19, 3, i == 1 ? hot : pressed);
        p.Flatten(out, i * 18, 19, Plain(kMenuBarBottom));
    }
}

// Twelve 15 x 14 frames: minimize, restore and close of a maximized child
// window in the menu bar, each normal, hot, pressed and disabled.
void DrawMdiControls(TSeBitmap& out) {
    constexpr CaptionGlyph kGlyphs[] = {kGlyphMinimize, kGlyphRestore, kGlyphClose};
    constexpr ElementState kStates[] = {kNormal, kHot, kPressed, kDisabled};
    int index = 0;
    for (CaptionGlyph glyph : kGlyphs) {
        for (ElementState state : kStates) {
            Paint p(15, 14);
            // Normal and disabled: the glyph alone on the menu bar.
            ChipStyle chip = ControlChip(state);
            chip.filled = state == kHot || state == kPressed;
            if (chip.filled) DrawChip(p, 0, 0, 15, 14, 2, chip);
            const float shift = state == kPressed ? 1.0f : 0.0f;
            if (glyph == kGlyphClose) {
                const Shape cross = Union(Line(4.5f, 4 + shift, 10.5f, 10 + shift, 1.8f),
                                          Line(10.5f, 4 + shift, 4.5f, 10 + shift, 1.8f));
                p.Fill(cross, GlyphColour(state));
            } else {
                DrawCaptionGlyph(p, glyph, 0, shift, 15, 14 + shift, GlyphColour(state), chip, false);
            }
            p.Flatten(out, index * 15, 0, Plain(kMenuBarBottom));
            ++index;
        }
    }
}

// The popup menu's frame: drawn in nine pieces with margins of 8, its
// middle hidden under the items.
void DrawMenuBack(TSeBitmap& out) {
    Paint p(54, 54);
    p.Fill(Box(0, 0, 54, 54), RgbOf(96, 112, 136));
    p.Fill(Box(1, 1, 53, 53), RgbOf(252, 252, 250));
    p.Fill(Box(2, 2, 53, 53), RgbOf(188, 190, 184));
    p.Fill(Box(2, 2, 52, 52), [](float x, float y) {
        // Lighter toward the outside, the items' colour at the inner edge.
        const float edge = std::min(std::min(x, y), std::min(54 - x, 54 - y));
        return Mix(RgbOf(238, 238, 234), kMenuItemRgb, (edge - 2) / 6);
    });
    p.Fill(Box(8, 8, 46, 46), kMenuItemRgb);
    p.Flatten(out, 0, 0);
}

// ---- check boxes and radio buttons ----------------------------------------

constexpr Rgb kMarkRgb = RgbOf(34, 66, 108);

// Unchecked, checked, mixed, and unchecked under the mouse.
void DrawCheckBox(TSeBitmap& out) {
    for (int i = 0; i < 4; ++i) {
        Paint p(14, 14);
        const bool hot = i == 3;
        const Shape box = RoundBox(1, 1, 13, 13, 2);
        p.Fill(box, VerticalGradient(1, 13, hot ? RgbOf(240, 246, 253) : RgbOf(255, 255, 255),
                                     hot ? RgbOf(206, 222, 242) : RgbOf(226, 228, 224)));
        p.Fill(Border(box, 1), hot ? kSelectionRgb : RgbOf(112, 126, 146));
        if (i == 1) {
            p.Fill(Union(Line(3.8f, 7.2f, 6.0f, 9.6f, 1.9f), Line(6.0f, 9.6f, 10.4f, 4.2f, 1.9f)), kMarkRgb);
        } else if (i == 2) {
            p.Fill(RoundBox(4, 4, 10, 10, 1), VerticalGradient(4, 10, RgbOf(122, 150, 186), RgbOf(74, 102, 140)));
        }
        p.Flatten(out, i * 14, 0, Plain(kClientRgb));
    }
}

// Unchecked, checked, and both under the mouse.
void DrawRadio(TSeBitmap& out) {
    for (int i = 0; i < 4; ++i) {
        Paint p(14, 14);
        const bool hot = i >= 2, checked = i % 2 == 1;
        const Shape ring = Circle(7, 7, 6);
        p.Fill(ring, VerticalGradient(1, 13, hot ? RgbOf(240, 246, 253) : RgbOf(255, 255, 255),
                                      hot ? RgbOf(206, 222, 242) : RgbOf(226, 228, 224)));
        p.Fill(Border(ring, 1), hot ? kSelectionRgb : RgbOf(112, 126, 146));
        if (checked) {
            p.Fill(Circle(7, 7, 2.6f), VerticalGradient(4, 10, RgbOf(92, 124, 166), kMarkRgb));
            p.Fill(Circle(6.3f, 6.2f, 0.9f), RgbOf(255, 255, 255), 0.5f);
        }
        p.Flatten(out, i * 14, 0, Plain(kClientRgb));
    }
}

// ---- arrows, scroll bars ----------------------------------------------------

enum Direction { kLeft, kRight, kUp, kDown };

Shape Arrow(Direction d, float cx, float cy, float half, float depth) {
    switch (d) {
        case kLeft: return Triangle(cx - depth / 2, cy, cx + depth / 2, cy - half, cx + depth / 2, cy + half);
        case kRight: return Triangle(cx + depth / 2, cy, cx - depth / 2, cy + half, cx - depth / 2, cy - half);
        case kUp: return Triangle(cx, cy - depth / 2, cx + half, cy + depth / 2, cx - half, cy + depth / 2);
        case kDown: break;
    }
    return Triangle(cx, cy + depth / 2, cx - half, cy - depth / 2, cx + half, cy - depth / 2);
}

// 23 frames of 16 x 16. Frames 0 .. 15: left, right, up and down arrow
// buttons, each normal, hot, pressed and disabled; 16 .. 18: a drop-down
// chevron, normal, hot and pressed; 19: a size grip; 20 and 21: the grip of
// a scroll thumb, across a horizontal and a vertical one; 22: the chevron
// disabled.
void DrawArrows(TSeBitmap& out) {
    constexpr Direction kDirections[] = {kLeft, kRight, kUp, kDown};
    constexpr ElementState kStates[] = {kNormal, kHot, kPressed, kDisabled};
    int index = 0;
    auto put = [&](const Paint& p) { p.Flatten(out, 16 * index++, 0, Plain(kClientRgb)); };
    for (Direction d : kDirections) {
        for (ElementState state : kStates) {
            Paint p(16, 16);
            DrawChip(p, 0, 0, 16, 16, 2, ControlChip(state));
            const float shift = state == kPressed ? 1.0f : 0.0f;
            p.Fill(Arrow(d, 8 + shift / 2, 8 + shift, 4, 4.5f), GlyphColour(state));
            put(p);
        }
    }
    auto chevron = [&](ElementState state) {
        Paint p(16, 16);
        if (state == kHot || state == kPressed) DrawChip(p, 0, 0, 16, 16, 2, ControlChip(state));
        const float shift = state == kPressed ? 1.0f : 0.0f;
        p.Fill(Union(Arrow(kDown, 8, 9.5f + shift, 3, 3.5f), Box(5, 5 + shift, 11, 6 + shift)), GlyphColour(state));
        put(p);
    };
    chevron(kNormal);
    chevron(kHot);
    chevron(kPressed);
    Paint grip(16, 16);
    for (int row = 0; row < 3; ++row) {
        for (int col = 2 - row; col < 3; ++col) {
            const float x = 4 + col * 4.0f, y = 4 + row * 4.0f;
            grip.Fill(Box(x + 1, y + 1, x + 3, y + 3), RgbOf(255, 255, 255));
            grip.Fill(Box(x, y, x + 2, y + 2), RgbOf(132, 136, 130));
        }
    }
    put(grip);
    for (int vertical = 0; vertical < 2; ++vertical) {
        // Three ridges, each a dark line with a light one after it.
        Paint p(16, 16);
        for (int i = 0; i < 3; ++i) {
            const float at = 5 + 2.0f * i;
            if (vertical) {
                p.Fill(Box(5, at, 11, at + 1), RgbOf(92, 112, 142));
                p.Fill(Box(5, at + 1, 11, at + 2), RgbOf(250, 252, 255));
            } else {
                p.Fill(Box(at, 5, at + 1, 11), RgbOf(92, 112, 142));
                p.Fill(Box(at + 1, 5, at + 2, 11), RgbOf(250, 252, 255));
            }
        }
        put(p);
    }
    chevron(kDisabled);
}

// The trough of a scroll bar `across` pixels from its top (horizontal bar)
// or left edge (vertical bar).
Rgb TroughColour(ElementState state, float across) {
    const float t = across / 15;
    switch (state) {
        case kHot: return Mix(RgbOf(192, 202, 214), RgbOf(224, 230, 236), t);
        case kPressed: return Mix(RgbOf(170, 180, 192), RgbOf(206, 212, 218), t);
        case kDisabled: return RgbOf(224, 225, 220);
        default: break;
    }
    return Mix(RgbOf(194, 197, 190), RgbOf(226, 227, 221), t);
}

// Four 16 x 16 frames: normal, hot, pressed, disabled; tiled along the bar.
void DrawScrollBack(TSeBitmap& out, bool horizontal) {
    constexpr ElementState kStates[] = {kNormal, kHot, kPressed, kDisabled};
    for (int i = 0; i < 4; ++i) {
        const ElementState state = kStates[i];
        Paint p(16, 16);
        p.Fill(Box(0, 0, 16, 16), [state, horizontal](float x, float y) {
            const int across = int(horizontal ? y : x);
            if (across == 0) return Lighten(TroughColour(state, 0), -0.12f);
            if (across == 15) return RgbOf(238, 238, 235);
            return TroughColour(state, float(across));
        });
        p.Flatten(out, i * 16, 0);
    }
}
void DrawScrollBackH(TSeBitmap& b) { DrawScrollBack(b, true); }
void DrawScrollBackV(TSeBitmap& b) { DrawScrollBack(b, false); }

// Three 16 x 16 thumb frames: normal, hot, pressed; nine pieces with
// margins of 4, uniform along the bar.
void DrawScrollThumb(TSeBitmap& out, bool horizontal) {
    constexpr ElementState kStates[] = {kNormal, kHot, kPressed};
    for (int i = 0; i < 3; ++i) {
        const ElementState state = kStates[i];
        const ChipStyle chip = state == kNormal ? ChipStyle{RgbOf(244, 247, 251), RgbOf(192, 206, 226), RgbOf(106, 126, 154)}
                                                : ControlChip(state);
        const float l = horizontal ? 0 : 1, t = horizontal ? 1 : 0, r = horizontal ? 16 : 15, b = horizontal ? 15 : 16;
        Paint p(16, 16);
        const Shape outer = RoundBox(l, t, r, b, 3);
        const Shade shade = horizontal ? VerticalGradient(t, b, chip.top, chip.bottom)
                                       : HorizontalGradient(l, r, chip.top, chip.bottom);
        p.Fill(outer, shade);
        if (chip.gloss) {
            const Shape inner = RoundBox(l + 1, t + 1, r - 1, b - 1, 2);
            const Shape half = horizontal ? Box(0, 0, 16, 8) : Box(0, 0, 8, 16);
            p.Fill(Intersect(inner, half), RgbOf(255, 255, 255), 0.35f);
        }
        p.Fill(Border(outer, 1), chip.border);
        p.Flatten(out, i * 16, 0, [state, horizontal](int x, int y) {
            return TroughColour(state == kPressed ? kPressed : kNormal, float(horizontal ? y : x));
        });
    }
}
void DrawScrollH(TSeBitmap& b) { DrawScrollThumb(b, true); }
void DrawScrollV(TSeBitmap& b) { DrawScrollThumb(b, false); }

// ---- buttons, edges, boxes --------------------------------------------------

// Five 57 x 24 frames: normal, hot, pressed, focused, disabled; nine pieces
// with margins of 4.
void DrawButtons(TSeBitmap& out) {
    constexpr ElementState kStates[] = {kNormal, kHot, kPressed, kFocused, kDisabled};
    for (int i = 0; i < 5; ++i) {
        Paint p(57, 24);
        ChipStyle chip = ControlChip(kStates[i]);
        if (kStates[i] == kFocused) chip.border = RgbOf(84, 112, 148);
        DrawChip(p, 0, 0, 57, 24, 3, chip);
        if (kStates[i] == kFocused) p.Fill(Border(RoundBox(1, 1, 56, 23, 2), 1), RgbOf(150, 180, 214));
        p.Flatten(out, i * 57, 0, Plain(kClientRgb));
    }
}

// A tab sheet's border: nine pieces with margins of 4.
void DrawTabBorder(TSeBitmap& out) {
    Paint p(32, 32);
    p.Fill(Box(0, 0, 32, 32), RgbOf(140, 152, 168));
    p.Fill(Box(1, 1, 31, 31), RgbOf(250, 250, 248));
    p.Fill(Box(2, 2, 31, 31), RgbOf(196, 198, 191));
    p.Fill(Box(2, 2, 30, 30), kClientRgb);
    p.Flatten(out, 0, 0);
}

// A raised panel: nine pieces with margins of 2.
void DrawDialog(TSeBitmap& out) {
    Paint p(32, 32);
    p.Fill(Box(0, 0, 32, 32), RgbOf(154, 157, 150));
    p.Fill(Box(0, 0, 31, 31), RgbOf(252, 252, 250));
    p.Fill(Box(1, 1, 31, 31), RgbOf(194, 196, 189));
    p.Fill(Box(1, 1, 30, 30), kClientRgb);
    p.Flatten(out, 0, 0);
}

// Four 32 x 32 frames of a sunken field (edit, list, grid): normal, hot,
// focused, disabled; nine pieces with margins of 2.
void DrawSunkEdge(TSeBitmap& out) {
    for (int i = 0; i < 4; ++i) {
        Paint p(32, 32);
        const Rgb border[] = {RgbOf(146, 156, 170), RgbOf(116, 144, 180), RgbOf(88, 120, 164), RgbOf(188, 190, 184)};
        const Rgb shade = i == 2 ? RgbOf(196, 214, 236) : i == 3 ? RgbOf(228, 229, 225) : RgbOf(226, 229, 232);
        p.Fill(Box(0, 0, 32, 32), border[i]);
        p.Fill(Box(1, 1, 31, 31), shade);
        p.Fill(Box(2, 2, 31, 31), i == 3 ? RgbOf(238, 238, 235) : RgbOf(255, 255, 255));
        if (i == 2) p.Fill(Box(30, 2, 31, 31), shade), p.Fill(Box(2, 30, 31, 31), shade);
        p.Flatten(out, i * 32, 0);
    }
}

// Four 18 x 22 frames of a combo box's drop button: normal, hot, pressed, disabled.
void DrawComboButton(TSeBitmap& out) {
    constexpr ElementState kStates[] = {kNormal, kHot, kPressed, kDisabled};
    for (int i = 0; i < 4; ++i) {
        Paint p(18, 22);
        DrawChip(p, 0, 0, 18, 22, 2, ControlChip(kStates[i]));
        const float shift = kStates[i] == kPressed ? 1.0f : 0.0f;
        p.Fill(Arrow(kDown, 9, 11 + shift, 4, 4.5f), GlyphColour(kStates[i]));
        p.Flatten(out, i * 18, 0, Plain(RgbOf(255, 255, 255)));
    }
}

// Two 32 x 32 frames of a group box's etched border, enabled and disabled;
// nine pieces with margins of 6, transparent inside.
void DrawGroupBoxEdge(TSeBitmap& out) {
    for (int i = 0; i < 2; ++i) {
        Paint p(32, 32);
        p.Fill(Border(RoundBox(1, 1, 32, 32, 4), 1), RgbOf(252, 252, 250));
        p.Fill(Border(RoundBox(0, 0, 31, 31, 4), 1), i == 0 ? RgbOf(150, 158, 168) : RgbOf(194, 196, 192));
        p.Flatten(out, i * 32, 0, Plain(kClientRgb));
    }
}

// A group box's caption label: nine pieces with margins 5, 4, 5, 4.
void DrawGroupBoxCaption(TSeBitmap& out) {
    Paint p(55, 14);
    DrawChip(p, 0, 0, 55, 14, 4, ChipStyle{RgbOf(246, 248, 252), RgbOf(206, 218, 234), RgbOf(126, 146, 174)});
    p.Flatten(out, 0, 0, Plain(kClientRgb));
}

// Left half: the trough (nine pieces, margins 3, 2, 3, 2, tiled); right
// half: the bar drawn over it (the same margins, stretched).
void DrawProgress(TSeBitmap& out) {
    Paint trough(60, 14);
    const Shape box = RoundBox(0, 0, 60, 14, 2);
    trough.Fill(box, VerticalGradient(0, 14, RgbOf(194, 198, 192), RgbOf(238, 239, 235)));
    trough.Fill(Intersect(RoundBox(1, 1, 59, 13, 1), Box(0, 1, 60, 2)), RgbOf(178, 182, 176));
    trough.Fill(Border(box, 1), RgbOf(122, 136, 156));
    trough.Flatten(out, 0, 0, Plain(kClientRgb));

    Paint bar(60, 14);
    bar.Fill(box, [](float, float y) {
        const int row = int(y);
        return row < 7 ? Mix(RgbOf(184, 210, 240), RgbOf(132, 170, 214), float(row) / 6)
                       : Mix(RgbOf(98, 140, 194), RgbOf(128, 170, 218), float(row - 7) / 6);
    });
    bar.Fill(Intersect(RoundBox(1, 1, 59, 13, 1), Box(0, 1, 60, 2)), RgbOf(226, 238, 252), 0.8f);
    bar.Fill(Border(box, 1), RgbOf(54, 86, 128));
    bar.Flatten(out, 60, 0, [](int, int y) { return Mix(RgbOf(194, 198, 192), RgbOf(238, 239, 235), y / 13.0f); });
}

using Drawer = void (*)(TSeBitmap&);

Drawer DrawerFor(std::string_view suffix) {
    static const std::map<std::string_view, Drawer> drawers = {
        {"_body_top", DrawBodyTop},        {"_body_bottom", DrawBodyBottom},
        {"_body_left", DrawBodyLeft},      {"_body_right", DrawBodyRight},
        {"_dialog", DrawDialog},           {"_icon_close", DrawIconClose},
        {"_icon_max2", DrawIconMax2},      {"_icon_min", DrawIconMin},
        {"_icon_max1", DrawIconMax1},      {"_menu", DrawMenu},
        {"_mdicontrols", DrawMdiControls}, {"_menuback", DrawMenuBack},
        {"_checkbox", DrawCheckBox},       {"_radio", DrawRadio},
        {"_arrows", DrawArrows},           {"_scroll_back_h", DrawScrollBackH},
        {"_scroll_back_v", DrawScrollBackV}, {"_scroll_h", DrawScrollH},
        {"_scroll_v", DrawScrollV},        {"_buttons", DrawButtons},
        {"_tabborder", DrawTabBorder},     {"_progress", DrawProgress},
        {"_sunkedge", DrawSunkEdge},       {"_combobutton", DrawComboButton},
        {"_groupboxe", DrawGroupBoxEdge},  {"_groupbox", DrawGroupBoxCaption},
    };
    return drawers.at(suffix);
}

}  // namespace

std::span<const BitmapEntry> BitmapEntries() { return kEntries; }

void AddArtwork(skin::TSeBitmapList& list, const std::string& skinName) {
    // A suffix met again takes a copy of the first record's pixels.
    std::map<std::string_view, const TSeBitmap*> drawn;
    for (const BitmapEntry& entry : kEntries) {
        auto bitmap = std::make_unique<TSeBitmap>();
        bitmap->SetName(skinName + std::string(entry.suffix));
        bitmap->SetSize(entry.width, entry.height);
        bitmap->Fill(skin::kKeyPixel);
        if (auto first = drawn.find(entry.suffix); first != drawn.end()) {
            first->second->CopyTo(*bitmap, 0, 0, first->second->BoundsRect());
        } else {
            DrawerFor(entry.suffix)(*bitmap);
        }
        drawn.emplace(entry.suffix, list.Add(std::move(bitmap)));
    }
}

}  // namespace skingen
