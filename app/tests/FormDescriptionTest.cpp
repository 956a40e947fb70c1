// The window's stored description, checked natively before any window exists.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/ObjectText.h"

namespace app {
namespace {

std::string DescriptionText() {
    std::ifstream in(FLASHDIAG_FORM_TEXT, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string WithoutCarriageReturns(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

TEST(FormDescriptionTest, TextIsInTheConverterOwnLayout) {
    const std::string text = DescriptionText();
    ASSERT_FALSE(text.empty());
    // Converting to binary and back gives the file again: the file holds no
    // layout the converter would not write itself.
    const std::string back = framework::ObjectBinaryToText(framework::ObjectTextToBinary(text));
    EXPECT_EQ(WithoutCarriageReturns(back), WithoutCarriageReturns(text));
}

}  // namespace
}  // namespace app
