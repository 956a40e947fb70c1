// fuzz_card_config: the CARD text of --simulate=CARD.
//
// A bad CARD is sim::CardConfigError and nothing else. A CARD that parses
// has its fault addresses inside the flash (8 MB) and the saver (128 KB),
// its lines on the card's buses,
// and written out again in the canonical syntax it parses into the same card.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "sim/CardConfig.h"

namespace {

const char* KindName(sim::CardKind kind) {
    switch (kind) {
        case sim::CardKind::Intel64: return "intel64";
        case sim::CardKind::Sharp64: return "sharp64";
        case sim::CardKind::Sharp32: return "sharp32";
        case sim::CardKind::None: return "none";
    }
    fuzz::Fail("ParseCardConfig returned a kind outside the enumeration");
}

std::string Canonical(const sim::CardConfig& card) {
    std::string text = KindName(card.kind);
    char fault[64];
    for (const sim::StuckByte& b : card.flashBad) {
        std::snprintf(fault, sizeof fault, ",flash-bad=0x%X:%u", unsigned(b.address), unsigned(b.value));
        text += fault;
    }
    for (const sim::StuckByte& b : card.saverBad) {
        std::snprintf(fault, sizeof fault, ",saver-bad=%u:0x%X", unsigned(b.address), unsigned(b.value));
        text += fault;
    }
    if (card.noSaver) text += ",no-saver";
    if (card.flashHang) text += ",flash-hang";
    const std::pair<const char*, const std::vector<std::uint32_t>*> addressed[] = {
        {"flash-weak", &card.flashWeak}, {"flash-locked", &card.flashLocked}, {"erase-fail", &card.eraseFail}};
    for (const auto& [name, addresses] : addressed)
        for (std::uint32_t address : *addresses) {
            std::snprintf(fault, sizeof fault, ",%s=0x%X", name, unsigned(address));
            text += fault;
        }
    if (card.vppLow) text += ",vpp-low";
    for (const sim::StuckLine& line : card.dataStuck) text += ",data-stuck=" + std::to_string(line.line) + ":" + std::to_string(line.value);
    for (const sim::StuckLine& line : card.addressStuck)
        text += ",addr-stuck=" + std::to_string(line.line) + ":" + std::to_string(line.value);
    for (const sim::LinePair& pair : card.addressShorts)
        text += ",addr-short=" + std::to_string(pair.a) + ":" + std::to_string(pair.b);
    if (!card.flashImagePath.empty()) text += ",flash-image=" + card.flashImagePath;
    if (!card.saverImagePath.empty()) text += ",saver-image=" + card.saverImagePath;
    return text;
}

bool SameLines(const std::vector<sim::StuckLine>& a, const std::vector<sim::StuckLine>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].line != b[i].line || a[i].value != b[i].value) return false;
    return true;
}

bool SamePairs(const std::vector<sim::LinePair>& a, const std::vector<sim::LinePair>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].a != b[i].a || a[i].b != b[i].b) return false;
    return true;
}

bool SameStuckBytes(const std::vector<sim::StuckByte>& a, const std::vector<sim::StuckByte>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].address != b[i].address || a[i].value != b[i].value) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sim::CardConfig card;
    try {
        card = sim::ParseCardConfig(text);
    } catch (const sim::CardConfigError&) {
        return 0;
    }
    const std::string input = "CARD \"" + fuzz::Escaped(text) + "\"";
    for (const sim::StuckByte& b : card.flashBad)
        if (b.address >= 0x800000) fuzz::Fail("a flash-bad address beyond the flash was accepted", input);
    for (const sim::StuckByte& b : card.saverBad)
        if (b.address >= 0x20000) fuzz::Fail("a saver-bad address beyond the saver was accepted", input);
    for (const auto* addresses : {&card.flashWeak, &card.flashLocked, &card.eraseFail})
        for (std::uint32_t address : *addresses)
            if (address >= 0x800000) fuzz::Fail("a flash fault address beyond the flash was accepted", input);
    for (const sim::StuckLine& line : card.dataStuck)
        if (line.line < 0 || line.line > 7 || line.value < 0 || line.value > 1)
            fuzz::Fail("a data line off the bus or a value other than 0 or 1 was accepted", input);
    for (const sim::StuckLine& line : card.addressStuck)
        if (line.line < 0 || line.line > 22 || line.value < 0 || line.value > 1)
            fuzz::Fail("an address line off the bus or a value other than 0 or 1 was accepted", input);
    for (const sim::LinePair& pair : card.addressShorts)
        if (pair.a < 0 || pair.a > 22 || pair.b < 0 || pair.b > 22 || pair.a == pair.b)
            fuzz::Fail("a short of lines off the bus or of one line with itself was accepted", input);
    for (const std::string* path : {&card.flashImagePath, &card.saverImagePath})
        if (path->find(',') != std::string::npos) fuzz::Fail("an image path with a comma was accepted", input);

    const std::string canonical = Canonical(card);
    sim::CardConfig again;
    try {
        again = sim::ParseCardConfig(canonical);
    } catch (const sim::CardConfigError& e) {
        fuzz::Fail("the canonical form of an accepted CARD is rejected", input + "\ncanonical: " + canonical +
                                                                            "\nerror: " + e.what());
    }
    if (again.kind != card.kind || again.noSaver != card.noSaver || again.flashHang != card.flashHang ||
        !SameStuckBytes(again.flashBad, card.flashBad) || !SameStuckBytes(again.saverBad, card.saverBad) ||
        again.flashWeak != card.flashWeak || again.flashLocked != card.flashLocked ||
        again.eraseFail != card.eraseFail || again.vppLow != card.vppLow || !SameLines(again.dataStuck, card.dataStuck) ||
        !SameLines(again.addressStuck, card.addressStuck) || !SamePairs(again.addressShorts, card.addressShorts) ||
        again.flashImagePath != card.flashImagePath || again.saverImagePath != card.saverImagePath) {
        fuzz::Fail("an accepted CARD and its canonical form give different cards", input + "\ncanonical: " + canonical);
    }
    return 0;
}
