#include "skin/storage/SkinFilters.h"

#include <algorithm>

#include "framework/TextUtil.h"

namespace skin {

namespace {

template <class T>
std::unique_ptr<TSeSkinFilter> Make() {
    return std::make_unique<T>();
}

}  // namespace

void TSeSkinFilterCompressed::LoadFromStream(framework::TStream& stream) {
    // The signature is read past, not compared.
    char signature[sizeof kSignature];
    stream.Read(signature, sizeof signature);
    TDecompressionStream inflate(stream);
    // The content's reader stops where the data seems to end, and damaged
    // data can seem to end early (a length beyond the rest of it). Only zlib
    // can tell, once it has checked the whole stream: nothing is accepted
    // before that, and when both fail its error is the one reported.
    try {
        ReadData(inflate);
    } catch (const EZlibError&) {
        throw;
    } catch (...) {
        inflate.CheckToEnd();
        throw;
    }
    inflate.CheckToEnd();
}

void TSeSkinFilterCompressed::SaveToStream(framework::TStream& stream) {
    stream.WriteBuffer(kSignature, sizeof kSignature);
    TCompressionStream deflate(Level(), stream);
    WriteData(deflate);
    deflate.Finish();
}

const std::vector<SkinFilterClass>& SkinFilters() {
    static const std::vector<SkinFilterClass> filters = {
        {TSeSkinFilterUncompressed::kClassName, "uskn", "Uncompressed Skin", &Make<TSeSkinFilterUncompressed>},
        {TSeSkinFilterCompressed::kClassName, "ztkn", "Compressed Skin", &Make<TSeSkinFilterCompressed>},
        {TSeSkinFilterUltraCompressed::kClassName, "xskn", "Ultra Compressed Skin", &Make<TSeSkinFilterUltraCompressed>},
        {TSeSkinFilterMaxCompression::kClassName, "mskn", "Maximum Compressed", &Make<TSeSkinFilterMaxCompression>},
    };
    return filters;
}

const SkinFilterClass& DefaultSkinFilter() { return SkinFilters()[1]; }

const SkinFilterClass* FindSkinFilter(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return nullptr;
    const std::string_view extension = fileName.substr(dot + 1);
    for (const SkinFilterClass& filter : SkinFilters())
        if (framework::SameText(extension, filter.fileExtension)) return &filter;
    return nullptr;
}

}  // namespace skin
