// Splits a scenario line into words: spaces separate words, a word with spaces goes in
// double quotes (\" and \\ inside them), and # outside quotes starts a comment.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct Word {
    std::string text;
    bool quoted = false;
};

class SyntaxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws SyntaxError for an unterminated quote or a line that is not UTF-8.
std::vector<Word> SplitWords(std::string_view line);

}  // namespace host
