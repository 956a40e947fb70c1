// The system calls the ppdev backend makes, behind an interface so that
// tests can put a fake device (routing the EPP cycles to the simulator) in
// the kernel's place. Each returns what the system call returns and sets
// errno the same way.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace portio {

class PpdevSystem {
public:
    virtual ~PpdevSystem() = default;
    virtual int Open(const char* path, int flags) = 0;
    virtual int Close(int fd) = 0;
    virtual int Ioctl(int fd, unsigned long request, void* argument) = 0;
    virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
    virtual ssize_t Write(int fd, const void* buffer, std::size_t size) = 0;
    // Which port a device is (its minor number), and for the messages: who
    // may open it.
    virtual int Stat(const char* path, struct stat* info) = 0;
    virtual std::optional<std::string> GroupName(gid_t group) = 0;
    // The whole of a small text file (the kernel's files under /proc), or
    // nullopt with errno.
    virtual std::optional<std::string> ReadTextFile(const char* path) = 0;
};

// The system the named ports use: the kernel's unless a test put another
// in its place (nullptr puts the kernel's back).
PpdevSystem& CurrentPpdevSystem();
void SetPpdevSystem(PpdevSystem* system);

}  // namespace portio
