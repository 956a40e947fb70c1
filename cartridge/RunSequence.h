// The diagnostic run behind the RUN button.
#pragma once

#include <cstdint>

#include "cartridge/RunReport.h"
#include "cartridge/RunStages.h"
#include "portio/AdapterWire.h"

namespace cartridge {

constexpr std::int32_t SaverAreaBytes = portio::wire::SaverBytes;

// Clears the log, identifies the card (or assumes 32 Mbit when the size
// check is off), runs the checked area tests and ends the log with
// "End of Diagnostic.      ". Each check box is read when the run reaches
// it. Returns true when the run logged a problem: no card, a mismatch, or a
// part that never became ready. `stages`, when given, run around the area
// checks (see RunStages).
bool RunDiagnostic(RunReport& report, RunStages* stages = nullptr);

}  // namespace cartridge
