// The log of a run that finds nothing wrong, as every test of a whole run
// expects it: the card's line, both areas checked and passed, the end line
// (with its trailing blanks, as the window shows them).
#pragma once

#include <string>
#include <vector>

namespace cartridge::test {

inline const std::string kEndLine = "End of Diagnostic.      ";

// The lines, for a card found as `found` ("32Mbit(Sharp) Card Found").
inline std::vector<std::string> GoodRunLines(const std::string& found) {
    return {found, "* Program Flash Area", "* Verify Flash Area", "Flash Area Pass.", "* write SAVER Area",
            "* verify SAVER Area", "SAVER Area Pass.", kEndLine};
}

// The same log as a file or stdout holds it: each line ended by a line feed.
inline std::string GoodRunText(const std::string& found) {
    std::string text;
    for (const std::string& line : GoodRunLines(found)) text += line + "\n";
    return text;
}

}  // namespace cartridge::test
