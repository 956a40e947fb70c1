#include "cli/ImageFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cartridge/CardContents.h"
#include "files/OutputFile.h"

namespace runner {

using files::FileError;

namespace {

// Up to `limit` + 1 bytes of the file: enough to tell that it is too large.
std::vector<std::uint8_t> ReadAtMost(const std::string& path, std::size_t limit) {
    const std::string name = "'" + path + "'";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) throw FileError("cannot read " + name + ": " + std::strerror(errno));
    std::vector<std::uint8_t> bytes(limit + 1);
    errno = 0;
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get()))
        throw FileError("cannot read " + name + ": " + std::strerror(errno != 0 ? errno : EIO));
    bytes.resize(got);
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> LoadSaverBackup(const std::string& path) {
    std::vector<std::uint8_t> bytes = ReadAtMost(path, cartridge::SaverBytes);
    if (bytes.size() != cartridge::SaverBytes)
        throw FileError("'" + path + "' is not a saver backup: a backup holds exactly " +
                        std::to_string(cartridge::SaverBytes) + " bytes, this holds " +
                        (bytes.size() > cartridge::SaverBytes ? "more" : std::to_string(bytes.size())));
    return bytes;
}

std::vector<std::uint8_t> LoadFlashImage(const std::string& path) {
    std::vector<std::uint8_t> bytes = ReadAtMost(path, LargestFlashBytes);
    const std::string name = "'" + path + "'";
    if (bytes.size() > LargestFlashBytes)
        throw FileError(name + " is larger than the largest card's flash (" + std::to_string(LargestFlashBytes) +
                        " bytes)");
    if (bytes.empty()) throw FileError(name + " is empty: there is nothing to write or compare");
    if (bytes.size() % 2 != 0)
        throw FileError(name + " holds " + std::to_string(bytes.size()) +
                        " bytes: the flash takes 16-bit words, so an image holds an even number of bytes");
    return bytes;
}

}  // namespace runner
