#include "portio/PpdevHolder.h"

#include <sys/sysmacros.h>

#include <filesystem>

namespace portio {
namespace {

constexpr unsigned kPpMajor = 99;  // PP_MAJOR, linux/major.h

std::optional<int> NumberInName(const std::string& device) {
    const std::string name = std::filesystem::path(device).filename().string();
    const std::string prefix = "parport";
    if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size() || name.size() > prefix.size() + 3)
        return std::nullopt;
    int number = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

// The first line without surrounding blanks, printable and short: it goes
// into a message.
std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    line = line.substr(first, line.find_last_not_of(" \t") - first + 1).substr(0, 64);
    for (char& c : line)
        if (c < 0x20 || c > 0x7E) c = '?';
    return line;
}

}  // namespace

std::optional<int> PortNumberOf(const std::string& device, PpdevSystem& system) {
    struct stat info{};
    if (system.Stat(device.c_str(), &info) == 0 && S_ISCHR(info.st_mode) && major(info.st_rdev) == kPpMajor)
        return static_cast<int>(minor(info.st_rdev));
    return NumberInName(device);
}

std::optional<PortHolder> FindPortHolder(const std::string& device, PpdevSystem& system) {
    const std::optional<int> number = PortNumberOf(device, system);
    if (!number) return std::nullopt;
    PortHolder holder;
    holder.file = "/proc/sys/dev/parport/parport" + std::to_string(*number) + "/devices/active";
    const std::optional<std::string> text = system.ReadTextFile(holder.file.c_str());
    if (!text) return std::nullopt;
    // One line per holder; a port has one at most.
    holder.name = FirstLine(*text);
    if (holder.name.empty() || holder.name == "none") return std::nullopt;
    return holder;
}

}  // namespace portio
