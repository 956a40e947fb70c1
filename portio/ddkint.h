// Service helpers for a kernel-driver service, and system error texts.
//
// Each service operation opens and closes every handle it uses (the
// manager's last) and returns the system's error code: 0 for success,
// otherwise GetLastError taken right after the call that failed. None of
// them shows anything or throws.
#pragma once

#include <string>

#include "portio/CtlCode.h"
#include "portio/WinApi.h"

namespace portio {

// Registers a kernel driver started on demand, with `serviceName` also as
// its display name. An existing service gives ERROR_SERVICE_EXISTS (1073).
DWORD ServiceInstall(const char* imagePath, const char* serviceName, WinApi& api = SystemWinApi());
// A running service gives ERROR_SERVICE_ALREADY_RUNNING (1056).
DWORD ServiceStart(const char* serviceName, WinApi& api = SystemWinApi());
// Sends the stop request and returns without waiting for the service to stop.
DWORD ServiceStop(const char* serviceName, WinApi& api = SystemWinApi());
DWORD ServiceRemove(const char* serviceName, WinApi& api = SystemWinApi());

// The system's text for `code` (at most 199 characters, taken as the system
// gives it), or "" when the system has none.
std::string SystemErrorText(DWORD code, WinApi& api = SystemWinApi());

}  // namespace portio
