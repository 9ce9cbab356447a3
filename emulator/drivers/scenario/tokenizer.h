// Splits a scenario line, UTF-8 text, into words: spaces separate words, a word with spaces
// goes in double quotes (\" and \\ inside them), and # outside quotes starts a comment.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

struct Word {
    std::string text;
    bool quoted = false;
};

class SyntaxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws SyntaxError for a line that is not UTF-8 or has an unterminated quote.
std::vector<Word> SplitWords(std::string_view line);

}  // namespace emulator
