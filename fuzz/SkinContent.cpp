// fuzz_skin_content: a whole skin read by the filters, as skin files and
// the window's stored skin are read.
//
// The first byte chooses the reader, the rest is its input:
//   0  the uncompressed filter (the standard content as it is)
//   1  the alternative content read directly (bitmap files, binary records)
//   2  the compressed filter (signature, zlib, standard content)
//   3  the maximum-compression filter (signature, zlib, alternative content)
// Rejections are the library's exceptions, and the compressed readers
// accept only what zlib accepts whole. Whatever was read, complete or not,
// must be a consistent skin: written with the uncompressed filter, it
// reads back. The standard reader may change what it reads once (pixels near
// magenta become the key colour; the alternative content keeps them), so a
// second round must then give the same bytes.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ZlibCheck.h"
#include "skin/SkinError.h"
#include "skin/storage/SkinFilters.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/storage/SkinSource.h"
#include "skin/gfx/WindowsBitmapFile.h"

namespace {

// Runs `read`; true when it ended normally, false for a rejection the
// library announces. Anything else is a finding.
template <class F>
bool Accepted(F&& read) {
    try {
        read();
        return true;
    } catch (const framework::EStreamError&) {
    } catch (const framework::EParserError&) {
    } catch (const framework::EClassNotFound&) {
    } catch (const std::invalid_argument&) {
    } catch (const skin::SkinError&) {
    } catch (const skin::EInvalidBitmapFile&) {
    }
    return false;
}

std::vector<std::uint8_t> Written(skin::TSeSkinSource& source) {
    skin::TSeSkinFilterUncompressed filter;
    filter.SetSource(&source);
    framework::TMemoryStream stream;
    filter.SaveToStream(stream);
    return stream.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    skin::RegisterSkinObjectClasses();
    const std::uint8_t reader = data[0] % 4;
    framework::TMemoryStream input(std::span(data + 1, size - 1));
    skin::TSeSkinSource source(nullptr);
    const bool accepted = Accepted([&] {
        std::unique_ptr<skin::TSeSkinFilter> filter;
        switch (reader) {
            case 0: filter = std::make_unique<skin::TSeSkinFilterUncompressed>(); break;
            case 1: filter = std::make_unique<skin::TSeSkinFilterMaxCompression>(); break;
            case 2: filter = std::make_unique<skin::TSeSkinFilterCompressed>(); break;
            default: filter = std::make_unique<skin::TSeSkinFilterMaxCompression>(); break;
        }
        filter->SetSource(&source);
        if (reader == 1) {
            filter->ReadData(input);
        } else {
            filter->LoadFromStream(input);
        }
    });

    if (accepted && (reader == 2 || reader == 3)) {
        const std::size_t zlibAt = size < 5 ? size : 5;  // the reader's byte, then the signature
        if (!fuzz::ZlibAcceptsWhole(std::span(data + zlibAt, size - zlibAt))) {
            fuzz::Fail("a compressed skin that zlib rejects loaded without an error");
        }
    }

    // What was read, complete or not, is a skin that can be stored again.
    std::vector<std::uint8_t> written;
    if (!Accepted([&] { written = Written(source); })) fuzz::Fail("a skin that was read cannot be written");
    std::vector<std::uint8_t> rounds[2];
    for (std::vector<std::uint8_t>& round : rounds) {
        skin::TSeSkinSource again(nullptr);
        skin::TSeSkinFilterUncompressed filter;
        filter.SetSource(&again);
        framework::TMemoryStream stored(written);
        if (!Accepted([&] { filter.LoadFromStream(stored); })) {
            fuzz::Fail("a skin written by the uncompressed filter cannot be read back",
                       "\"" + fuzz::Escaped(written) + "\"");
        }
        round = written = Written(again);
    }
    if (rounds[0] != rounds[1]) {
        fuzz::Fail("a skin read back writes other bytes", fuzz::FirstDifference(rounds[0], rounds[1]));
    }
    return 0;
}
