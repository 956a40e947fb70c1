#include "framework/BinaryPropertyEdit.h"

#include <string>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "framework/StreamValues.h"
#include "framework/TextUtil.h"

namespace framework {

namespace {

class PropertyFinder {
public:
    PropertyFinder(std::span<const std::uint8_t> bytes, std::string_view objectName, std::string_view propertyName)
        : stream_(bytes), reader_(stream_), objectName_(objectName), propertyName_(propertyName) {}

    // The byte range to replace: the property's name and value, or an empty
    // range where the object's properties end.
    std::pair<std::int64_t, std::int64_t> Find() {
        reader_.ReadSignature();
        Object(0);
        if (!found_) throw EReadError("No object named " + QuotedForMessage(objectName_));
        return {start_, end_};
    }

private:
    void Object(int depth) {
        if (depth >= kMaxObjectDepth) throw EReadError(errors::kTooDeep);
        reader_.ReadClassName();
        const std::string name = reader_.ReadObjectName();
        const bool target = !found_ && SameText(name, objectName_);
        for (;;) {
            const std::int64_t at = stream_.Position();
            if (reader_.EndOfList()) {
                if (target && !found_) Found(at, at);
                break;
            }
            const std::string property = reader_.ReadPropertyName();
            const bool wanted = SameText(property, propertyName_);
            SkipValue();
            if (target && wanted && !found_) Found(at, stream_.Position());
        }
        while (!reader_.EndOfList()) Object(depth + 1);
    }

    void SkipValue() {
        const ValueTag tag = reader_.ReadTag();
        switch (tag) {
            case ValueTag::Int8:
            case ValueTag::Int16:
            case ValueTag::Int32: reader_.ReadIntegerPayload(tag); break;
            case ValueTag::String:
            case ValueTag::LString: reader_.ReadStringPayload(tag); break;
            case ValueTag::Ident: reader_.ReadIdentPayload(tag); break;
            case ValueTag::Binary: reader_.ReadBinaryPayload(tag); break;
            case ValueTag::Set: reader_.ReadSetPayload(tag); break;
            default: break;  // True and False carry nothing
        }
    }

    void Found(std::int64_t start, std::int64_t end) {
        found_ = true;
        start_ = start;
        end_ = end;
    }

    TMemoryStream stream_;
    ValueReader reader_;
    std::string_view objectName_;
    std::string_view propertyName_;
    bool found_ = false;
    std::int64_t start_ = 0;
    std::int64_t end_ = 0;
};

}  // namespace

std::vector<std::uint8_t> SetBinaryProperty(std::span<const std::uint8_t> stream, std::string_view objectName,
                                            std::string_view propertyName, std::span<const std::uint8_t> value) {
    const auto [start, end] = PropertyFinder(stream, objectName, propertyName).Find();
    TMemoryStream property;
    ValueWriter writer(property);
    writer.WriteName(propertyName);
    writer.WriteBinary(value);
    std::vector<std::uint8_t> result(stream.begin(), stream.begin() + start);
    result.insert(result.end(), property.Bytes().begin(), property.Bytes().end());
    result.insert(result.end(), stream.begin() + end, stream.end());
    return result;
}

}  // namespace framework
