// flashdiag-cli: the diagnostic run without a window; see CliMain.h.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/CliMain.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes on both platforms: lines end in "\n" only.
    _setmode(_fileno(stdout), _O_BINARY);
    const bool progressOnTerminal = _isatty(_fileno(stderr));
#else
    const bool progressOnTerminal = isatty(fileno(stderr));
#endif
    return runner::RunCli(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr,
                          progressOnTerminal ? stderr : nullptr);
}
