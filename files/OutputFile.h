// A file written whole: the runner's flash dumps and saver backups, the
// window's log and screenshot, the skin generator's outputs.
//
// The temporary file is made at once, next to the target, so that a target
// that cannot be written is refused before the port is touched. The
// contents go in only when they are complete, and the temporary file is
// then renamed onto the target's name: a failed read or write never leaves
// a half file under that name. A target that exists is refused unless
// replacing was asked for, and one that is not a regular file (a device, a
// directory, a link) is refused always.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace files {

// A file that cannot be made, written, or read; what() names it and says why.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OutputFile {
public:
    // Throws FileError.
    OutputFile(std::string path, bool replace);
    // Removes the temporary file unless the contents were committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes `bytes`, flushes them to the disk and renames the file into
    // place. Throws FileError, after removing the temporary file.
    void Commit(std::span<const std::uint8_t> bytes);

    const std::string& Path() const { return path_; }
    const std::string& TemporaryPath() const { return temporary_; }
    bool Committed() const { return committed_; }

private:
    void Discard();

    std::string path_;
    std::string temporary_;
    bool replace_;
    int fd_ = -1;
    bool committed_ = false;
};

// Writes `bytes` as the whole of `path`, replacing a regular file there,
// through an OutputFile: on any failure the old file (or no file) is left
// under the name. Throws FileError.
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace files
