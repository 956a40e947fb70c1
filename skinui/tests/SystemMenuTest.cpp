// The frame's system menu: which items each state and icon set gives, the
// command each caption runs, and its six images.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "skinui/menus/MenuLayout.h"
#include "skinui/frame/SystemMenu.h"
#include "skinui/frame/SystemMenuImages.h"

namespace skinui {
namespace {

using skin::TSeBorderIcon;

std::uint32_t Icons(std::initializer_list<TSeBorderIcon> icons) {
    std::uint32_t bits = 0;
    for (TSeBorderIcon icon : icons) bits |= BorderIconBit(icon);
    return bits;
}

std::vector<std::string> Captions(std::uint32_t icons, TSeWindowState state) {
    std::vector<std::string> captions;
    for (const SystemMenuEntry& e : SystemMenuEntries(icons, state)) captions.emplace_back(e.caption);
    return captions;
}

using Texts = std::vector<std::string>;

TEST(SystemMenuTest, TheDiagnosticWindowsIconsGiveItsFourItemsAndRestoreWhereTheStateIsNotNormal) {
    const std::uint32_t diag = Icons({skin::kbiClose, skin::kbiSystemMenu, skin::kbiRollup, skin::kbiTray});
    EXPECT_EQ(Captions(diag, kwsNormal), (Texts{"Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(Captions(diag, kwsRollup), (Texts{"&Restore", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(Captions(diag, kwsMaximized), (Texts{"&Restore", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(Captions(diag, kwsMinimized), (Texts{"&Restore", "-", "&Close"}));
    EXPECT_EQ(Captions(diag, kwsTray), (Texts{"&Restore", "-", "&Close"}));

    const std::vector<SystemMenuEntry> entries = SystemMenuEntries(diag, kwsNormal);
    EXPECT_EQ(entries[3].shortCut, kscAlt | 0x73);
    EXPECT_EQ(ShortCutToText(entries[3].shortCut), "Alt+F4");
    EXPECT_EQ(entries[0].imageIndex, ksmiRollup);
    EXPECT_EQ(entries[1].imageIndex, ksmiTray);
    EXPECT_EQ(entries[2].imageIndex, ksmiNone);
    EXPECT_EQ(entries[3].imageIndex, ksmiClose);
}

TEST(SystemMenuTest, EveryIconHasItsItemOnlyInTheStatesWhereItMeansSomething) {
    const std::uint32_t all = 0x7F;
    EXPECT_EQ(Captions(all, kwsNormal),
              (Texts{"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(Captions(all, kwsMaximized),
              (Texts{"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(Captions(all, kwsRollup),
              (Texts{"&Restore", "Mi&nimize", "Ma&ximize", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(Captions(all, kwsMinimized), (Texts{"&Restore", "-", "&Close"}));
    // Without Close no separator; with nothing else, Close alone.
    EXPECT_EQ(Captions(Icons({skin::kbiMaximize}), kwsNormal), (Texts{"Ma&ximize"}));
    EXPECT_EQ(Captions(Icons({skin::kbiClose}), kwsNormal), (Texts{"&Close"}));
    EXPECT_TRUE(Captions(0, kwsNormal).empty());
}

TEST(SystemMenuTest, EachCaptionRunsItsCommandAndOtherTextsRunNothing) {
    for (const SystemMenuEntry& e : SystemMenuEntries(0x7F, kwsMaximized)) {
        EXPECT_EQ(SystemCommandFor(e.caption), e.command) << e.caption;
    }
    EXPECT_EQ(SystemCommandFor("Ma&ximize"), TSeSystemCommand::Maximize);
    EXPECT_EQ(SystemCommandFor("-"), TSeSystemCommand::None);
    EXPECT_EQ(SystemCommandFor("Close"), TSeSystemCommand::None);
    EXPECT_EQ(SystemCommandFor(""), TSeSystemCommand::None);
}

TEST(SystemMenuTest, TheSixImagesAreDistinctGlyphsOnTheKeyColour) {
    const skin::TSeBitmap& strip = SystemMenuImages();
    ASSERT_EQ(strip.Width(), kSystemMenuImageSize * kSystemMenuImageCount);
    ASSERT_EQ(strip.Height(), kSystemMenuImageSize);
    std::set<std::vector<bool>> shapes;
    for (int image = 0; image < kSystemMenuImageCount; ++image) {
        std::vector<bool> shape;
        int ink = 0;
        for (int y = 0; y < kSystemMenuImageSize; ++y) {
            for (int x = 0; x < kSystemMenuImageSize; ++x) {
                const bool key = skin::IsKeyPixel(strip.GetPixel(image * kSystemMenuImageSize + x, y));
                shape.push_back(!key);
                ink += key ? 0 : 1;
            }
        }
        // A glyph, not a filled square nor an empty one; its corners are
        // background so that it is drawn masked.
        EXPECT_GT(ink, 8) << image;
        EXPECT_LT(ink, 128) << image;
        EXPECT_TRUE(skin::IsKeyPixel(strip.GetPixel(image * kSystemMenuImageSize, kSystemMenuImageSize - 1)))
            << image;
        shapes.insert(shape);
    }
    EXPECT_EQ(shapes.size(), std::size_t(kSystemMenuImageCount));
}

}  // namespace
}  // namespace skinui
