// Skin filters: the four stored forms of a skin, and the registry that
// chooses one by file extension.
//
//   class                          extension  stored form                      content
//   TSeSkinFilterUncompressed      uskn       the content itself               standard
//   TSeSkinFilterCompressed        ztkn       "ZTLZ", then zlib level 1        standard
//   TSeSkinFilterUltraCompressed   xskn       "ZTLZ", then zlib level 9        standard
//   TSeSkinFilterMaxCompression    mskn       "ZTLZ", then zlib level 9        alternative
//
// Standard content: the five header strings, the bitmap count and records
// (name, width, height, pixels), the object count and records (class name,
// text form). The standard reader takes what a short stream holds and stops
// at its end. Alternative content: the same strings and counts, bitmaps as
// 16-bit Windows bitmap files and objects as binary records (both with byte
// counts); its reader fails on a short stream. See SkinObjectRecords.h for
// the object records. The signature is written but not checked on reading.
// A compressed stored form is accepted only once zlib has checked it to its
// end (its checksum): damaged or cut compressed data is EDecompressionError,
// also where the content read so far looked complete or merely short.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "skin/storage/ZStream.h"

namespace skin {

class TSeSkinSource;

class TSeSkinFilter : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeSkinFilter";
    std::string_view ClassName() const override { return kClassName; }

    TSeSkinSource* Source() const { return source_; }
    void SetSource(TSeSkinSource* source) { source_ = source; }

    // The content (standard here), read into or written from Source;
    // nothing without a Source. Reading clears the source first, so a read
    // that fails part-way leaves what was read so far.
    virtual void ReadData(framework::TStream& stream);
    virtual void WriteData(framework::TStream& stream);
    // The stored form around the content. Nothing in this base class.
    virtual void LoadFromStream(framework::TStream& /*stream*/) {}
    virtual void SaveToStream(framework::TStream& /*stream*/) {}

private:
    TSeSkinSource* source_ = nullptr;
};

class TSeSkinFilterUncompressed : public TSeSkinFilter {
public:
    static constexpr std::string_view kClassName = "TSeSkinFilterUncompressed";
    std::string_view ClassName() const override { return kClassName; }
    void LoadFromStream(framework::TStream& stream) override { ReadData(stream); }
    void SaveToStream(framework::TStream& stream) override { WriteData(stream); }
};

class TSeSkinFilterCompressed : public TSeSkinFilter {
public:
    static constexpr std::string_view kClassName = "TSeSkinFilterCompressed";
    static constexpr char kSignature[4] = {'Z', 'T', 'L', 'Z'};
    std::string_view ClassName() const override { return kClassName; }
    void LoadFromStream(framework::TStream& stream) override;
    void SaveToStream(framework::TStream& stream) override;

protected:
    virtual TCompressionLevel Level() const { return TCompressionLevel::clFastest; }
};

class TSeSkinFilterUltraCompressed : public TSeSkinFilterCompressed {
public:
    static constexpr std::string_view kClassName = "TSeSkinFilterUltraCompressed";
    std::string_view ClassName() const override { return kClassName; }

protected:
    TCompressionLevel Level() const override { return TCompressionLevel::clMax; }
};

class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
public:
    static constexpr std::string_view kClassName = "TSeSkinFilterMaxCompression";
    std::string_view ClassName() const override { return kClassName; }
    void ReadData(framework::TStream& stream) override;
    void WriteData(framework::TStream& stream) override;
};

// A registered filter class: its file extension (without the dot), the text
// shown for the file type, and how to make one.
struct SkinFilterClass {
    std::string_view className;
    std::string_view fileExtension;
    std::string_view fileDescription;
    std::unique_ptr<TSeSkinFilter> (*create)();
};

// The registered filters: uncompressed, compressed, ultra compressed,
// maximum compression.
const std::vector<SkinFilterClass>& SkinFilters();
// The compressed filter, used where no file name chooses one.
const SkinFilterClass& DefaultSkinFilter();
// The filter whose extension is the file name's (from its last dot),
// compared without regard to letter case; nullptr when none is.
const SkinFilterClass* FindSkinFilter(std::string_view fileName);

}  // namespace skin
