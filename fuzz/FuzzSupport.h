// What the fuzz targets share: reporting a broken property, and a walk over
// one object of the component stream's binary form that re-encodes it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "framework/StreamValues.h"

namespace fuzz {

// Bytes as a C string literal body: printable ASCII as it is, the rest as \xNN.
inline std::string Escaped(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        if (b >= 32 && b < 127 && b != '\\' && b != '"') {
            out += char(b);
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", b);
            out += code;
        }
    }
    return out;
}

inline std::string Escaped(std::string_view text) {
    return Escaped(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// A broken property is a finding: say which, show the data, and stop so
// that libFuzzer keeps the input as a crash artefact.
[[noreturn]] inline void Fail(std::string_view what, std::string_view details = {}) {
    std::fprintf(stderr, "\n==== fuzz property broken: %.*s\n%.*s\n", int(what.size()), what.data(),
                 int(details.size()), details.data());
    std::fflush(stderr);
    std::abort();
}

// Where two byte strings first differ, for a failure message.
inline std::string FirstDifference(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(a.size()) + " and " +
           std::to_string(b.size()) + ")";
}

struct ObjectWalk {
    // The object written again through ValueWriter: every value keeps its
    // type and content, integers and strings take their smallest tag.
    std::vector<std::uint8_t> canonical;
    // The root and every nested object.
    std::size_t objects = 0;
};

// Walks "TPF0" and one object from `input` (left just after the object),
// without knowing any class. Throws the reader's EReadError on bytes that
// are not the binary form.
inline ObjectWalk WalkObject(framework::TStream& input) {
    using framework::ValueTag;
    framework::ValueReader reader(input);
    framework::TMemoryStream output;
    framework::ValueWriter writer(output);
    ObjectWalk walk;

    struct Walker {
        framework::ValueReader& reader;
        framework::ValueWriter& writer;
        ObjectWalk& walk;

        void Value() {
            const ValueTag tag = reader.ReadTag();
            switch (tag) {
                case ValueTag::Int8:
                case ValueTag::Int16:
                case ValueTag::Int32:
                    writer.WriteInteger(reader.ReadIntegerPayload(tag));
                    break;
                case ValueTag::String:
                case ValueTag::LString:
                    writer.WriteString(reader.ReadStringPayload(tag));
                    break;
                case ValueTag::Ident:
                    writer.WriteIdent(reader.ReadIdentPayload(tag));
                    break;
                case ValueTag::False:
                case ValueTag::True:
                    writer.WriteBoolean(tag == ValueTag::True);
                    break;
                case ValueTag::Binary:
                    writer.WriteBinary(reader.ReadBinaryPayload(tag));
                    break;
                case ValueTag::Set:
                    writer.WriteSet(reader.ReadSetPayload(tag));
                    break;
                default:
                    Fail("ValueReader::ReadTag returned a tag it does not accept");
            }
        }

        void Object(int depth) {
            if (depth >= framework::kMaxObjectDepth) throw framework::EReadError(framework::errors::kTooDeep);
            ++walk.objects;
            writer.WriteName(reader.ReadName());  // class
            writer.WriteName(reader.ReadName());  // name
            while (!reader.EndOfList()) {
                writer.WriteName(reader.ReadName());
                Value();
            }
            writer.WriteListEnd();
            while (!reader.EndOfList()) Object(depth + 1);
            writer.WriteListEnd();
        }
    };

    reader.ReadSignature();
    writer.WriteSignature();
    Walker{reader, writer, walk}.Object(0);
    walk.canonical = output.Bytes();
    return walk;
}

}  // namespace fuzz
