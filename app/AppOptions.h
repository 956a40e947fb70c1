// Command line of flashdiag.exe. Without flags the program is the plain
// diagnostic window; the flags exist for tests and for running it on a
// machine without a display or a parallel port:
//
//   --simulate=CARD     use a simulated card (see sim/CardConfig.h)
//   --port=inpout[:0xBASE]  drive the port at 0x378 (or BASE) through the
//                       InpOut DLL next to the program instead of the port
//                       driver
//   --trace=FILE        write every port access to FILE
//   --autorun           press RUN once the window shows
//   --exit-after-run    close the window after that run
//   --screenshot=FILE   save the whole window as a BMP file after that run
//   --log=FILE          write the log's lines after that run, one per line
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "portio/PortAddress.h"
#include "sim/CardConfig.h"

namespace app {

struct AppOptions {
    std::optional<sim::CardConfig> card;
    std::optional<portio::PortAddress> port;  // always of the InpOut kind
    std::optional<std::string> tracePath;
    bool autorun = false;
    bool exitAfterRun = false;
    std::optional<std::string> screenshotPath;
    std::optional<std::string> logPath;
};

class AppUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws AppUsageError for an unknown flag, an empty file name, a bad CARD,
// a --port other than inpout[:BASE], --port with --simulate,
// or an after-run flag without --autorun (there would be no run to follow).
AppOptions ParseAppOptions(const std::vector<std::string>& args);

extern const char* const AppUsage;

}  // namespace app
