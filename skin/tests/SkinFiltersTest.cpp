// The stored forms of a skin: both contents, the four filters, files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/ComponentStreaming.h"
#include "framework/FrameworkError.h"
#include "skin/ProgramFolder.h"
#include "skin/storage/SkinFilters.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/storage/SkinSource.h"
#include "skin/storage/StreamString.h"
#include "skin/gfx/WindowsBitmapFile.h"

namespace skin {
namespace {

using framework::TMemoryStream;

void Fill(TSeSkinSource& source) {
    source.SetSkinName("Tester");
    source.SetSkinVersion("3.1.0");
    source.SetAuthorURL("");
    for (const char* name : {"t_body", "t_icons", "t_body"}) {
        auto bitmap = std::make_unique<TSeBitmap>();
        bitmap->SetName(name);
        bitmap->SetSize(5, 3);
        for (int i = 0; i < 15; ++i) bitmap->Bits()[i] = 0xFF000000u | std::uint32_t(i * 0x10305);
        bitmap->Bits()[0] = kKeyPixel;
        source.Bitmaps().Add(std::move(bitmap));
    }
    auto form = std::make_unique<TSeSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(skForm);
    auto* caption = new TSeActiveBitmap(form.get());
    caption->SetName("Caption");
    caption->Bitmap()->SetName("T_BODY");
    caption->Bitmap()->SetRight(4);
    caption->Bitmap()->SetBottom(2);
    source.AddObject(std::move(form));
    auto bar = std::make_unique<TSeBitmapObject>(nullptr);
    bar->SetName("ProgressBar");
    source.AddObject(std::move(bar));
    // As a loaded skin: links resolved (a resolved link takes its bitmap's
    // name, "t_body").
    for (int i = 0; i < source.Count(); ++i) {
        source.SkinObjects(i)->SetBitmapList(&source.Bitmaps());
        source.SkinObjects(i)->LinkBitmaps();
    }
}

std::vector<std::uint8_t> Saved(TSeSkinFilter& filter, TSeSkinSource& source) {
    TMemoryStream stream;
    filter.SetSource(&source);
    filter.SaveToStream(stream);
    return stream.Bytes();
}

void Load(TSeSkinFilter& filter, TSeSkinSource& source, const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    filter.SetSource(&source);
    filter.LoadFromStream(stream);
}

std::vector<std::uint8_t> ObjectBytes(const TSeSkinSource& source) {
    std::vector<std::uint8_t> all;
    for (int i = 0; i < source.Count(); ++i) {
        const auto bytes = framework::ComponentToBinary(source.StoredObject(i));
        all.insert(all.end(), bytes.begin(), bytes.end());
    }
    return all;
}

class FiltersTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinObjectClasses();
        Fill(original);
    }
    TSeSkinSource original{nullptr};
};

TEST_F(FiltersTest, EveryFilterRoundTripsTheSkin) {
    for (const SkinFilterClass& filterClass : SkinFilters()) {
        SCOPED_TRACE(std::string(filterClass.className));
        auto filter = filterClass.create();
        const auto bytes = Saved(*filter, original);
        TSeSkinSource copy(nullptr);
        Load(*filter, copy, bytes);
        EXPECT_EQ(copy.SkinName(), "Tester");
        EXPECT_EQ(copy.SkinVersion(), "3.1.0");
        EXPECT_EQ(copy.AuthorURL(), "");
        ASSERT_EQ(copy.Bitmaps().Count(), 3);
        EXPECT_EQ(copy.Bitmaps().Items(1)->Name(), "t_icons");
        EXPECT_EQ(ObjectBytes(copy), ObjectBytes(original));
        const bool quantized = filterClass.fileExtension == "mskn";
        for (int i = 0; i < 15; ++i) {
            const TPixel want = original.Bitmaps().Items(2)->Bits()[i];
            const TPixel got = copy.Bitmaps().Items(2)->Bits()[i];
            if (i == 0 || !quantized) {
                EXPECT_EQ(got, want) << i;  // the key pixel comes back exactly
            } else {
                EXPECT_EQ(got & 0xF8FCF8, want & 0xF8FCF8) << i;  // 5-6-5 keeps the top bits
            }
        }
        // Links are resolved in the loaded skin's bitmaps: the last "t_body".
        auto* caption = dynamic_cast<TSeActiveBitmap*>(copy.GetFormObject()->Child(0));
        ASSERT_NE(caption, nullptr);
        EXPECT_TRUE(caption->Bitmap()->Valid());
        EXPECT_EQ(caption->Bitmap()->Image(), copy.Bitmaps().Items(2));
        EXPECT_EQ(caption->BitmapList(), &copy.Bitmaps());
    }
}

TEST_F(FiltersTest, StoredFormsCarryTheSignatureAndZlibAtTheFiltersLevels) {
    TSeSkinFilterUncompressed plain;
    const auto content = Saved(plain, original);
    TSeSkinSource reread(nullptr);
    Load(plain, reread, content);
    EXPECT_EQ(Saved(plain, reread), content);  // byte for byte
    TMemoryStream header(content);
    EXPECT_EQ(ReadStreamString(header), "Tester");

    TSeSkinFilterCompressed compressed;
    TSeSkinFilterUltraCompressed ultra;
    const auto fast = Saved(compressed, original);
    const auto best = Saved(ultra, original);
    EXPECT_EQ(std::string(fast.begin(), fast.begin() + 6), std::string("ZTLZ\x78\x01", 6));
    EXPECT_EQ(std::string(best.begin(), best.begin() + 6), std::string("ZTLZ\x78\xDA", 6));
    // The signature is not checked.
    auto other = fast;
    other[0] = 'X';
    TSeSkinSource copy(nullptr);
    Load(compressed, copy, other);
    EXPECT_EQ(copy.Count(), 2);
}

TEST_F(FiltersTest, NearMagentaBecomesTheKeyColourOnLoading) {
    TSeSkinSource source(nullptr);
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetSize(3, 1);
    bitmap->Bits()[0] = 0xFFFA03FB;  // within 5 of magenta
    bitmap->Bits()[1] = 0xFFF900FF;  // 6 away in red
    bitmap->Bits()[2] = 0xFFFF00FF;
    source.Bitmaps().Add(std::move(bitmap));
    TSeSkinFilterUncompressed plain;
    TSeSkinSource copy(nullptr);
    Load(plain, copy, Saved(plain, source));
    const TPixel* p = copy.Bitmaps().Items(0)->Bits();
    EXPECT_EQ(p[0], kKeyPixel);
    EXPECT_EQ(p[1], 0xFFF900FFu);
    EXPECT_EQ(p[2], kKeyPixel);
}

// The standard reader takes what a short stream holds; the alternative one
// fails. Neither crashes or loops at any cut.
TEST_F(FiltersTest, CutContentLoadsItsPrefixOrFailsCleanly) {
    TSeSkinFilterUncompressed plain;
    const auto content = Saved(plain, original);
    int lastBitmaps = 0;
    for (std::size_t length = 0; length < content.size(); ++length) {
        TSeSkinSource copy(nullptr);
        Load(plain, copy, std::vector<std::uint8_t>(content.begin(), content.begin() + std::ptrdiff_t(length)));
        EXPECT_GE(copy.Bitmaps().Count(), lastBitmaps) << length;
        lastBitmaps = copy.Bitmaps().Count();
        EXPECT_LE(copy.Count(), 2);
    }
    TSeSkinFilterMaxCompression max;
    TSeSkinFilterUncompressed raw;  // the alternative content without zlib around it
    TMemoryStream alternative;
    max.SetSource(&original);
    max.WriteData(alternative);
    for (std::size_t length = 0; length < alternative.Bytes().size(); ++length) {
        TSeSkinSource copy(nullptr);
        TMemoryStream cut(std::span(alternative.Bytes()).first(length));
        max.SetSource(&copy);
        EXPECT_ANY_THROW(max.ReadData(cut)) << length;
    }
}

TEST_F(FiltersTest, CountsTheDataCannotHoldEndWithTheData) {
    TMemoryStream stream;
    for (int i = 0; i < 5; ++i) WriteStreamString(stream, "h");
    stream.WriteInt32(2000000000);  // bitmaps announced
    WriteStreamString(stream, "one");
    stream.WriteInt32(1);
    stream.WriteInt32(1);
    stream.WriteUInt32(0xFF123456);
    stream.SetPosition(0);
    TSeSkinSource source(nullptr);
    TSeSkinFilterUncompressed plain;
    plain.SetSource(&source);
    plain.ReadData(stream);
    ASSERT_EQ(source.Bitmaps().Count(), 1);
    EXPECT_EQ(source.Bitmaps().Items(0)->GetPixel(0, 0), 0xFF123456u);

    // A huge bitmap claimed by a short record allocates nothing.
    TMemoryStream huge;
    for (int i = 0; i < 5; ++i) WriteStreamString(huge, "");
    huge.WriteInt32(1);
    WriteStreamString(huge, "big");
    huge.WriteInt32(0x7FFFFFFF);
    huge.WriteInt32(0x7FFFFFFF);
    huge.SetPosition(0);
    plain.ReadData(huge);
    ASSERT_EQ(source.Bitmaps().Count(), 1);  // what was read: its name
    EXPECT_EQ(source.Bitmaps().Items(0)->Name(), "big");
    EXPECT_TRUE(source.Bitmaps().Items(0)->Empty());

    // A negative size is not short data but inconsistent data.
    TMemoryStream negative;
    for (int i = 0; i < 5; ++i) WriteStreamString(negative, "");
    negative.WriteInt32(1);
    WriteStreamString(negative, "neg");
    negative.WriteInt32(-2);
    negative.WriteInt32(2);
    negative.SetPosition(0);
    EXPECT_THROW(plain.ReadData(negative), framework::EStreamError);
}

// The standard content inside stored deflate blocks, which hold it byte for
// byte: a field can be changed where it lies, and only zlib's checksum at
// the end of the stream tells that anything changed.
std::vector<std::uint8_t> StoredBlocks(const std::vector<std::uint8_t>& content) {
    TMemoryStream stream;
    stream.WriteBuffer(TSeSkinFilterCompressed::kSignature, sizeof TSeSkinFilterCompressed::kSignature);
    TCompressionStream deflate(TCompressionLevel::clNone, stream);
    deflate.WriteBuffer(content.data(), content.size());
    deflate.Finish();
    return stream.Bytes();
}

// A damaged compressed skin used to load as far as a damaged length or size
// that looked larger than the rest of the data, as if the skin ended there.
TEST_F(FiltersTest, DamagedOrCutCompressedSkinsFailWithTheZlibError) {
    TSeSkinFilterUncompressed plain;
    const auto intact = StoredBlocks(Saved(plain, original));
    TSeSkinFilterCompressed compressed;
    {
        TSeSkinSource copy(nullptr);
        Load(compressed, copy, intact);
        ASSERT_EQ(copy.Count(), 2);
    }
    const std::string name = "t_body";  // the first bitmap's name
    const std::size_t nameAt = std::size_t(std::search(intact.begin(), intact.end(), name.begin(), name.end()) - intact.begin());
    ASSERT_LT(nameAt, intact.size());
    const auto changed = [&](std::size_t at, std::uint32_t value) {
        auto bytes = intact;
        for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(value >> (8 * i));
        return bytes;
    };
    const auto deflated = Saved(compressed, original);
    auto checksum = deflated;
    checksum.back() ^= 1;
    const std::pair<const char*, std::vector<std::uint8_t>> damaged[] = {
        {"a string length beyond the data", changed(nameAt - 4, 0x7FFFFFF0)},
        {"a bitmap width beyond the data", changed(nameAt + name.size(), 0x7FFFFFFF)},
        {"a wrong checksum", checksum},
        {"the checksum cut off", std::vector<std::uint8_t>(deflated.begin(), deflated.end() - 4)},
    };
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        for (const SkinFilterClass* filterClass : {&SkinFilters()[1], &SkinFilters()[3]}) {
            auto filter = filterClass->create();
            TSeSkinSource copy(nullptr);
            try {
                Load(*filter, copy, bytes);
                ADD_FAILURE() << filterClass->className << " loaded " << copy.Bitmaps().Count() << " bitmaps and "
                              << copy.Count() << " objects";
            } catch (const EDecompressionError& e) {
                EXPECT_STREQ(e.what(), kZlibError);
            } catch (const std::exception& e) {
                ADD_FAILURE() << filterClass->className << " failed with another error: " << e.what();
            }
        }
    }
}

// A 0 x 0 bitmap is written as a bitmap file of no pixels, which the
// reader of the same filter must take back, with everything after it.
TEST_F(FiltersTest, AnEmptyBitmapTravelsThroughTheBitmapFileFilter) {
    auto empty = std::make_unique<TSeBitmap>();
    empty->SetName("nothing");
    original.Bitmaps().Add(std::move(empty));
    TSeSkinFilterMaxCompression max;
    const auto bytes = Saved(max, original);
    TSeSkinSource copy(nullptr);
    Load(max, copy, bytes);
    ASSERT_EQ(copy.Bitmaps().Count(), 4);
    EXPECT_EQ(copy.Bitmaps().Items(3)->Name(), "nothing");
    EXPECT_TRUE(copy.Bitmaps().Items(3)->Empty());
    EXPECT_EQ(ObjectBytes(copy), ObjectBytes(original));
    EXPECT_EQ(Saved(max, copy), bytes);
}

// A 1-bit bitmap file of 32768 x 2048 pixels is 8 MB of zeros, a few
// kilobytes once compressed; its pixels would take 256 MB.
TEST_F(FiltersTest, ASmallBitmapFileSkinCannotClaimAHugeBitmap) {
    TMemoryStream content;
    for (int i = 0; i < 5; ++i) WriteStreamString(content, "");
    content.WriteInt32(1);
    WriteStreamString(content, "huge");
    const std::uint32_t width = 32768, height = 2048, stride = width / 8, offset = 14 + 40 + 8;
    std::vector<std::uint8_t> file(offset + std::size_t(stride) * height);
    const auto put = [&](std::size_t at, std::uint32_t v) {
        for (std::size_t i = 0; i < 4; ++i) file[at + i] = std::uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, std::uint32_t(file.size()));
    put(10, offset);
    put(14, 40);
    put(18, width);
    put(22, height);
    put(26, 1 | 1 << 16);  // one plane, 1 bit per pixel
    put(46, 2);            // two palette entries
    put(58, 0xFFFFFF);
    content.WriteInt32(std::int32_t(file.size()));
    content.WriteBuffer(file.data(), file.size());
    content.WriteInt32(0);
    TMemoryStream stored;
    stored.WriteBuffer(TSeSkinFilterCompressed::kSignature, sizeof TSeSkinFilterCompressed::kSignature);
    {
        TCompressionStream deflate(TCompressionLevel::clMax, stored);
        deflate.WriteBuffer(content.Bytes().data(), content.Bytes().size());
        deflate.Finish();
    }
    ASSERT_LT(stored.Size(), 16384);
    TSeSkinFilterMaxCompression max;
    TSeSkinSource copy(nullptr);
    try {
        Load(max, copy, stored.Bytes());
        FAIL() << "loaded a bitmap of " << copy.Bitmaps().Items(0)->Width() << " x " << copy.Bitmaps().Items(0)->Height();
    } catch (const EInvalidBitmapFile& e) {
        EXPECT_STREQ(e.what(), "Invalid bitmap file: more pixels than a skin bitmap may have");
    }
    EXPECT_EQ(copy.Bitmaps().Count(), 0);
}

// An object with more children than the stored count can hold is not
// saved at all, rather than as a file that has lost most of them.
TEST_F(FiltersTest, TooManyChildrenFailTheSaveAndLeaveNoFile) {
    TSeSkinObject* bar = original.SkinObjects(1);
    for (int i = 0; i < 65541; ++i) framework::NewComponent<TSeSkinObject>(bar);
    const std::string file = ::testing::TempDir() + "filters-test-children.uskn";
    std::remove(file.c_str());
    EXPECT_THROW(original.SaveToFile(file), framework::EWriteError);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(FiltersTest, UnregisteredClassesAreReadPastAndBadTextsStopTheLoad) {
    TMemoryStream stream;
    for (int i = 0; i < 5; ++i) WriteStreamString(stream, "");
    stream.WriteInt32(0);
    stream.WriteInt32(3);
    WriteStreamString(stream, "TSeUnknown");
    WriteStreamString(stream, "object X: TSeUnknown\r\nend\r\n");
    WriteStreamString(stream, "TSeSkinObject");
    WriteStreamString(stream, "object Known: TSeSkinObject\r\nend\r\n");
    WriteStreamString(stream, "TSeSkinObject");
    WriteStreamString(stream, "object Broken TSeSkinObject\r\n");
    stream.SetPosition(0);
    TSeSkinSource source(nullptr);
    TSeSkinFilterUncompressed plain;
    plain.SetSource(&source);
    EXPECT_ANY_THROW(plain.ReadData(stream));
    ASSERT_EQ(source.Count(), 1);  // what was read before the bad record stays
    EXPECT_EQ(source.SkinObjects(0)->Name(), "Known");
}

TEST(SkinFilterRegistryTest, FiltersAreFoundByExtensionWithoutCase) {
    ASSERT_EQ(SkinFilters().size(), 4u);
    const char* extensions[] = {"uskn", "ztkn", "xskn", "mskn"};
    const char* descriptions[] = {"Uncompressed Skin", "Compressed Skin", "Ultra Compressed Skin", "Maximum Compressed"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(SkinFilters()[i].fileExtension, extensions[i]);
        EXPECT_EQ(SkinFilters()[i].fileDescription, descriptions[i]);
    }
    EXPECT_EQ(FindSkinFilter("skin.XSKN"), &SkinFilters()[2]);
    EXPECT_EQ(FindSkinFilter("dir.mskn/skin.uskn"), &SkinFilters()[0]);
    EXPECT_EQ(FindSkinFilter("skin.zip"), nullptr);
    EXPECT_EQ(FindSkinFilter("skin"), nullptr);
    EXPECT_EQ(&DefaultSkinFilter(), &SkinFilters()[1]);
}

std::vector<std::uint8_t> FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(FiltersTest, FilesAreChosenByExtensionAndLookedForBesideTheProgram) {
    const std::string dat = ::testing::TempDir() + "filters-test-skin.dat";
    original.SaveToFile(dat);  // no such filter: the default, compressed
    const auto saved = FileBytes(dat);
    ASSERT_GT(saved.size(), 6u);
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 6), std::string("ZTLZ\x78\x01", 6));
    std::remove(dat.c_str());

    // A relative name missing here is looked for in the program's folder.
    const std::string name = "filters-test-skin.XSKN";
    const std::string besideProgram = ProgramFolder() + name;
    original.SaveToFile(besideProgram);
    TSeSkinSource copy(nullptr);
    copy.LoadFromFile(name);
    EXPECT_EQ(copy.Count(), 2);
    std::remove(besideProgram.c_str());

    TSeSkinSource untouched(nullptr);
    Fill(untouched);
    untouched.LoadFromFile("no-such-skin.ztkn");
    untouched.LoadFromFile("");
    const std::string zip = ::testing::TempDir() + "filters-test-skin.zip";
    original.SaveToFile(zip);
    untouched.LoadFromFile(zip);  // a file, but no filter's: nothing happens
    EXPECT_EQ(untouched.Count(), 2);
    std::remove(zip.c_str());
}

}  // namespace
}  // namespace skin
