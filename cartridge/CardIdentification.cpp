#include "cartridge/CardIdentification.h"

#include "cartridge/AdapterLink.h"
#include "cartridge/FlashCommands.h"

namespace cartridge {

std::int32_t CardSize = InitialCardSize;

void DetectCard(RunReport& report) {
    CardSize = 0;
    InitAdapter();
    ResetFlashBanks();
    // The reset leaves the address at 0x200000: this reads the first part.
    const std::uint16_t id = ReadCardId();
    if (id == IntelCardId) {
        report.AppendLine("64Mbit(Intel) Card Found");
        CardSize = 0x800000;
    } else if (id == SharpCardId) {
        // A second Sharp part answers above 0x400000; no reset in between.
        SetAddress(0x400000);
        if (ReadCardId() == SharpCardId) {
            report.AppendLine("64Mbit(Sharp) Card Found");
            CardSize = 0x800000;
        } else {
            report.AppendLine("32Mbit(Sharp) Card Found");
            CardSize = 0x400000;
        }
    } else {
        report.AppendLine(NoCardLine);
    }
}

}  // namespace cartridge
