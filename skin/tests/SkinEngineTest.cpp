// The skin engine: its stored properties, the stored skin, hue changes and
// skin files, with the announcements before and after each change.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/ComponentStreaming.h"
#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "skin/gfx/HueShift.h"
#include "skin/SkinEngine.h"
#include "skin/storage/SkinFilters.h"
#include "skin/objects/SkinObject.h"

namespace skin {
namespace {

void GiveSkin(TSeSkinSource& source) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName("s_body");
    bitmap->SetSize(2, 1);
    bitmap->Bits()[0] = 0xFF2080C0;
    bitmap->Bits()[1] = kKeyPixel;
    source.Bitmaps().Add(std::move(bitmap));
    auto form = std::make_unique<TSeSkinObject>(nullptr);
    form->SetName("Form");
    source.AddObject(std::move(form));
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinClasses(); }
    // The events of `engine` in order, with what the source answered then.
    void Record(TSeSkinEngine& engine) {
        engine.onBeforeChange = [this, &engine](framework::TComponent& sender) {
            events.push_back(std::string("before") + (engine.SkinSource()->SkinObjects(0) ? "" : " locked-or-empty") +
                             (engine.Busy() ? " busy" : ""));
            EXPECT_EQ(&sender, &engine);
        };
        engine.onAfterChange = [this, &engine](framework::TComponent&) {
            events.push_back("after " + std::to_string(engine.SkinSource()->Count()));
        };
    }
    std::vector<std::string> events;
};

TEST_F(EngineTest, AnEmptyEngineStoresOneZeroByteAndReadsOnlyItsFixedTexts) {
    TSeSkinEngine engine(nullptr);
    EXPECT_EQ(engine.SkinStream(), std::vector<std::uint8_t>{0});
    engine.SetVersion("9.9");
    engine.SetSkinStore("mine");
    EXPECT_EQ(engine.Version(), "3.1.4");
    EXPECT_EQ(engine.SkinStore(), "(none)");
    Record(engine);
    engine.Loaded();
    EXPECT_TRUE(events.empty());  // no skin: no OnAfterChange

    const std::string text = framework::ObjectBinaryToText(framework::ComponentToBinary(engine));
    EXPECT_EQ(text,
              "object TSeSkinEngine\r\n"
              "  DeltaHue = 0\r\n"
              "  SkinStore = '(none)'\r\n"
              "  Version = '3.1.4'\r\n"
              "  SkinStream = {00}\r\n"
              "end\r\n");
}

TEST_F(EngineTest, TheStoredSkinIsAFlagAndTheCompressedFilter) {
    TSeSkinEngine engine(nullptr);
    GiveSkin(*engine.SkinSource());
    const std::vector<std::uint8_t> stored = engine.SkinStream();
    ASSERT_GT(stored.size(), 7u);
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 7), std::string("\x02ZTLZ\x78\x01", 7));

    TSeSkinEngine copy(nullptr);
    copy.SetSkinFile("no-such-file.ztkn");
    EXPECT_EQ(copy.SkinFile(), "no-such-file.ztkn");
    std::vector<std::uint8_t> flagOne = stored;
    flagOne[0] = 1;  // any non-zero flag loads
    copy.SetSkinStream(flagOne);
    EXPECT_EQ(copy.SkinFile(), "");
    ASSERT_EQ(copy.SkinSource()->Count(), 1);
    EXPECT_EQ(copy.SkinSource()->GetFormObject()->Name(), "Form");
    EXPECT_TRUE(copy.LoadError().empty());
    Record(copy);
    copy.Loaded();
    EXPECT_EQ(events, std::vector<std::string>{"after 1"});

    // A zero flag reads nothing more and leaves the skin as it was.
    copy.SetSkinStream(std::vector<std::uint8_t>{0, 0xFF, 0xFF});
    EXPECT_EQ(copy.SkinSource()->Count(), 1);

    // A broken skin leaves what was read and says why; the description goes on.
    std::vector<std::uint8_t> broken = stored;
    broken[5] = 0;  // the zlib header
    EXPECT_NO_THROW(copy.SetSkinStream(broken));
    EXPECT_EQ(copy.LoadError(), "error");
    EXPECT_EQ(copy.SkinSource()->Count(), 0);
}

TEST_F(EngineTest, HueChangesAreAnnouncedAndIncremental) {
    TSeSkinEngine engine(nullptr);
    engine.SetDeltaHue(40);  // no skin yet: only stored
    EXPECT_EQ(engine.DeltaHue(), 40);
    GiveSkin(*engine.SkinSource());
    EXPECT_EQ(engine.SkinSource()->HueDelta(), 0);
    const TPixel original = engine.SkinSource()->Bitmaps().Items(0)->Bits()[0];
    Record(engine);
    engine.SetDeltaHue(30);
    engine.SetDeltaHue(30);  // the same value: nothing
    engine.SetDeltaHue(10);
    EXPECT_EQ(events, (std::vector<std::string>{"before busy", "after 1", "before busy", "after 1"}));
    EXPECT_FALSE(engine.Busy());
    EXPECT_EQ(engine.SkinSource()->Bitmaps().Items(0)->Bits()[0], ShiftHue(ShiftHue(original, 30), -20));
    EXPECT_EQ(engine.SkinSource()->Bitmaps().Items(0)->Bits()[1], kKeyPixel);

    // A change asked for while one is announced is stored, not applied.
    events.clear();
    engine.onBeforeChange = [&](framework::TComponent&) { engine.SetDeltaHue(99); };
    engine.SetDeltaHue(20);
    EXPECT_EQ(engine.DeltaHue(), 99);
    EXPECT_EQ(engine.SkinSource()->HueDelta(), 20);

    // Busy is cleared also when the change fails.
    engine.onBeforeChange = [](framework::TComponent&) { throw std::runtime_error("handler"); };
    EXPECT_THROW(engine.SetDeltaHue(5), std::runtime_error);
    EXPECT_FALSE(engine.Busy());
}

TEST_F(EngineTest, SkinFilesReplaceTheSkinWhileTheSourceIsLocked) {
    const std::string file = ::testing::TempDir() + "engine-test-skin.uskn";
    {
        TSeSkinSource source(nullptr);
        GiveSkin(source);
        auto extra = std::make_unique<TSeSkinObject>(nullptr);
        extra->SetName("ProgressBar");
        source.AddObject(std::move(extra));
        source.SaveToFile(file);
    }
    TSeSkinEngine engine(nullptr);
    Record(engine);
    engine.SetSkinFile(file);  // no skin before: no "before"
    EXPECT_EQ(events, std::vector<std::string>{"after 2"});
    engine.SetSkinFile(file);
    EXPECT_EQ(events, (std::vector<std::string>{"after 2", "before locked-or-empty", "after 2"}));
    EXPECT_FALSE(engine.SkinSource()->Locked());
    EXPECT_EQ(engine.SkinSource()->GetObjectByName("progressbar")->Name(), "ProgressBar");

    // A file that is not there leaves an empty skin (the old one went first).
    engine.SetSkinFile("no-such-skin.uskn");
    EXPECT_EQ(engine.SkinSource()->Count(), 0);

    // A load error propagates, and the source stays Locked.
    engine.SetSkinFile(file);
    std::FILE* bad = std::fopen(file.c_str(), "wb");
    ASSERT_NE(bad, nullptr);
    const unsigned char record[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    1, 0, 0, 0, 0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0};
    std::fwrite(record, 1, sizeof record, bad);  // five empty strings, a bitmap of width -2
    std::fclose(bad);
    EXPECT_THROW(engine.SetSkinFile(file), framework::EStreamError);
    EXPECT_TRUE(engine.SkinSource()->Locked());
    EXPECT_EQ(engine.SkinSource()->SkinObjects(0), nullptr);
    std::remove(file.c_str());
}

void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
}

// A compressed skin file that zlib cannot confirm is an error, not a change
// to a skin that may have parts missing or wrong.
TEST_F(EngineTest, ACutCompressedSkinFileIsAnErrorAndNoChange) {
    TSeSkinEngine engine(nullptr);
    GiveSkin(*engine.SkinSource());
    framework::TMemoryStream stored;
    engine.SkinSource()->SaveToStream(stored);
    std::vector<std::uint8_t> bytes = stored.Bytes();
    bytes.resize(bytes.size() - 4);  // without zlib's checksum
    const std::string file = ::testing::TempDir() + "engine-test-cut.ztkn";
    WriteFile(file, bytes);
    Record(engine);
    EXPECT_THROW(engine.SetSkinFile(file), EDecompressionError);
    EXPECT_EQ(events, std::vector<std::string>{"before locked-or-empty"});
    EXPECT_TRUE(engine.SkinSource()->Locked());
    std::remove(file.c_str());
}

// A failed skin file leaves the source Locked and without objects; the next
// good one must unlock it, though it replaces no objects.
TEST_F(EngineTest, AGoodSkinFileAfterAFailedOneUnlocksTheSource) {
    const std::string good = ::testing::TempDir() + "engine-test-good.uskn";
    const std::string bad = ::testing::TempDir() + "engine-test-bad.uskn";
    {
        TSeSkinSource source(nullptr);
        GiveSkin(source);
        source.SaveToFile(good);
    }
    // Five empty strings, then a bitmap of width -2.
    WriteFile(bad, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                    1, 0, 0, 0, 0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0});
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(good);
    EXPECT_THROW(engine.SetSkinFile(bad), framework::EStreamError);
    ASSERT_TRUE(engine.SkinSource()->Locked());
    ASSERT_EQ(engine.SkinSource()->Count(), 0);
    Record(engine);
    engine.SetSkinFile(good);
    EXPECT_FALSE(engine.SkinSource()->Locked());
    ASSERT_NE(engine.SkinSource()->SkinObjects(0), nullptr);
    EXPECT_EQ(engine.SkinSource()->SkinObjects(0)->Name(), "Form");
    EXPECT_EQ(events, std::vector<std::string>{"after 1"});
    std::remove(good.c_str());
    std::remove(bad.c_str());
}

// A stored skin given to an engine that shows one replaces it as a skin
// file does: controls hear of it while the old bitmaps still exist, and
// again once the new skin is there.
TEST_F(EngineTest, AStoredSkinReplacingALiveOneIsAnnouncedBeforeAndAfter) {
    TSeSkinEngine engine(nullptr);
    GiveSkin(*engine.SkinSource());
    const std::vector<std::uint8_t> stored = engine.SkinStream();
    const TSeBitmap* old = engine.SkinSource()->Bitmaps().Items(0);
    Record(engine);
    bool oldBitmapsThere = false;
    engine.onBeforeChange = [&](framework::TComponent&) {
        events.push_back(std::string("before") + (engine.SkinSource()->Locked() ? " locked" : ""));
        oldBitmapsThere = engine.SkinSource()->Bitmaps().Items(0) == old;
    };
    engine.SetSkinStream(stored);
    EXPECT_EQ(events, (std::vector<std::string>{"before locked", "after 1"}));
    EXPECT_TRUE(oldBitmapsThere);
    EXPECT_FALSE(engine.SkinSource()->Locked());
    EXPECT_NE(engine.SkinSource()->SkinObjects(0), nullptr);

    // A broken one is announced the same way and keeps what was read.
    events.clear();
    std::vector<std::uint8_t> broken = stored;
    broken[5] = 0;  // the zlib header
    engine.SetSkinStream(broken);
    EXPECT_EQ(events, (std::vector<std::string>{"before locked", "after 0"}));
    EXPECT_EQ(engine.LoadError(), "error");
    EXPECT_FALSE(engine.SkinSource()->Locked());

    // Without a skin before, nothing is announced: Loaded does that for a
    // form description.
    TSeSkinEngine fresh(nullptr);
    Record(fresh);
    events.clear();
    fresh.SetSkinStream(stored);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(fresh.SkinSource()->Count(), 1);
}

}  // namespace
}  // namespace skin
