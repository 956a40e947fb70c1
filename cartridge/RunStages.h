// Work a caller adds around the area checks of a run, such as keeping the
// card's contents before the checks destroy them and writing the saves
// back afterwards. The window adds none.
#pragma once

#include "cartridge/RunReport.h"

namespace cartridge {

class RunStages {
public:
    virtual ~RunStages() = default;
    // After the card is identified (or assumed), before the first area
    // check; called only when there is a card. False skips the area checks
    // and AfterAreaChecks.
    virtual bool BeforeAreaChecks(RunReport& report) = 0;
    // After the area checks, before the run's last line.
    virtual void AfterAreaChecks(RunReport& report) = 0;
};

}  // namespace cartridge
