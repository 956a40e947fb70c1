// The window's --log: the log's lines after a run, as a file.
#pragma once

#include <string>
#include <vector>

namespace app {

// Writes `lines` to `path`, each ending in a bare line feed as the console
// runner prints them, so that the two programs' logs compare byte for byte.
// The file is written whole (see files/OutputFile.h): a log that cannot be
// written in full leaves the earlier file under the name, not half of this
// one. A path that is not a regular file (a device such as /dev/stdout, a
// directory) is refused: the window has no console to carry the log, and a
// device cannot take the rename that makes a log appear only when complete.
// Throws files::FileError.
void WriteLogFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace app
