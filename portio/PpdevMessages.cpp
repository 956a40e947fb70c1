#include "portio/PpdevMessages.h"

#include <linux/parport.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/QuotedName.h"
namespace portio {
namespace {

// Debian's udev rules give the parallel-port devices to this group.
constexpr const char* kUsualGroup = "lp";

using files::Quoted;

std::string NoDeviceHint() {
    return "load the kernel's ppdev module (sudo modprobe ppdev), or name the port with --port=/dev/parportN "
           "(or --port=0xBASE for direct port access as root)";
}

std::string JoinGroupHint(const std::string& group) {
    return "add yourself to the group " + Quoted(group) + " (sudo adduser $USER " + group +
           ") and log in again; 'id' lists the groups of this session";
}

std::string PermissionMessage(const std::string& device, PpdevSystem& system) {
    std::string message = "no permission to open " + Quoted(device) + ": ";
    struct stat info{};
    if (system.Stat(device.c_str(), &info) != 0)
        return message + "on Debian the group " + Quoted(kUsualGroup) + " grants it; " + JoinGroupHint(kUsualGroup);
    const bool groupMayUse = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    const std::optional<std::string> group = system.GroupName(info.st_gid);
    if (groupMayUse && info.st_gid != 0 && group)
        return message + "the group " + Quoted(*group) + " may use it; " + JoinGroupHint(*group);
    return message + "no group of users may use it; run as root, or give it to the group " + Quoted(kUsualGroup) +
           " as Debian's udev rules do";
}

// "parport0" for "/dev/parport0", for the path under /proc.
std::string PortName(const std::string& device) {
    const std::string name = std::filesystem::path(device).filename().string();
    return name.rfind("parport", 0) == 0 ? name : "parportN";
}

}  // namespace

std::string OpenFailureMessage(const std::string& device, int error, PpdevSystem& system) {
    switch (error) {
    case ENOENT: return "no parallel port device " + Quoted(device) + ": " + NoDeviceHint();
    case ENXIO:
    case ENODEV:
        return Quoted(device) + " has no parallel port behind it (" + std::strerror(error) + "): " + NoDeviceHint();
    case EACCES:
    case EPERM: return PermissionMessage(device, system);
    case EBUSY: return Quoted(device) + " is busy: another program has the port";
    default: return DeviceFailureMessage(device, "cannot be opened", error);
    }
}

std::string DeviceFailureMessage(const std::string& device, const std::string& what, int error) {
    return Quoted(device) + " " + what + ": " + std::strerror(error);
}

std::string NoEppMessage(const std::string& device, unsigned int modes) {
    static constexpr struct {
        unsigned int bit;
        const char* name;
    } kModes[] = {{PARPORT_MODE_PCSPP, "PCSPP"}, {PARPORT_MODE_TRISTATE, "TRISTATE"},
                  {PARPORT_MODE_COMPAT, "COMPAT"}, {PARPORT_MODE_ECP, "ECP"}, {PARPORT_MODE_DMA, "DMA"}};
    std::string offered;
    for (const auto& mode : kModes)
        if (modes & mode.bit) {
            if (!offered.empty()) offered += ',';
            offered += mode.name;
        }
    if (offered.empty()) offered = "none";
    return "the port behind " + Quoted(device) + " does not support EPP mode (it offers " + offered +
           "): set it to EPP or ECP+EPP in the firmware setup; /proc/sys/dev/parport/" + PortName(device) +
           "/modes lists what the kernel found";
}

std::string PortHeldMessage(const std::string& device, const std::string& holder, const std::string& file) {
    std::string who;
    if (holder.rfind("lp", 0) == 0)
        who = "that is the printer driver: wait for its print job to end, or unload it (sudo rmmod lp)";
    else if (holder.rfind("ppdev", 0) == 0)
        who = "that is another program on a /dev/parport device: end it ('sudo fuser -v /dev/parport*' names it)";
    else
        who = "end the program or unload the driver that uses it";
    return Quoted(device) + " is in use: the kernel names " + Quoted(holder) + " as the port's holder (" + file +
           "); " + who + ", then try again. Claiming the port now would wait, without a word, until it lets go";
}

std::string ClaimInterruptedMessage(const std::string& device) {
    return "waiting to claim " + Quoted(device) + " was interrupted: another program holds the port (the kernel "
           "names it in /proc/sys/dev/parport/" + PortName(device) + "/devices/active)";
}

std::string EcpEppWarning(const std::string& device) {
    return "warning: the port behind " + Quoted(device) + " is an ECP+EPP port: the kernel sets its control register to "
           "0x04 before every EPP write and to 0x24 before every EPP read, so the adapter sees those instead of "
           "the 0x01 and 0x00 the diagnostic writes; if the card is not found or reads wrong, set the port to EPP "
           "in the firmware setup, or use direct access as root (--port=0xBASE), which puts the port into EPP "
           "mode itself";
}

}  // namespace portio
