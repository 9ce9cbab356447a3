#include "emulator/common/terminal_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/case_name.h"

namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string shown;
};

class TerminalTexts : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(TerminalTexts, ShowControlsEscapedAndTheRestAsIs) {
    EXPECT_EQ(emulator::TerminalText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    TerminalText, TerminalTexts,
    ::testing::Values(
        EscapeCase{"Plain", "menu \"Carré\"\tnot found\n", "menu \"Carré\"\tnot found\n"},
        EscapeCase{"TitleAndClear", "\x1b]0;TITLE\x07\x1b[2J", "\\x1b]0;TITLE\\x07\\x1b[2J"},
        EscapeCase{"CarriageReturnBackspaceDelete", "a\rb\bc\x7f", "a\\x0db\\x08c\\x7f"},
        EscapeCase{"NulInside", std::string("a\0b", 3), "a\\x00b"},
        // U+009B is a terminal's one-byte CSI; U+00A0 and U+00E9 are text.
        EscapeCase{"C1Control",
                   "\xC2\x9B"
                   "2J \xC2\xA0 \xC3\xA9",
                   "\\xc2\\x9b2J \xC2\xA0 \xC3\xA9"},
        EscapeCase{"LeadByteAtTheEnd", "x\xC2", "x\xC2"}),
    CaseName<EscapeCase>);

TEST(TerminalText, EscapesAControlSplitBetweenTwoWrites) {
    std::ostringstream terminal;
    {
        emulator::TerminalTextBuffer buffer(terminal.rdbuf());
        std::ostream out(&buffer);
        out << "a\xC2" << std::flush << "\x9B"
            << "b\xC2";
        out << "\xA0\x1b" << std::endl;
    }
    EXPECT_EQ(terminal.str(), "a\\xc2\\x9bb\xC2\xA0\\x1b\n");
}

}  // namespace
