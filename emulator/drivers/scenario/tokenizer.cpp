#include "emulator/drivers/scenario/tokenizer.h"

#include "emulator/common/text_encoding.h"

namespace emulator {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

Word QuotedWord(std::string_view line, size_t& i) {
    Word word{{}, true};
    for (++i; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            ++i;
            return word;
        }
        if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
            c = line[++i];
        word.text += c;
    }
    throw SyntaxError("unterminated quoted word");
}

Word BareWord(std::string_view line, size_t& i) {
    Word word;
    while (i < line.size() && !IsSpace(line[i]) && line[i] != '#' && line[i] != '"')
        word.text += line[i++];
    return word;
}

}  // namespace

std::vector<Word> SplitWords(std::string_view line) {
    // Words end up in the JSON state and in messages, which must stay readable UTF-8.
    if (!IsUtf8(line)) throw SyntaxError("the line is not valid UTF-8");
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        if (IsSpace(line[i])) {
            ++i;
        } else if (line[i] == '#') {
            break;
        } else if (line[i] == '"') {
            words.push_back(QuotedWord(line, i));
        } else {
            words.push_back(BareWord(line, i));
        }
    }
    return words;
}

}  // namespace emulator
