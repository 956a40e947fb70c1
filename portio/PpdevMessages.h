// What the user reads when a ppdev device cannot be used: what is missing
// and what to do about it.
#pragma once

#include <string>

#include "portio/PpdevSystem.h"

namespace portio {

// The open failed with `error`: no device, no permission (naming the
// device's group when it grants access) or another reason.
std::string OpenFailureMessage(const std::string& device, int error, PpdevSystem& system);

// "'DEVICE' WHAT: REASON".
std::string DeviceFailureMessage(const std::string& device, const std::string& what, int error);

// The port offers `modes` (PARPORT_MODE_* bits) but not EPP.
std::string NoEppMessage(const std::string& device, unsigned int modes);

// The kernel names `holder` as the port's holder in `file`.
std::string PortHeldMessage(const std::string& device, const std::string& holder, const std::string& file);

// PPCLAIM was waiting for another holder and a signal ended the wait.
std::string ClaimInterruptedMessage(const std::string& device);

// What the adapter sees on an ECP+EPP port through the kernel.
std::string EcpEppWarning(const std::string& device);

}  // namespace portio
