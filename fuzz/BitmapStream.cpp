// fuzz_bitmap_stream: bitmap records read one after another from one
// stream, as a skin file holds its bitmaps.
//
// A record is: name (signed 32-bit count, then the characters), width,
// height (signed 32-bit each), then |width| x |height| pixels of 4 bytes.
// The reader rejects a record with framework::EStreamError or
// skin::SkinError, which ends the list. A record it accepts:
//   * must be consumed exactly: the next record starts right after its
//     pixels, or every record after it is read from the wrong place;
//   * written back with SaveToStream gives its bytes again, with the sizes
//     as the bitmap holds them: |width| x |height|, or 0 x 0 for a record
//     without pixels.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "fuzz/FuzzSupport.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/SkinError.h"

namespace {

std::int32_t Int32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::int32_t(std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                        std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24);
}

void PutInt32(std::vector<std::uint8_t>& out, std::int64_t value) {
    const auto v = std::uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(v >> shift));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    framework::TMemoryStream input(bytes);
    for (int index = 0; input.Remaining() > 0; ++index) {
        const std::size_t start = std::size_t(input.Position());
        skin::TSeBitmap bitmap;
        try {
            bitmap.LoadFromStream(input);
        } catch (const framework::EStreamError&) {
            return 0;
        } catch (const skin::SkinError&) {
            return 0;
        }
        const std::size_t end = std::size_t(input.Position());
        const std::span<const std::uint8_t> record = bytes.subspan(start, end - start);
        const std::string where = "record " + std::to_string(index) + " at byte " + std::to_string(start) +
                                  ": \"" + fuzz::Escaped(record) + "\"";

        // An accepted record holds at least its name count, name and sizes.
        const std::int32_t nameCount = record.size() >= 4 ? Int32At(record, 0) : -1;
        if (nameCount < 0 || record.size() < 12 + std::size_t(nameCount)) {
            fuzz::Fail("a record shorter than its header was accepted", where);
        }
        const std::size_t nameLength = std::size_t(nameCount);
        const std::size_t header = 12 + nameLength;
        const std::int32_t storedWidth = Int32At(record, 4 + nameLength);
        const std::int32_t storedHeight = Int32At(record, 8 + nameLength);
        const std::uint64_t width = std::uint64_t(std::llabs(storedWidth));
        const std::uint64_t height = std::uint64_t(std::llabs(storedHeight));
        const bool hasPixels = width != 0 && height != 0;
        const std::uint64_t pixels = width * height;  // below 2^63
        if (pixels > (record.size() - header) / 4 || header + pixels * 4 != record.size()) {
            fuzz::Fail("a record was read with another length than its sizes give",
                       "sizes " + std::to_string(storedWidth) + " x " + std::to_string(storedHeight) + ": read " +
                           std::to_string(record.size() - header) + " pixel bytes\n" + where);
        }

        std::vector<std::uint8_t> expected(record.begin(), record.begin() + std::ptrdiff_t(4 + nameLength));
        PutInt32(expected, hasPixels ? width : 0);
        PutInt32(expected, hasPixels ? height : 0);
        expected.insert(expected.end(), record.begin() + std::ptrdiff_t(header), record.end());

        framework::TMemoryStream saved;
        bitmap.SaveToStream(saved);
        if (saved.Bytes() != expected) {
            fuzz::Fail("a record read and saved again changed",
                       fuzz::FirstDifference(expected, saved.Bytes()) + "\n" + where + "\nsaved: \"" +
                           fuzz::Escaped(saved.Bytes()) + "\"");
        }
    }
    return 0;
}
