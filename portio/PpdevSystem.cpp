#include "portio/PpdevSystem.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <vector>

namespace portio {
namespace {

class Kernel final : public PpdevSystem {
public:
    int Open(const char* path, int flags) override { return ::open(path, flags); }
    int Close(int fd) override { return ::close(fd); }
    int Ioctl(int fd, unsigned long request, void* argument) override { return ::ioctl(fd, request, argument); }
    ssize_t Read(int fd, void* buffer, std::size_t size) override { return ::read(fd, buffer, size); }
    ssize_t Write(int fd, const void* buffer, std::size_t size) override { return ::write(fd, buffer, size); }
    int Stat(const char* path, struct stat* info) override { return ::stat(path, info); }
    std::optional<std::string> GroupName(gid_t group) override {
        std::vector<char> buffer(16384);
        struct group entry{};
        struct group* found = nullptr;
        if (getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return std::nullopt;
        return std::string(found->gr_name);
    }
};

Kernel kernel;
PpdevSystem* current = &kernel;

}  // namespace

PpdevSystem& CurrentPpdevSystem() { return *current; }
void SetPpdevSystem(PpdevSystem* system) { current = system ? system : &kernel; }

}  // namespace portio
