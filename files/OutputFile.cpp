#include "files/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/QuotedName.h"

namespace files {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& what, const std::string& path, const std::string& reason) {
    throw FileError("cannot " + what + " " + Quoted(path) + ": " + reason);
}
[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
    Fail(what, path, std::string(std::strerror(error)));
}

// The platform's calls on a file descriptor.
#ifdef _WIN32
int CreateNew(const std::string& path) {
    return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long WriteSome(int fd, const std::uint8_t* bytes, std::size_t size) {
    return _write(fd, bytes, static_cast<unsigned>(size));
}
int Flush(int fd) { return _commit(fd); }
int CloseFile(int fd) { return _close(fd); }
// Windows' rename never replaces a file.
int RenameNoReplace(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()); }
#else
int CreateNew(const std::string& path) { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644); }
long WriteSome(int fd, const std::uint8_t* bytes, std::size_t size) { return ::write(fd, bytes, size); }
int Flush(int fd) { return ::fsync(fd); }
int CloseFile(int fd) { return ::close(fd); }
// A link fails when the name is taken (rename would replace it silently).
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) return -1;
    ::unlink(from.c_str());
    return 0;
}
#endif

// ".NAME.partial" in the target's directory: the rename stays on one file system.
std::string TemporaryFor(const std::string& path) {
    const fs::path target(path);
    std::string name = ".";
    name += target.filename().string();
    name += ".partial";
    return (target.parent_path() / name).string();
}

}  // namespace

OutputFile::OutputFile(std::string path, bool replace) : path_(std::move(path)), replace_(replace) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path_, error);
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            throw FileError(Quoted(path_) + " is not a regular file; name a new file");
        if (!replace_) throw FileError(Quoted(path_) + " exists; --force replaces it");
    }
    temporary_ = TemporaryFor(path_);
    fd_ = CreateNew(temporary_);
    if (fd_ < 0) {
        if (errno == EEXIST)
            throw FileError(Quoted(temporary_) + " is left from an unfinished run; remove it first");
        Fail("create", temporary_, errno);
    }
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Discard() {
    if (fd_ >= 0) CloseFile(fd_);
    fd_ = -1;
    if (!committed_ && !temporary_.empty()) std::remove(temporary_.c_str());
}

void OutputFile::Commit(std::span<const std::uint8_t> bytes) {
    try {
        for (std::size_t done = 0; done < bytes.size();) {
            const long n = WriteSome(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) Fail("write", temporary_, n < 0 ? errno : ENOSPC);
            done += static_cast<std::size_t>(n);
        }
        if (Flush(fd_) != 0) Fail("write", temporary_, errno);
        const int fd = fd_;
        fd_ = -1;
        if (CloseFile(fd) != 0) Fail("write", temporary_, errno);
        if (replace_) {
            std::error_code error;
            fs::rename(temporary_, path_, error);
            if (error) Fail("rename " + Quoted(temporary_) + " to", path_, error.message());
        } else if (RenameNoReplace(temporary_, path_) != 0) {
            const int renameError = errno;
            std::error_code ignored;
            if (fs::exists(fs::symlink_status(path_, ignored)))
                throw FileError(Quoted(path_) + " appeared during the run; --force replaces it");
            Fail("rename " + Quoted(temporary_) + " to", path_, renameError);
        }
        committed_ = true;
    } catch (...) {
        Discard();
        throw;
    }
}

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    OutputFile file(path, true);
    file.Commit(bytes);
}

}  // namespace files
