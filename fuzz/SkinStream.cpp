// fuzz_skin_stream: the engine's stored skin as a form description hands it
// over (the flag byte, then the compressed filter's container).
//
// Reading never throws: a broken skin leaves what was read and says why.
// A skin loads without an error only when zlib accepts its compressed
// stream whole, checksum included; when zlib does not, the error is zlib's,
// whatever the content looked like until then. The engine then stores its
// skin, and that stored skin, read by a fresh engine, loads without an
// error and is stored as the same bytes.
#include <cstdint>
#include <exception>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "fuzz/ZlibCheck.h"
#include "skin/SkinEngine.h"
#include "skin/storage/ZStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skin::RegisterSkinClasses();
    skin::TSeSkinEngine engine(nullptr);
    std::vector<std::uint8_t> stored;
    try {
        engine.SetSkinStream(std::span(data, size));
        stored = engine.SkinStream();
    } catch (const std::exception& e) {
        fuzz::Fail("the stored skin threw", e.what());
    }
    if (size > 0 && data[0] != 0) {
        // The flag byte and the four bytes of the signature come first.
        const std::size_t zlibAt = size < 5 ? size : 5;
        const bool whole = fuzz::ZlibAcceptsWhole(std::span(data + zlibAt, size - zlibAt));
        if (!whole && engine.LoadError().empty()) fuzz::Fail("a skin that zlib rejects loaded without an error");
        if (!whole && engine.LoadError() != skin::kZlibError) {
            fuzz::Fail("a skin that zlib rejects failed with another error", engine.LoadError());
        }
    }
    if (stored.empty() || (stored[0] != 0 && stored[0] != 2)) fuzz::Fail("the stored skin has no valid flag");
    skin::TSeSkinEngine copy(nullptr);
    copy.SetSkinStream(stored);
    if (!copy.LoadError().empty()) fuzz::Fail("a stored skin does not load again", copy.LoadError());
    if (copy.SkinStream() != stored) fuzz::Fail("a stored skin read again is stored as other bytes");
    return 0;
}
