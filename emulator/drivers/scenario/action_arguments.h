// The words that follow an action's name, matched against the action's arguments and read
// as their kinds say. Words that do not fit the arguments at all throw UsageError, which
// the action table answers with the action's usage; a word that cannot be read throws
// SyntaxError saying why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "emulator/drivers/scenario/argument.h"
#include "emulator/drivers/scenario/tokenizer.h"
#include "emulator/models/preferences/preference_store.h"
#include "host/types.h"

namespace emulator {

class UsageError : public SyntaxError {
  public:
    UsageError() : SyntaxError("the words do not fit the action") {}
};

class ActionArguments {
  public:
    // The words of WORDS from index FIRST on, as ARGUMENTS (kept by the caller).
    ActionArguments(const std::vector<Word>& words, size_t first,
                    const std::vector<Argument>& arguments);

    // Each reader takes the index of an argument, not of a word. Reading an argument as
    // a form its kind does not have is the table's own fault: std::logic_error.

    // Whether an optional argument is there.
    bool Has(size_t index) const { return spans_.at(index).count != 0; }
    // The one word of the argument, as written.
    const std::string& Text(size_t index) const;
    // A text passed to the plug-in, which reads Windows-1252.
    std::string HostText(size_t index) const;
    // A text the plug-in may read back: kept as UTF-8, once it is known to have no
    // character Windows-1252 lacks.
    const std::string& HostReadableText(size_t index) const;
    int32_t Integer(size_t index) const;
    double Real(size_t index) const;  // finite
    // A real the host keeps as a float32 (a distance, a slider's value): finite there too.
    float Single(size_t index) const;
    HostRealPoint Point(size_t index) const;
    std::vector<HostRealPoint> Points(size_t index) const;
    // The type word and the value after it.
    PreferenceValue Preference(size_t index) const;

  private:
    struct Span {
        size_t first = 0;  // in words_
        size_t count = 0;  // none: left out
    };

    // Matches the words from NEXT on to the run of flags from argument INDEX on, each
    // once in any order; answers the index of the run's last flag.
    size_t MatchFlags(size_t index, size_t& next);
    // Matches argument INDEX to the words from NEXT on.
    void Match(size_t index, size_t& next);
    // The words of argument INDEX, whose kind must read as FORM.
    const Span& SpanOf(size_t index, ArgumentForm form) const;
    const std::string& WordAt(const Span& span, size_t offset) const {
        return words_.at(span.first + offset).text;
    }

    const std::vector<Word>& words_;
    const std::vector<Argument>& arguments_;
    std::vector<Span> spans_;
};

}  // namespace emulator
