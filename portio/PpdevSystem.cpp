#include "portio/PpdevSystem.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
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
    std::optional<std::string> ReadTextFile(const char* path) override {
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) return std::nullopt;
        // The files read here hold a line or two; more is not looked at.
        std::string text(4096, '\0');
        std::size_t size = 0;
        int error = 0;
        while (size < text.size()) {
            const ssize_t n = ::read(fd, text.data() + size, text.size() - size);
            if (n > 0) {
                size += static_cast<std::size_t>(n);
            } else if (n == 0 || errno != EINTR) {
                if (n < 0) error = errno;
                break;
            }
        }
        ::close(fd);
        if (error != 0) {
            errno = error;
            return std::nullopt;
        }
        text.resize(size);
        return text;
    }
};

Kernel kernel;
PpdevSystem* current = &kernel;

}  // namespace

PpdevSystem& CurrentPpdevSystem() { return *current; }
void SetPpdevSystem(PpdevSystem* system) { current = system ? system : &kernel; }

}  // namespace portio
