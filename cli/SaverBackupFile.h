// Reading a saver backup for --restore-saver: exactly the saver's 128 KB,
// saver byte 0 first, as --backup-saver writes it.
#pragma once

#include <string>
#include <vector>

namespace runner {

// Throws FileError when the file cannot be read or is not a backup's size.
// Reads at most one byte more than a backup holds, whatever the file is.
std::vector<std::uint8_t> LoadSaverBackup(const std::string& path);

}  // namespace runner
