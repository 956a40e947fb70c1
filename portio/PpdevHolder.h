// Who holds a parallel port, as the kernel tells in
// /proc/sys/dev/parport/parportN/devices/active: the name of the device
// that has it claimed ("lp0" for the printer driver, "ppdevN" for a program
// on /dev/parportN), or "none" (do_active_device, drivers/parport/procfs.c).
#pragma once

#include <optional>
#include <string>

#include "portio/PpdevSystem.h"

namespace portio {

struct PortHolder {
    std::string name;
    std::string file;  // where the kernel said so
};

// The number N of the port behind a ppdev device: its minor number (the
// devices are character devices of major 99), or else the N of a path
// ending in "parportN". nullopt when neither tells.
std::optional<int> PortNumberOf(const std::string& device, PpdevSystem& system);

// The device holding the port, or nullopt when nobody does or it cannot be
// told (no such file, the port's number unknown).
std::optional<PortHolder> FindPortHolder(const std::string& device, PpdevSystem& system);

}  // namespace portio
