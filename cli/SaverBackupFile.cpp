#include "cli/SaverBackupFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cartridge/CardContents.h"
#include "cli/OutputFile.h"

namespace runner {

std::vector<std::uint8_t> LoadSaverBackup(const std::string& path) {
    const std::string name = "'" + path + "'";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) throw FileError("cannot read " + name + ": " + std::strerror(errno));
    std::vector<std::uint8_t> bytes(cartridge::SaverBytes + 1);
    errno = 0;
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get()))
        throw FileError("cannot read " + name + ": " + std::strerror(errno != 0 ? errno : EIO));
    if (got != cartridge::SaverBytes)
        throw FileError(name + " is not a saver backup: a backup holds exactly " +
                        std::to_string(cartridge::SaverBytes) + " bytes, this holds " +
                        (got > cartridge::SaverBytes ? "more" : std::to_string(got)));
    bytes.resize(got);
    return bytes;
}

}  // namespace runner
