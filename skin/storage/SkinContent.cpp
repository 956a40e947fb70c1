// The two contents a filter reads and writes: the standard one (bitmaps as
// pixel records, objects as text records) and the alternative one of the
// maximum-compression filter (bitmaps as bitmap files, objects as binary
// records).
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "framework/FrameworkError.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/storage/SkinFilters.h"
#include "skin/objects/SkinObject.h"
#include "skin/storage/SkinObjectRecords.h"
#include "skin/storage/SkinSource.h"
#include "skin/storage/StreamString.h"
#include "skin/gfx/WindowsBitmapFile.h"

namespace skin {

namespace {

using HeaderSetter = void (TSeSkinSource::*)(const std::string&);
constexpr HeaderSetter kHeaderSetters[] = {&TSeSkinSource::SetSkinName, &TSeSkinSource::SetSkinVersion,
                                           &TSeSkinSource::SetAuthor, &TSeSkinSource::SetAuthorEMail,
                                           &TSeSkinSource::SetAuthorURL};

// Loaded skin pixels within 5 of this colour become the key colour.
constexpr TPixel kLoaderKeyColour = 0x00FF00FF;

void WriteHeader(framework::TStream& stream, const TSeSkinSource& source) {
    for (const std::string* text : {&source.SkinName(), &source.SkinVersion(), &source.Author(),
                                    &source.AuthorEMail(), &source.AuthorURL()}) {
        WriteStreamString(stream, *text);
    }
}

void WriteCount(framework::TStream& stream, int count) { stream.WriteInt32(std::int32_t(count)); }

// A top-level object joins the source with the source's bitmaps, its links
// resolved.
void AddObject(TSeSkinSource& source, std::unique_ptr<TSeSkinObject> object) {
    TSeSkinObject* added = source.AddObject(std::move(object));
    added->SetBitmapList(&source.Bitmaps());
    added->LinkBitmaps();
}

}  // namespace

// Every field is read with reads that stop at the end of the data: a short
// stream loads what it holds (a bitmap cut within its pixels comes with the
// pixels that arrived), and a count the data cannot hold ends where the data
// does instead of looping on. Inconsistent data (a negative size) and
// objects whose text is not a valid description are errors.
void TSeSkinFilter::ReadData(framework::TStream& stream) {
    TSeSkinSource* source = Source();
    if (!source) return;
    source->Clear();
    std::string text;
    for (HeaderSetter set : kHeaderSetters) {
        if (!TryReadStreamString(stream, text)) return;
        (source->*set)(text);
    }
    std::int32_t count = 0;
    if (!TryReadInt32(stream, count)) return;
    for (std::int32_t i = 0; i < count; ++i) {
        auto bitmap = std::make_unique<TSeBitmap>();
        const bool complete = bitmap->LoadFromStreamTolerant(stream);
        if (!complete && bitmap->Empty() && bitmap->Name().empty()) return;
        bitmap->ReplaceNearColor(kLoaderKeyColour);
        source->Bitmaps().Add(std::move(bitmap));
        if (!complete) return;
    }
    if (!TryReadInt32(stream, count)) return;
    for (std::int32_t i = 0; i < count; ++i) {
        std::string className;
        if (!TryReadStreamString(stream, className) || !TryReadStreamString(stream, text)) return;
        if (TSeSkinObject* object = ObjectFromText(className, text, nullptr)) {
            AddObject(*source, std::unique_ptr<TSeSkinObject>(object));
        }
    }
}

void TSeSkinFilter::WriteData(framework::TStream& stream) {
    const TSeSkinSource* source = Source();
    if (!source) return;
    WriteHeader(stream, *source);
    WriteCount(stream, source->Bitmaps().Count());
    for (int i = 0; i < source->Bitmaps().Count(); ++i) source->Bitmaps().Items(i)->SaveToStream(stream);
    WriteCount(stream, source->Count());
    for (int i = 0; i < source->Count(); ++i) WriteObjectRecord(stream, source->StoredObject(i));
}

void TSeSkinFilterMaxCompression::ReadData(framework::TStream& stream) {
    TSeSkinSource* source = Source();
    if (!source) return;
    source->Clear();
    for (HeaderSetter set : kHeaderSetters) (source->*set)(ReadStreamString(stream));
    const std::int32_t bitmaps = stream.ReadInt32();
    for (std::int32_t i = 0; i < bitmaps; ++i) {
        std::string name = ReadStreamString(stream);
        const std::vector<std::uint8_t> file = ReadStreamBytes(stream);
        auto bitmap = std::make_unique<TSeBitmap>();
        DecodeWindowsBitmap(file, *bitmap);
        // 16-bit colours come back near the key colour, not on it.
        bitmap->ReplaceNearColor(kKeyPixel);
        bitmap->SetName(std::move(name));
        source->Bitmaps().Add(std::move(bitmap));
    }
    const std::int32_t objects = stream.ReadInt32();
    for (std::int32_t i = 0; i < objects; ++i) {
        if (TSeSkinObject* object = ReadObjectBinary(stream, nullptr)) {
            AddObject(*source, std::unique_ptr<TSeSkinObject>(object));
        }
    }
}

void TSeSkinFilterMaxCompression::WriteData(framework::TStream& stream) {
    const TSeSkinSource* source = Source();
    if (!source) return;
    WriteHeader(stream, *source);
    WriteCount(stream, source->Bitmaps().Count());
    for (int i = 0; i < source->Bitmaps().Count(); ++i) {
        const TSeBitmap& bitmap = *source->Bitmaps().Items(i);
        WriteStreamString(stream, bitmap.Name());
        WriteStreamBytes(stream, EncodeBitmap565(bitmap));
    }
    WriteCount(stream, source->Count());
    for (int i = 0; i < source->Count(); ++i) WriteObjectBinary(stream, source->StoredObject(i));
}

}  // namespace skin
