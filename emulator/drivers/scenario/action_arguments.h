// The words that follow an action's name, read as the action expects them. A word that
// cannot be read throws SyntaxError saying why; words that do not fit the action's form at
// all throw UsageError, which the action table answers with the action's usage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "emulator/drivers/scenario/tokenizer.h"
#include "emulator/models/preferences/preference_store.h"

namespace emulator {

class UsageError : public SyntaxError {
  public:
    UsageError() : SyntaxError("the words do not fit the action") {}
};

class ActionArguments {
  public:
    // The words of WORDS from index FIRST on.
    ActionArguments(const std::vector<Word>& words, size_t first) : words_(words), first_(first) {}

    size_t Count() const { return words_.size() - first_; }
    void ExpectCount(size_t count) const {
        if (Count() != count) BadUsage();
    }
    [[noreturn]] void BadUsage() const { throw UsageError(); }

    const std::string& Text(size_t index) const { return words_.at(first_ + index).text; }
    // Whether the word at INDEX is there and reads KEYWORD.
    bool Reads(size_t index, const char* keyword) const {
        return index < Count() && Text(index) == keyword;
    }
    // A word passed to the plug-in, which reads Windows-1252.
    std::string HostText(size_t index) const;
    // A word the plug-in may read back: kept as UTF-8, once it is known to have no
    // character Windows-1252 lacks.
    const std::string& HostReadableText(size_t index) const;
    int32_t Integer(size_t index) const;
    double Real(size_t index) const;  // finite
    // A real the host keeps as a float32 (coordinates, a slider's value): finite there too.
    float Single(size_t index) const;
    bool TruthValue(size_t index) const;
    // The word after INDEX, read as the preference type the word at INDEX names.
    PreferenceValue Preference(size_t index) const;

  private:
    const std::vector<Word>& words_;
    size_t first_;
};

}  // namespace emulator
