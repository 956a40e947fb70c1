#include "cartridge/FlashAreaTest.h"

#include "cartridge/AdapterLink.h"
#include "cartridge/AreaDiagnosis.h"
#include "cartridge/CardIdentification.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"

#include <cstdio>
#include <vector>

namespace cartridge {
namespace {

std::string NotReadyLine(std::uint32_t address) {
    char line[48];
    std::snprintf(line, sizeof line, "err $%06X flash not ready", static_cast<unsigned>(address));
    return line;
}

}  // namespace

void ProgramFlashArea(RunReport& report, std::uint32_t start, std::int32_t length) {
    ResetFlashBanks();
    const std::uint32_t eraseBlock = EraseBlockBytes(ReadCardId());
    if (eraseBlock == 0) return;
    report.ProgressStart(0, length / static_cast<std::int32_t>(PatternBytes));
    ResetFlashBanks();

    std::uint32_t block = start;
    for (std::int32_t remaining = length; remaining >= static_cast<std::int32_t>(PatternBytes);
         remaining -= PatternBytes) {
        FillFlashPattern(PatternBuffer, block);
        std::uint32_t lastAddress = block;
        bool ready = block % eraseBlock != 0 || EraseFlashBlock(block);
        for (std::uint32_t j = 0; ready && j < PatternBytes / 32; ++j) {
            lastAddress = block + 32 * j;
            ready = ProgramFlashBuffer(lastAddress, PatternBuffer);
        }
        if (!ready) {
            report.AppendLine(NotReadyLine(lastAddress));
            report.ErrorFlag = true;
            return;
        }
        block += PatternBytes;
        report.ProgressStep();
    }
}

void VerifyFlashArea(RunReport& report, std::uint32_t start, std::int32_t length) {
    ResetFlashBanks();
    const std::uint32_t eraseBlock = EraseBlockBytes(ReadCardId());
    if (eraseBlock == 0) {
        // Nothing was tested: that must not end in a pass line.
        report.AppendLine(NoCardLine);
        report.ErrorFlag = true;
        return;
    }
    report.ProgressStart(0, length / static_cast<std::int32_t>(PatternBytes));
    ResetFlashBanks();

    // The sample is the first 32 bytes of each burst; a thorough verify
    // compares all 256 it reads anyway, and reads on past the line limit to
    // count every mismatch.
    const bool thorough = report.Thorough();
    const int compared = thorough ? 256 : 32;
    int errors = 0;
    std::uint64_t mismatches = 0, bytesCompared = 0;
    std::uint32_t address = start;
    // A thorough verify keeps what it read for the diagnosis.
    std::vector<std::uint8_t> readBack, wanted;
    if (thorough) {
        readBack.resize(length / PatternBytes * PatternBytes);
        wanted.resize(readBack.size());
    }
    BurstWords burst;
    for (std::int32_t remaining = length;
         remaining >= static_cast<std::int32_t>(PatternBytes) && (thorough || errors < FlashErrorLimit);
         remaining -= PatternBytes) {
        FillFlashPattern(PatternBuffer, address);
        SetMode(ModeFlash);
        SetMode(ModeFlashStream);
        for (int n = 0; n < 64; ++n) {
            ReadBurst(address, burst);
            const std::uint32_t offset = address % PatternBytes;
            for (int j = 0; j < compared; ++j) {
                const std::uint8_t got = BurstByte(burst, j);
                const std::uint8_t expected = PatternBuffer[offset + j];
                if (thorough) {
                    readBack[address - start + j] = got;
                    wanted[address - start + j] = expected;
                }
                if (got == expected) continue;
                ++mismatches;
                report.ErrorFlag = true;
                if (thorough && errors >= FlashErrorLimit) continue;
                report.AppendLine(ErrorLine(address + j, got, expected));
                ++errors;
            }
            bytesCompared += compared;
            address += 256;
        }
        SetMode(ModeIdle);
        report.ProgressStep();
    }
    if (errors >= FlashErrorLimit) report.AppendLine("more...");
    if (!thorough) return;
    report.AppendLine(DifferLine("Flash Area", mismatches, bytesCompared));
    for (const std::string& line :
         DiagnoseArea({.start = start, .expected = wanted, .got = readBack, .lineOfBit0 = 0, .eraseBlockBytes = eraseBlock}))
        report.AppendLine(line);
}

}  // namespace cartridge
