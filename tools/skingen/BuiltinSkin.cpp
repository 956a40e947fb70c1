#include "tools/skingen/BuiltinSkin.h"

#include <memory>
#include <string>

#include "framework/Font.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/ActiveObject.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/ButtonObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/TextObject.h"
#include "skin/storage/SkinSource.h"
#include "tools/skingen/Artwork.h"

namespace skingen {

namespace {

using namespace skin;

constexpr TColor kClientColor = 13555670;    // 0xCED7D6, the window's client area
constexpr TColor kMenuItemColor = 13489364;  // 0xCDD4D4
constexpr TColor kSelectionColor = 11374708;  // 0xAD9074
constexpr TColor kFieldColor = 0xFFFFFF;      // inside edits, lists and grids

void Place(TSeSkinObject* object, const char* name, TSeKind kind, TSeAlign align, int left, int top, int width,
           int height) {
    object->SetName(name);
    object->SetKind(kind);
    object->SetAlign(align);
    object->SetBounds(MakeBounds(left, top, width, height));
}

// A child of `parent`, owned by it and appended to its children.
template <class T>
T* Add(TSeSkinObject* parent, const char* name, TSeKind kind, TSeAlign align, int left, int top, int width,
       int height) {
    T* object = new T(parent);
    Place(object, name, kind, align, left, top, width, height);
    return object;
}
template <class T>
T* Add(TSeSkinObject* parent, const char* name, TSeAlign align, int left, int top, int width, int height) {
    return Add<T>(parent, name, skNone, align, left, top, width, height);
}

template <class T = TSeSkinObject>
T* AddTop(TSeSkinSource& source, const char* name, TSeKind kind, int width, int height) {
    T* object = static_cast<T*>(source.AddObject(std::make_unique<T>(nullptr)));
    Place(object, name, kind, saNone, 0, 0, width, height);
    return object;
}

// Points `link` at (left, top, right, bottom) of the bitmap named by the
// skin name and `suffix`.
void Link(TSeBitmapLink* link, std::string_view suffix, int left, int top, int right, int bottom) {
    link->SetName(std::string(kSkinName) + std::string(suffix));
    link->SetLeft(left);
    link->SetTop(top);
    link->SetRight(right);
    link->SetBottom(bottom);
}

// Frame `index` of a strip of frames `width` wide and `height` high.
void LinkFrame(TSeBitmapLink* link, std::string_view suffix, int index, int width, int height) {
    Link(link, suffix, index * width, 0, (index + 1) * width, height);
}

void Margins(TSeSkinObject* object, int left, int top, int right, int bottom) {
    object->SetMarginLeft(left);
    object->SetMarginTop(top);
    object->SetMarginRight(right);
    object->SetMarginBottom(bottom);
}

void Tiles(TSeBitmapObject* object, TscTileStyle centre, TscTileStyle border) {
    object->SetTileStyle(centre);
    object->SetBorderTileStyle(border);
}

// A text element of a control, filled with the colour it sits on.
TSeTextObject* AddText(TSeSkinObject* parent, TColor color, TSeTextAlign align, int left, int top, int width,
                       int height) {
    auto* text = Add<TSeTextObject>(parent, "Text", saNone, left, top, width, height);
    text->SetColor(color);
    text->SetTextAlign(align);
    text->FontDisabled()->SetColor(0x808080);
    return text;
}

// ---- the bitmap strips the controls share -------------------------------

// _buttons: normal, hot, pressed, focused, disabled, 57 x 24 each.
void LinkButtonFaces(TSeButtonObject* face) {
    LinkFrame(face->Bitmap(), "_buttons", 0, 57, 24);
    LinkFrame(face->BitmapHot(), "_buttons", 1, 57, 24);
    LinkFrame(face->BitmapPressed(), "_buttons", 2, 57, 24);
    LinkFrame(face->BitmapFocused(), "_buttons", 3, 57, 24);
    LinkFrame(face->BitmapDisabled(), "_buttons", 4, 57, 24);
    Margins(face, 4, 4, 4, 4);
    Tiles(face, tsStretch, tsStretch);
}

// _sunkedge: normal, hot, focused, disabled, 32 x 32 each.
void LinkSunkenField(TSeButtonObject* frame) {
    LinkFrame(frame->Bitmap(), "_sunkedge", 0, 32, 32);
    LinkFrame(frame->BitmapHot(), "_sunkedge", 1, 32, 32);
    LinkFrame(frame->BitmapFocused(), "_sunkedge", 2, 32, 32);
    LinkFrame(frame->BitmapDisabled(), "_sunkedge", 3, 32, 32);
    Margins(frame, 2, 2, 2, 2);
}

// _arrows: left, right, up, down, each normal, hot, pressed, disabled.
enum ArrowDirection { kArrowLeft, kArrowRight, kArrowUp, kArrowDown };
void LinkArrowButton(TSeButtonObject* button, ArrowDirection direction) {
    const int first = int(direction) * 4;
    LinkFrame(button->Bitmap(), "_arrows", first, 16, 16);
    LinkFrame(button->BitmapHot(), "_arrows", first + 1, 16, 16);
    LinkFrame(button->BitmapPressed(), "_arrows", first + 2, 16, 16);
    LinkFrame(button->BitmapDisabled(), "_arrows", first + 3, 16, 16);
}
constexpr int kChevronFrame = 16;  // then hot, pressed; disabled at 22
constexpr int kSizeGripFrame = 19;
constexpr int kThumbGripFrame = 20;  // across a horizontal thumb; 21 across a vertical one

void LinkChevron(TSeButtonObject* chevron) {
    LinkFrame(chevron->Bitmap(), "_arrows", kChevronFrame, 16, 16);
    LinkFrame(chevron->BitmapHot(), "_arrows", kChevronFrame + 1, 16, 16);
    LinkFrame(chevron->BitmapPressed(), "_arrows", kChevronFrame + 2, 16, 16);
    LinkFrame(chevron->BitmapDisabled(), "_arrows", 22, 16, 16);
    Tiles(chevron, tsCenter, tsCenter);
}

// The tool bar item of _menu: transparent, hot, pressed, 18 x 19 each, below the bar.
void LinkFlatFace(TSeButtonObject* face) {
    Link(face->Bitmap(), "_menu", 0, 19, 18, 38);
    Link(face->BitmapHot(), "_menu", 18, 19, 36, 38);
    Link(face->BitmapPressed(), "_menu", 36, 19, 54, 38);
    Link(face->BitmapFocused(), "_menu", 36, 19, 54, 38);
    Margins(face, 4, 4, 4, 4);
    Tiles(face, tsStretch, tsStretch);
}

// The menu bar's strip of _menu, in nine pieces.
void LinkBar(TSeBitmapObject* bar) {
    Link(bar->Bitmap(), "_menu", 0, 0, 55, 19);
    Margins(bar, 2, 2, 2, 2);
    Tiles(bar, tsStretch, tsStretch);
}

// _dialog: a raised panel, in nine pieces.
void LinkPanel(TSeBitmapObject* panel) {
    Link(panel->Bitmap(), "_dialog", 0, 0, 32, 32);
    Margins(panel, 2, 2, 2, 2);
}

// _mdicontrols: minimize, restore, close, each normal, hot, pressed, disabled.
void LinkMdiButton(TSeButtonObject* button, int glyph) {
    LinkFrame(button->Bitmap(), "_mdicontrols", glyph * 4, 15, 14);
    LinkFrame(button->BitmapHot(), "_mdicontrols", glyph * 4 + 1, 15, 14);
    LinkFrame(button->BitmapPressed(), "_mdicontrols", glyph * 4 + 2, 15, 14);
    LinkFrame(button->BitmapDisabled(), "_mdicontrols", glyph * 4 + 3, 15, 14);
}

// ---- the window frame ---------------------------------------------------

// A frame piece: inactive look in `inactive`, active look in `active`.
TSeActiveBitmap* AddFramePiece(TSeSkinObject* parent, const char* name, TSeKind kind, TSeAlign align, int left,
                               int top, int width, int height, std::string_view suffix, TRect inactive,
                               TRect active) {
    auto* piece = Add<TSeActiveBitmap>(parent, name, kind, align, left, top, width, height);
    Link(piece->Bitmap(), suffix, inactive.Left, inactive.Top, inactive.Right, inactive.Bottom);
    Link(piece->ActiveBitmap(), suffix, active.Left, active.Top, active.Right, active.Bottom);
    return piece;
}

// A caption button whose strip holds, from the left, 16- or 21-pixel
// frames: active, pressed, hot, inactive.
void AddCaptionButton(TSeSkinObject* caption, const char* name, TSeAction action, int left, int top, int width,
                      int height, std::string_view suffix) {
    auto* button = Add<TSeSystemButton>(caption, name, skSysButton, saTopRight, left, top, width, height);
    button->SetAction(action);
    LinkFrame(button->Bitmap(), suffix, 3, width, height);
    LinkFrame(button->ActiveBitmap(), suffix, 0, width, height);
    LinkFrame(button->BitmapHot(), suffix, 2, width, height);
    LinkFrame(button->BitmapPressed(), suffix, 1, width, height);
}

void AddForm(TSeSkinSource& source) {
    TSeSkinObject* form = AddTop(source, "Form", skForm, 300, 250);
    form->SetColor(kClientColor);

    auto* caption = Add<TSeSkinObject>(form, "Caption", saTop, 8, 0, 284, 35);
    AddFramePiece(caption, "CaptionLeft", skNone, saLeft, 8, 0, 15, 35, "_body_top", MakeRect(0, 35, 15, 70),
                  MakeRect(0, 0, 15, 35));
    AddFramePiece(caption, "CaptionRight", skNone, saRight, 210, 0, 82, 35, "_body_top", MakeRect(102, 35, 184, 70),
                  MakeRect(102, 0, 184, 35));
    TSeActiveBitmap* title = AddFramePiece(caption, "CaptionCenter", skTitle, saClient, 23, 0, 187, 35, "_body_top",
                                           MakeRect(15, 35, 102, 70), MakeRect(15, 0, 102, 35));
    title->Font()->SetName("Verdana");
    title->Font()->SetHeight(-13);
    title->Font()->SetStyle(framework::fsBold);
    // The same look when the caption is hot or focused.
    title->ActiveFont()->Assign(*title->Font());
    AddCaptionButton(caption, "CloseButton", sbaClose, 266, 6, 21, 22, "_icon_close");
    AddCaptionButton(caption, "RestoreButton", sbaRestore, 250, 4, 16, 18, "_icon_max2");
    AddCaptionButton(caption, "MinButton", sbaMinimize, 235, 10, 15, 16, "_icon_min");
    AddCaptionButton(caption, "MaxButton", sbaMaximize, 250, 4, 16, 18, "_icon_max1");

    auto* bottom = Add<TSeSkinObject>(form, "Bottom", saBottom, 8, 242, 284, 8);
    AddFramePiece(bottom, "BottomLeft", skBottomLeft, saLeft, 8, 242, 1, 8, "_body_bottom", MakeRect(0, 8, 1, 16),
                  MakeRect(0, 0, 1, 8));
    AddFramePiece(bottom, "BottomRight", skBottomRight, saRight, 291, 242, 1, 8, "_body_bottom",
                  MakeRect(183, 8, 184, 16), MakeRect(183, 0, 184, 8));
    AddFramePiece(bottom, "BottomCenter", skBottom, saClient, 9, 242, 282, 8, "_body_bottom",
                  MakeRect(1, 8, 183, 16), MakeRect(1, 0, 183, 8));

    auto* left = Add<TSeSkinObject>(form, "Left", saMostLeft, 0, 0, 8, 250);
    AddFramePiece(left, "LeftTop", skTopLeft, saTop, 0, 0, 8, 40, "_body_left", MakeRect(8, 0, 16, 40),
                  MakeRect(0, 0, 8, 40));
    AddFramePiece(left, "LeftBottom", skBottomLeft, saBottom, 0, 242, 8, 8, "_body_left", MakeRect(8, 152, 16, 160),
                  MakeRect(0, 152, 8, 160));
    AddFramePiece(left, "LeftCenter", skLeft, saClient, 0, 40, 8, 202, "_body_left", MakeRect(8, 40, 16, 152),
                  MakeRect(0, 40, 8, 152));

    auto* right = Add<TSeSkinObject>(form, "Right", saMostRight, 292, 0, 8, 250);
    AddFramePiece(right, "RightTop", skTopRight, saTop, 292, 0, 8, 40, "_body_right", MakeRect(8, 0, 16, 40),
                  MakeRect(0, 0, 8, 40));
    AddFramePiece(right, "RightBottom", skBottomRight, saBottom, 292, 242, 8, 8, "_body_right",
                  MakeRect(8, 152, 16, 160), MakeRect(0, 152, 8, 160));
    AddFramePiece(right, "RightCenter", skRight, saClient, 292, 40, 8, 202, "_body_right", MakeRect(8, 40, 16, 152),
                  MakeRect(0, 40, 8, 152));

    auto* client = Add<TSeSkinObject>(form, "SkinObject3", skClient, saClient, 8, 35, 284, 207);
    client->SetColor(kClientColor);
}

// ---- menus -------------------------------------------------------------------

void AddMenuBar(TSeSkinSource& source) {
    TSeSkinObject* bar = AddTop(source, "MenuBar", skMenuBar, 207, 146);
    LinkBar(Add<TSeBitmapObject>(bar, "Frame", saNone, 0, 0, 207, 19));
    auto* item = Add<TSeButtonObject>(bar, "Item", skMenuBarItem, saNone, 0, 0, 60, 19);
    LinkFlatFace(item);
    item->SetTextAlign(taCenter);
    item->SetTextMarginLeft(6);
    item->SetTextMarginRight(6);
    LinkMdiButton(Add<TSeButtonObject>(bar, "Min", saNone, 150, 2, 15, 14), 0);
    LinkMdiButton(Add<TSeButtonObject>(bar, "Restore", saNone, 165, 2, 15, 14), 1);
    LinkMdiButton(Add<TSeButtonObject>(bar, "Close", saNone, 180, 2, 15, 14), 2);
    LinkBar(Add<TSeBitmapObject>(bar, "ToolbarFrame", saNone, 0, 40, 207, 24));
    auto* tool = Add<TSeButtonObject>(bar, "ToolbarItem", skMenuBarItem, saNone, 0, 40, 24, 24);
    LinkFlatFace(tool);
    tool->SetTextAlign(taCenter);
}

void AddPopupMenu(TSeSkinSource& source) {
    TSeSkinObject* popup = AddTop(source, "PopupMenu", skPopupMenu, 100, 100);
    auto* frame = Add<TSeBitmapObject>(popup, "Frame", saNone, 0, 0, 100, 70);
    Link(frame->Bitmap(), "_menuback", 0, 0, 54, 54);
    Margins(frame, 8, 8, 8, 8);
    Tiles(frame, tsTile, tsTile);
    auto* item = Add<TSeActiveObject>(popup, "Item", skPopupMenuItem, saNone, 0, 80, 80, 20);
    item->SetColor(kMenuItemColor);
    item->SetActiveColor(kSelectionColor);
    item->ActiveFont()->Assign(*item->Font());
    item->SetTextMarginLeft(20);
    item->SetTextMarginRight(10);
}

// ---- check boxes, radio buttons, scroll bars ----------------------------------

// A box of a 56 x 14 strip of 14-pixel frames.
TSeButtonObject* AddBox(TSeSkinObject* parent, const char* name, std::string_view suffix, int frame, int hotFrame) {
    auto* box = Add<TSeButtonObject>(parent, name, saNone, 0, 3, 14, 14);
    LinkFrame(box->Bitmap(), suffix, frame, 14, 14);
    LinkFrame(box->BitmapHot(), suffix, hotFrame, 14, 14);
    LinkFrame(box->BitmapPressed(), suffix, hotFrame, 14, 14);
    return box;
}

void AddCheckBox(TSeSkinSource& source) {
    TSeSkinObject* check = AddTop(source, "CheckBox", skNone, 140, 20);
    AddBox(check, "Unchecked", "_checkbox", 0, 3);
    AddBox(check, "Checked", "_checkbox", 1, 1);
    AddBox(check, "Mixed", "_checkbox", 2, 2);
    AddText(check, kClientColor, taLeft, 18, 0, 122, 20);
}

void AddRadioButton(TSeSkinSource& source) {
    TSeSkinObject* radio = AddTop(source, "RadioButton", skNone, 140, 20);
    AddBox(radio, "Unchecked", "_radio", 0, 2);
    AddBox(radio, "Checked", "_radio", 1, 3);
    AddText(radio, kClientColor, taLeft, 18, 0, 122, 20);
}

// A scroll bar's trough, tiled along the bar: normal, hot, pressed, disabled.
void AddTrough(TSeSkinObject* bar, const char* name, std::string_view suffix, int left, int top, int width,
               int height) {
    auto* trough = Add<TSeButtonObject>(bar, name, saNone, left, top, width, height);
    LinkFrame(trough->Bitmap(), suffix, 0, 16, 16);
    LinkFrame(trough->BitmapHot(), suffix, 1, 16, 16);
    LinkFrame(trough->BitmapPressed(), suffix, 2, 16, 16);
    LinkFrame(trough->BitmapDisabled(), suffix, 3, 16, 16);
}

// A thumb in nine pieces, with its grip centred on it.
TSeButtonObject* AddThumb(TSeSkinObject* parent, const char* name, std::string_view suffix, int left, int top,
                          int width, int height) {
    auto* thumb = Add<TSeButtonObject>(parent, name, saNone, left, top, width, height);
    LinkFrame(thumb->Bitmap(), suffix, 0, 16, 16);
    LinkFrame(thumb->BitmapHot(), suffix, 1, 16, 16);
    LinkFrame(thumb->BitmapPressed(), suffix, 2, 16, 16);
    Margins(thumb, 4, 4, 4, 4);
    return thumb;
}

void AddScrollBar(TSeSkinSource& source) {
    TSeSkinObject* bar = AddTop(source, "ScrollBar", skNone, 141, 145);
    LinkArrowButton(Add<TSeButtonObject>(bar, "LeftButton", saNone, 0, 129, 16, 16), kArrowLeft);
    LinkArrowButton(Add<TSeButtonObject>(bar, "RightButton", saNone, 109, 129, 16, 16), kArrowRight);
    LinkArrowButton(Add<TSeButtonObject>(bar, "TopButton", saNone, 125, 0, 16, 16), kArrowUp);
    LinkArrowButton(Add<TSeButtonObject>(bar, "BottomButton", saNone, 125, 113, 16, 16), kArrowDown);
    AddTrough(bar, "HorzFrame", "_scroll_back_h", 16, 129, 93, 16);
    AddTrough(bar, "VertFrame", "_scroll_back_v", 125, 16, 16, 97);
    TSeButtonObject* horz = AddThumb(bar, "HorzSlider", "_scroll_h", 40, 129, 30, 16);
    LinkFrame(Add<TSeBitmapObject>(horz, "Grip", saCenter, 47, 129, 16, 16)->Bitmap(), "_arrows", kThumbGripFrame,
              16, 16);
    TSeButtonObject* vert = AddThumb(bar, "VertSlider", "_scroll_v", 125, 40, 16, 30);
    LinkFrame(Add<TSeBitmapObject>(vert, "Grip", saCenter, 125, 47, 16, 16)->Bitmap(), "_arrows",
              kThumbGripFrame + 1, 16, 16);
}

// ---- buttons and boxes --------------------------------------------------------

void AddButton(TSeSkinSource& source) {
    TSeSkinObject* button = AddTop(source, "Button", skNone, 200, 100);
    LinkButtonFaces(Add<TSeButtonObject>(button, "Face", saClient, 0, 0, 200, 100));
    AddText(button, kClientColor, taCenter, 4, 4, 192, 92);
}

void AddTabs(TSeSkinSource& source) {
    TSeSkinObject* tabs = AddTop(source, "Tabs", skNone, 200, 200);
    auto* frame = Add<TSeBitmapObject>(tabs, "Frame", saNone, 0, 20, 200, 180);
    Link(frame->Bitmap(), "_tabborder", 0, 0, 32, 32);
    Margins(frame, 4, 4, 4, 4);
    LinkButtonFaces(Add<TSeButtonObject>(tabs, "Tab", saNone, 0, 0, 60, 22));
    AddText(tabs, kClientColor, taCenter, 0, 0, 60, 22);
    LinkArrowButton(Add<TSeButtonObject>(tabs, "LeftButton", saTopRight, 166, 2, 16, 16), kArrowLeft);
    LinkArrowButton(Add<TSeButtonObject>(tabs, "RightButton", saTopRight, 183, 2, 16, 16), kArrowRight);
}

void AddProgressBar(TSeSkinSource& source) {
    TSeSkinObject* progress = AddTop(source, "ProgressBar", skNone, 200, 100);
    auto* frame = Add<TSeSkinObject>(progress, "Frame", saNone, 0, 0, 80, 14);
    auto* trough = Add<TSeBitmapObject>(frame, "FrameBitmap", saClient, 0, 0, 80, 14);
    Link(trough->Bitmap(), "_progress", 0, 0, 60, 14);
    Margins(trough, 3, 2, 3, 2);
    Tiles(trough, tsTile, tsTile);
    auto* horz = Add<TSeBitmapObject>(progress, "BarHorz", saNone, 0, 0, 50, 14);
    Link(horz->Bitmap(), "_progress", 60, 0, 120, 14);
    Margins(horz, 3, 2, 3, 2);
    Tiles(horz, tsStretch, tsStretch);
    auto* vert = Add<TSeBitmapObject>(progress, "BarVert", saNone, 0, 20, 14, 50);
    Link(vert->Bitmap(), "_progress", 60, 0, 120, 14);
    Margins(vert, 2, 3, 2, 3);
    Tiles(vert, tsStretch, tsStretch);
}

void AddEdit(TSeSkinSource& source) {
    TSeSkinObject* edit = AddTop(source, "Edit", skNone, 200, 100);
    LinkSunkenField(Add<TSeButtonObject>(edit, "Frame", saClient, 0, 0, 200, 100));
    AddText(edit, kFieldColor, taTopLeft, 3, 3, 194, 94);
}

void AddSpeedButton(TSeSkinSource& source) {
    TSeSkinObject* speed = AddTop(source, "SpeedButton", skNone, 200, 100);
    LinkButtonFaces(Add<TSeButtonObject>(speed, "Face", saClient, 0, 0, 200, 100));
    LinkChevron(Add<TSeButtonObject>(speed, "Chevron", saNone, 184, 0, 16, 100));
    LinkFlatFace(Add<TSeButtonObject>(speed, "FlatFace", saNone, 0, 0, 200, 100));
    LinkChevron(Add<TSeButtonObject>(speed, "FlatChevron", saNone, 184, 0, 16, 100));
    AddText(speed, kClientColor, taCenter, 4, 4, 176, 92);
}

void AddComboBox(TSeSkinSource& source) {
    TSeSkinObject* combo = AddTop(source, "ComboBox", skNone, 200, 100);
    LinkSunkenField(Add<TSeButtonObject>(combo, "Frame", saClient, 0, 0, 200, 100));
    auto* button = Add<TSeButtonObject>(combo, "Button", saNone, 181, 1, 18, 22);
    LinkFrame(button->Bitmap(), "_combobutton", 0, 18, 22);
    LinkFrame(button->BitmapHot(), "_combobutton", 1, 18, 22);
    LinkFrame(button->BitmapPressed(), "_combobutton", 2, 18, 22);
    LinkFrame(button->BitmapDisabled(), "_combobutton", 3, 18, 22);
    Tiles(button, tsStretch, tsStretch);
    AddText(combo, kFieldColor, taLeft, 3, 3, 176, 18);
}

void AddGroupBox(TSeSkinSource& source) {
    TSeSkinObject* group = AddTop(source, "GroupBox", skNone, 200, 100);
    auto* frame = Add<TSeBitmapObject>(group, "Frame", saNone, 0, 7, 200, 93);
    Link(frame->Bitmap(), "_groupboxe", 0, 0, 32, 32);
    Margins(frame, 6, 6, 6, 6);
    auto* caption = Add<TSeBitmapObject>(group, "Caption", saNone, 8, 0, 60, 14);
    Link(caption->Bitmap(), "_groupbox", 0, 0, 55, 14);
    Margins(caption, 5, 4, 5, 4);
    Tiles(caption, tsStretch, tsStretch);
    caption->SetTextAlign(taCenter);
}

void AddListBox(TSeSkinSource& source) {
    TSeSkinObject* list = AddTop(source, "ListBox", skNone, 200, 100);
    auto* item = Add<TSeActiveObject>(list, "Item", saNone, 2, 2, 196, 18);
    item->SetColor(kFieldColor);
    item->SetActiveColor(kSelectionColor);
    item->ActiveFont()->SetColor(framework::clWhite);
    item->SetTextMarginLeft(4);
    AddBox(list, "Unchecked", "_checkbox", 0, 3)->SetBounds(MakeBounds(4, 4, 14, 14));
    AddBox(list, "Checked", "_checkbox", 1, 1)->SetBounds(MakeBounds(4, 4, 14, 14));
    LinkSunkenField(Add<TSeButtonObject>(list, "Frame", saClient, 0, 0, 200, 100));
}

void AddScrollBox(TSeSkinSource& source) {
    TSeSkinObject* box = AddTop(source, "ScrollBox", skNone, 200, 100);
    LinkSunkenField(Add<TSeButtonObject>(box, "Frame", saClient, 0, 0, 200, 100));
}

void AddHeader(TSeSkinSource& source) {
    TSeSkinObject* header = AddTop(source, "Header", skNone, 200, 100);
    auto* section = Add<TSeButtonObject>(header, "Section", saNone, 0, 0, 80, 20);
    LinkButtonFaces(section);
    section->SetTextMarginLeft(6);
}

void AddStatusBar(TSeSkinSource& source) {
    TSeSkinObject* status = AddTop(source, "StatusBar", skNone, 200, 100);
    LinkPanel(Add<TSeBitmapObject>(status, "Frame", saClient, 0, 0, 200, 100));
    auto* panel = Add<TSeBitmapObject>(status, "Panel", saNone, 2, 2, 100, 18);
    LinkFrame(panel->Bitmap(), "_sunkedge", 3, 32, 32);
    Margins(panel, 2, 2, 2, 2);
    panel->SetTextMarginLeft(4);
    auto* gripper = Add<TSeBitmapObject>(status, "Gripper", saNone, 184, 84, 16, 16);
    LinkFrame(gripper->Bitmap(), "_arrows", kSizeGripFrame, 16, 16);
}

void AddSpinButton(TSeSkinSource& source) {
    TSeSkinObject* spin = AddTop(source, "SpinButton", skNone, 200, 100);
    LinkButtonFaces(Add<TSeButtonObject>(spin, "Face", saClient, 0, 0, 200, 100));
}

void AddGrid(TSeSkinSource& source) {
    TSeSkinObject* grid = AddTop(source, "Grid", skNone, 200, 100);
    LinkButtonFaces(Add<TSeButtonObject>(grid, "Fixed", saNone, 0, 0, 64, 20));
    LinkSunkenField(Add<TSeButtonObject>(grid, "Frame", saClient, 0, 0, 200, 100));
    auto* cell = Add<TSeActiveObject>(grid, "Cell", saNone, 64, 20, 64, 20);
    cell->SetColor(kFieldColor);
    cell->SetActiveColor(kSelectionColor);
    cell->ActiveFont()->SetColor(framework::clWhite);
    cell->SetTextMarginLeft(3);
}

void AddControlBar(TSeSkinSource& source) {
    TSeSkinObject* bar = AddTop(source, "ControlBar", skNone, 200, 100);
    auto* back = Add<TSeBitmapObject>(bar, "Back", saClient, 0, 0, 200, 100);
    Link(back->Bitmap(), "_dialog", 2, 2, 30, 30);
    LinkPanel(Add<TSeBitmapObject>(bar, "Frame", saNone, 0, 0, 200, 26));
    auto* grabber = Add<TSeBitmapObject>(bar, "Grabber", saNone, 2, 2, 8, 22);
    LinkFrame(grabber->Bitmap(), "_arrows", kThumbGripFrame, 16, 16);
    Tiles(grabber, tsCenter, tsCenter);
}

void AddToolbar(TSeSkinSource& source) {
    TSeSkinObject* toolbar = AddTop(source, "Toolbar", skNone, 200, 100);
    LinkBar(Add<TSeBitmapObject>(toolbar, "Frame", saClient, 0, 0, 200, 100));
}

void AddTrackBar(TSeSkinSource& source) {
    TSeSkinObject* track = AddTop(source, "TrackBar", skNone, 200, 100);
    auto* horzTrack = Add<TSeBitmapObject>(track, "TrackHorz", saNone, 8, 12, 150, 8);
    Link(horzTrack->Bitmap(), "_progress", 0, 0, 60, 14);
    Margins(horzTrack, 3, 2, 3, 2);
    // The focused and disabled thumbs name looks this skin does not draw:
    // those states show the normal thumb.
    TSeButtonObject* horz = AddThumb(track, "ThumbHorz", "_scroll_v", 20, 4, 14, 24);
    Link(horz->BitmapFocused(), "_thumb_focused", 0, 0, 16, 16);
    Link(horz->BitmapDisabled(), "_thumb_disabled", 0, 0, 16, 16);
    TSeButtonObject* vert = AddThumb(track, "ThumbVert", "_scroll_h", 168, 20, 24, 14);
    Link(vert->BitmapFocused(), "_thumb_focused", 0, 0, 16, 16);
    Link(vert->BitmapDisabled(), "_thumb_disabled", 0, 0, 16, 16);
    auto* vertTrack = Add<TSeBitmapObject>(track, "TrackVert", saNone, 176, 8, 8, 84);
    LinkFrame(vertTrack->Bitmap(), "_scroll_back_v", 0, 16, 16);
    Margins(vertTrack, 2, 2, 2, 2);
}

void AddSplitter(TSeSkinSource& source) {
    auto* splitter = AddTop<TSeBitmapObject>(source, "Splitter", skNone, 12, 189);
    LinkPanel(splitter);
}

void AddPanel(TSeSkinSource& source) {
    TSeSkinObject* panel = AddTop(source, "Panel", skNone, 200, 100);
    LinkPanel(Add<TSeBitmapObject>(panel, "Frame", saClient, 0, 0, 200, 100));
    auto* caption = Add<TSeBitmapObject>(panel, "Caption", saNone, 2, 2, 196, 18);
    Link(caption->Bitmap(), "_groupbox", 0, 0, 55, 14);
    Margins(caption, 5, 4, 5, 4);
    Tiles(caption, tsStretch, tsStretch);
    caption->SetTextMarginLeft(6);
    // Roll-up and roll-down share one place; the panel shows one of them.
    LinkArrowButton(Add<TSeButtonObject>(panel, "ButtonRollup", saTopRight, 163, 3, 16, 16), kArrowUp);
    LinkArrowButton(Add<TSeButtonObject>(panel, "ButtonRolldown", saTopRight, 163, 3, 16, 16), kArrowDown);
    LinkMdiButton(Add<TSeButtonObject>(panel, "ButtonHide", saTopRight, 181, 4, 15, 14), 2);
}

}  // namespace

void BuildBuiltinSkin(TSeSkinSource& source) {
    source.Clear();
    source.SetSkinName(std::string(kSkinName));
    source.SetSkinVersion(std::string(kSkinVersion));
    source.SetAuthor(std::string(kSkinAuthor));
    source.SetAuthorEMail(std::string(kSkinAuthorEMail));
    source.SetAuthorURL("");
    AddArtwork(source.Bitmaps(), std::string(kSkinName));

    // The stored order of the top-level objects.
    AddForm(source);
    AddMenuBar(source);
    AddPopupMenu(source);
    AddCheckBox(source);
    AddRadioButton(source);
    AddScrollBar(source);
    AddButton(source);
    AddTabs(source);
    AddProgressBar(source);
    AddEdit(source);
    AddSpeedButton(source);
    AddComboBox(source);
    AddGroupBox(source);
    AddListBox(source);
    AddScrollBox(source);
    AddHeader(source);
    AddStatusBar(source);
    AddSpinButton(source);
    AddGrid(source);
    AddControlBar(source);
    AddToolbar(source);
    AddTrackBar(source);
    AddSplitter(source);
    AddPanel(source);

    for (int i = 0; i < source.Count(); ++i) {
        TSeSkinObject* object = source.SkinObjects(i);
        object->SetBitmapList(&source.Bitmaps());
        object->LinkBitmaps();
    }
}

}  // namespace skingen
