// fuzz-seeds: writes the seed corpus of every fuzz target into
// ROOT/<target>/. The build runs it; the same program writes the same files.
//
// The window's form description is added by the build (formconv), the
// rest comes from here: every skin object class written through the
// component stream format (once with its defaults, once with every stored
// property changed), a tree of nested objects, a few bitmap records, CARD
// texts and command lines, and small skins in every stored form.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "files/OutputFile.h"
#include "framework/ComponentStreaming.h"
#include "framework/ObjectText.h"
#include "framework/Property.h"
#include "framework/Stream.h"
#include "framework/StreamValues.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinObject.h"
#include "skin/SkinEngine.h"
#include "skin/storage/SkinFilters.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/TextObject.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path root;

void Write(const std::string& target, const std::string& name, const void* data, std::size_t size) {
    const fs::path dir = root / target;
    fs::create_directories(dir);
    files::WriteWholeFile((dir / name).string(), {static_cast<const std::uint8_t*>(data), size});
}
void Write(const std::string& target, const std::string& name, const Bytes& bytes) {
    Write(target, name, bytes.data(), bytes.size());
}
void Write(const std::string& target, const std::string& name, const std::string& text) {
    Write(target, name, text.data(), text.size());
}

// Gives every stored property of `object` (and of the objects it contains)
// a value other than its default, so that each one appears in the stream.
// `n` runs through the properties, so that integers take every tag and
// strings both forms of the text (short, and cut into pieces).
void ChangeEveryProperty(framework::TPersistent& object, int& n) {
    using framework::PropertyKind;
    static const std::int64_t kIntegers[] = {7, -3, 300, -40000, 123456, 100, 0x7FFF0000};
    static const framework::TColor kColors[] = {framework::clBtnFace, 0x123456, framework::clWhite, 0x00FF00};
    static const int kCharsets[] = {0, 204, 238, 77};
    for (const framework::PropertyInfo* info : object.Properties().All()) {
        const int k = n++;
        switch (info->kind) {
            case PropertyKind::Integer:
                info->setOrdinal(object, kIntegers[k % std::size(kIntegers)]);
                break;
            case PropertyKind::Color:
                info->setOrdinal(object, kColors[k % std::size(kColors)]);
                break;
            case PropertyKind::Charset:
                info->setOrdinal(object, kCharsets[k % std::size(kCharsets)]);
                break;
            case PropertyKind::Boolean:
                info->setOrdinal(object, info->getOrdinal(object) ? 0 : 1);
                break;
            case PropertyKind::Enumeration:
                info->setOrdinal(object, (info->getOrdinal(object) + 1) % std::int64_t(info->enumInfo->Count()));
                break;
            case PropertyKind::Set:
                info->setOrdinal(object, std::int64_t(0b101) & ((std::int64_t{1} << info->enumInfo->Count()) - 1));
                break;
            case PropertyKind::String:
                info->setString(object, k % 3 == 2 ? std::string(70, 'w') + "'quoted'\t" : "Piece" + std::to_string(k));
                break;
            case PropertyKind::Object:
                if (framework::TPersistent* sub = info->getObject(object)) ChangeEveryProperty(*sub, n);
                break;
            case PropertyKind::Event:
            case PropertyKind::Binary:
                break;  // skin objects have none
        }
    }
}

std::unique_ptr<skin::TSeSkinObject> Create(const skin::SkinObjectClass& cls, const std::string& name) {
    std::unique_ptr<skin::TSeSkinObject> object(cls.create(nullptr));
    object->SetName(name);
    return object;
}

// The text form of `parent` with `child` nested inside it. Skin objects do
// not write their children, so a tree is assembled in the text form.
std::string Nest(const std::string& parent, const std::string& child) {
    const std::string end = "end\r\n";
    std::string indented;
    std::size_t from = 0;
    while (from < child.size()) {
        const std::size_t lineEnd = child.find('\n', from);
        const std::size_t to = lineEnd == std::string::npos ? child.size() : lineEnd + 1;
        indented += "  " + child.substr(from, to - from);
        from = to;
    }
    return parent.substr(0, parent.size() - end.size()) + indented + end;
}

void WriteSkinObjects() {
    skin::RegisterSkinObjectClasses();
    std::vector<std::string> texts;
    int n = 0;
    for (const skin::SkinObjectClass& cls : skin::SkinObjectClasses()) {
        const std::string name(cls.className);
        const Bytes plain = framework::ComponentToBinary(*Create(cls, ""));
        auto changed = Create(cls, name.substr(3));
        ChangeEveryProperty(*changed, n);
        const Bytes full = framework::ComponentToBinary(*changed);
        const std::string text = framework::ObjectBinaryToText(full);
        for (const char* target : {"fuzz_object_bin2text", "fuzz_component_read"}) {
            Write(target, name + "-plain.bin", plain);
            Write(target, name + ".bin", full);
        }
        Write("fuzz_object_text2bin", name + ".txt", text);
        texts.push_back(text);
    }
    // Two children under a root, the first with a child of its own.
    const std::string tree = Nest(Nest(texts[0], Nest(texts[1], texts[2])), texts[3]);
    const Bytes treeBinary = framework::ObjectTextToBinary(tree);
    Write("fuzz_object_text2bin", "tree.txt", tree);
    Write("fuzz_object_bin2text", "tree.bin", treeBinary);
    Write("fuzz_component_read", "tree.bin", treeBinary);

    // Values in tags larger than they need: the converter must treat them
    // like their smallest form.
    framework::TMemoryStream wide;
    framework::ValueWriter w(wide);
    w.WriteSignature();
    w.WriteName("TSeSkinObject");
    w.WriteName("Wide");
    w.WriteName("Left");
    wide.WriteUInt8(std::uint8_t(framework::ValueTag::Int32));
    wide.WriteInt32(5);
    w.WriteName("Font.Name");
    wide.WriteUInt8(std::uint8_t(framework::ValueTag::LString));
    wide.WriteInt32(5);
    wide.WriteBuffer("Arial", 5);
    w.WriteListEnd();
    w.WriteListEnd();
    Write("fuzz_object_bin2text", "wide-tags.bin", wide.Bytes());
    Write("fuzz_component_read", "wide-tags.bin", wide.Bytes());
}

Bytes BitmapRecord(const std::string& name, int width, int height) {
    skin::TSeBitmap bitmap;
    bitmap.SetName(name);
    bitmap.SetSize(width, height);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) *bitmap.PixelPtr(x, y) = skin::TPixel(0xFF000000u | (x * 40) << 8 | y * 60);
    framework::TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

void WriteBitmaps() {
    const Bytes buttons = BitmapRecord("Buttons", 6, 4);
    const Bytes dot = BitmapRecord("", 1, 1);
    const Bytes empty = BitmapRecord("Empty", 0, 0);
    Write("fuzz_bitmap_stream", "buttons.bmr", buttons);
    Write("fuzz_bitmap_stream", "dot.bmr", dot);
    Write("fuzz_bitmap_stream", "empty.bmr", empty);
    Bytes list = buttons;
    list.insert(list.end(), empty.begin(), empty.end());
    list.insert(list.end(), dot.begin(), dot.end());
    Write("fuzz_bitmap_stream", "three-records.bmr", list);
}

// A small skin: two bitmaps and a form object with children, as every
// reader of whole skins takes it (the first byte of a content seed chooses
// the reader: see SkinContent.cpp).
void WriteSkins() {
    skin::TSeSkinEngine engine(nullptr);
    skin::TSeSkinSource& source = *engine.SkinSource();
    source.SetSkinName("Seeds");
    for (const char* name : {"seed_body", "seed_icons"}) {
        auto bitmap = std::make_unique<skin::TSeBitmap>();
        bitmap->SetName(name);
        bitmap->SetSize(6, 4);
        for (int i = 0; i < 24; ++i) bitmap->Bits()[i] = 0xFF000000u | std::uint32_t(i * 0x0A0B0C);
        bitmap->Bits()[0] = skin::kKeyPixel;
        source.Bitmaps().Add(std::move(bitmap));
    }
    auto form = std::make_unique<skin::TSeSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(skin::skForm);
    auto* caption = new skin::TSeActiveBitmap(form.get());
    caption->SetName("Caption");
    caption->Bitmap()->SetName("seed_body");
    caption->Bitmap()->SetRight(3);
    caption->Bitmap()->SetBottom(2);
    auto* close = new skin::TSeSystemButton(caption);
    close->SetName("CloseButton");
    close->SetAction(skin::sbaClose);
    new skin::TSeTextObject(form.get());
    source.AddObject(std::move(form));
    source.AddObject(std::make_unique<skin::TSeBitmapObject>(nullptr));

    const std::uint8_t readers[] = {0, 2, 3};
    const skin::SkinFilterClass* filters[] = {&skin::SkinFilters()[0], &skin::SkinFilters()[1], &skin::SkinFilters()[3]};
    for (int i = 0; i < 3; ++i) {
        auto filter = filters[i]->create();
        filter->SetSource(&source);
        framework::TMemoryStream stream;
        stream.WriteUInt8(readers[i]);
        filter->SaveToStream(stream);
        Write("fuzz_skin_content", std::string(filters[i]->fileExtension) + ".seed", stream.Bytes());
    }
    skin::TSeSkinFilterMaxCompression alternative;
    alternative.SetSource(&source);
    framework::TMemoryStream raw;
    raw.WriteUInt8(1);
    alternative.WriteData(raw);
    Write("fuzz_skin_content", "alternative-content.seed", raw.Bytes());
    Write("fuzz_skin_stream", "stored.seed", engine.SkinStream());
    Write("fuzz_skin_stream", "empty.seed", Bytes{0});
}

void WriteCommandLines() {
    const char* cards[] = {
        "intel64", "sharp64,flash-bad=0x400101:0x12,saver-bad=7:0", "sharp32,no-saver", "none,flash-hang",
        "intel64,flash-bad=8388607:255,saver-bad=0x1FFFF:0xFF,no-saver,flash-hang",
        "sharp64,flash-weak=0x100010,flash-locked=0x210000,erase-fail=0x3F0000,vpp-low",
    };
    int i = 0;
    for (const char* card : cards) Write("fuzz_card_config", "card" + std::to_string(i++) + ".txt", std::string(card));

    // Arguments are separated by NUL bytes.
    using namespace std::string_literals;
    const std::string lines[] = {
        "--simulate=intel64"s,
        "--simulate=sharp64,flash-bad=0x400101:0x12\0--trace=-\0--no-size-check\0--no-flash\0--no-saver"s,
        "--help"s,
        "--port=/dev/parport0\0--read-flash=flash.bin\0--backup-saver=s.bin\0--restore-saver=s.bin\0--force"s,
        "--port=0xD010\0--only-read\0--backup-saver=s.bin"s,
        "--simulate=none\0--autorun\0--exit-after-run\0--screenshot=run.bmp\0--log=run.log\0--trace=t.txt"s,
    };
    i = 0;
    for (const std::string& line : lines) Write("fuzz_cli_options", "args" + std::to_string(i++) + ".bin", line);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fuzz-seeds ROOT\n", stderr);
        return 2;
    }
    root = argv[1];
    try {
        WriteSkinObjects();
        WriteBitmaps();
        WriteSkins();
        WriteCommandLines();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz-seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
