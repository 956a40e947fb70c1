#include "cartridge/SaverAreaTest.h"

#include "cartridge/AdapterLink.h"
#include "cartridge/AreaDiagnosis.h"

#include <vector>

namespace cartridge {

void WriteSaverChunk(std::uint32_t address, const PatternBlock& buffer) {
    SetMode(ModeSaver);
    SetMode(ModeSaverStream);
    SetAddress(2 * address);
    for (std::uint32_t i = 0; i < 128; ++i) {
        const std::uint8_t value = buffer[(address + i) % PatternBytes];
        WriteDataByte(value);
        WriteDataByte(value);
    }
    SetMode(ModeIdle);
}

void WriteSaverArea(RunReport& report, std::uint32_t start, std::int32_t length) {
    report.ProgressStart(0, length / static_cast<std::int32_t>(PatternBytes));
    std::uint32_t block = start;
    for (std::int32_t remaining = length; remaining >= static_cast<std::int32_t>(PatternBytes);
         remaining -= PatternBytes) {
        FillSaverPattern(PatternBuffer, block);
        for (std::uint32_t j = 0; j < 128; ++j) WriteSaverChunk(block + 128 * j, PatternBuffer);
        block += PatternBytes;
        report.ProgressStep();
    }
}

void VerifySaverArea(RunReport& report, std::uint32_t start, std::int32_t length) {
    SetMode(ModeSaver);
    SetMode(ModeSaverStream);
    std::uint32_t adapterAddress = 2 * start;
    const std::int32_t adapterLength = 2 * length;
    report.ProgressStart(0, adapterLength / 4096);

    // The sample: the first 32 saver bytes of each 128 read, over the first
    // half of the area and one burst more. A thorough verify compares every
    // byte of every burst over the whole area and counts every mismatch.
    const bool thorough = report.Thorough();
    const std::uint32_t compared = thorough ? 128 : 32;
    const int lastChunk = thorough ? adapterLength / 256 - 1 : adapterLength / 512;
    BurstWords burst;
    int errors = 0;
    int chunk = 0;
    std::uint64_t mismatches = 0, bytesCompared = 0;
    // A thorough verify keeps what it read for the diagnosis.
    std::vector<std::uint8_t> readBack, wanted;
    if (thorough) {
        readBack.resize(static_cast<std::size_t>(lastChunk + 1) * 128);
        wanted.resize(readBack.size());
    }
    do {
        const std::uint32_t saverAddress = adapterAddress >> 1;
        ReadBurst(adapterAddress, burst);
        // Each saver byte answers in the low half of its 16-bit position.
        for (std::uint32_t j = 0; j < compared; ++j) {
            const std::uint8_t got = static_cast<std::uint8_t>(burst[j]);
            const std::uint8_t expected = SaverPattern(saverAddress + j);
            if (thorough) {
                readBack[saverAddress + j - start] = got;
                wanted[saverAddress + j - start] = expected;
            }
            if (got == expected) continue;
            ++mismatches;
            report.ErrorFlag = true;
            if (thorough && errors > SaverErrorLimit) continue;
            report.AppendLine(ErrorLine(saverAddress + j, got, expected));
            ++errors;
        }
        bytesCompared += compared;
        adapterAddress += 256;
        if (chunk % 8 == 0) report.ProgressStep();
        ++chunk;
    } while (chunk <= lastChunk && (thorough || errors <= SaverErrorLimit));
    SetMode(ModeIdle);
    if (!thorough) return;
    report.AppendLine(DifferLine("SAVER Area", mismatches, bytesCompared));
    for (const std::string& line : DiagnoseArea({.start = start, .expected = wanted, .got = readBack, .lineOfBit0 = 1}))
        report.AppendLine(line);
}

}  // namespace cartridge
