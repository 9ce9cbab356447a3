#include "emulator/drivers/scenario/tokenizer.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> words;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, GivesTheWords) {
    std::vector<std::string> texts;
    for (const emulator::Word& word : emulator::SplitWords(GetParam().line))
        texts.push_back(word.text);
    EXPECT_EQ(texts, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, Split,
    ::testing::Values(
        SplitCase{"", {}}, SplitCase{"   # only a comment", {}}, SplitCase{"start", {"start"}},
        SplitCase{"  call\t\"SP Interface\"  Startup  ", {"call", "SP Interface", "Startup"}},
        SplitCase{"layer \"Calque # 2\" # the # inside quotes stays", {"layer", "Calque # 2"}},
        SplitCase{"say \"a \\\"quoted\\\" \\\\ word\"", {"say", "a \"quoted\" \\ word"}},
        SplitCase{"empty \"\" word", {"empty", "", "word"}},
        SplitCase{"move 10.5 -3\r", {"move", "10.5", "-3"}},
        SplitCase{"glued\"quoted\"", {"glued", "quoted"}}));

TEST(Tokenizer, MarksQuotedWords) {
    auto words = emulator::SplitWords("a \"b\"");
    ASSERT_EQ(words.size(), 2u);
    EXPECT_FALSE(words[0].quoted);
    EXPECT_TRUE(words[1].quoted);
}

TEST(Tokenizer, RefusesAnUnterminatedQuote) {
    EXPECT_THROW(emulator::SplitWords("call \"SP Interface"), emulator::SyntaxError);
}

TEST(Tokenizer, RefusesALineThatIsNotUtf8) {
    EXPECT_THROW(emulator::SplitWords("snapshot \"s\xC3\""), emulator::SyntaxError);
    EXPECT_THROW(emulator::SplitWords("layer \xC0\xA2 # comment \xFF"), emulator::SyntaxError);
}

}  // namespace
