#include "emulator/drivers/scenario/action_arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "emulator/common/text_encoding.h"

namespace emulator {
namespace {

std::string ToHost(const std::string& word) {
    auto encoded = Utf8ToCp1252(word);
    if (!encoded) throw SyntaxError("\"" + word + "\" has a character Windows-1252 lacks");
    return *encoded;
}

int32_t WholeNumber(const std::string& word) {
    int32_t value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        throw SyntaxError("\"" + word + "\" is not a whole number");
    return value;
}

double FiniteReal(const std::string& word) {
    double value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        throw SyntaxError("\"" + word + "\" is not a finite number");
    return value;
}

float Float32(const std::string& word) {
    double value = FiniteReal(word);
    if (std::abs(value) > std::numeric_limits<float>::max())
        throw SyntaxError("\"" + word + "\" is too large for a float32");
    return static_cast<float>(value);
}

bool TruthValue(const std::string& word) {
    if (word == "true") return true;
    if (word == "false") return false;
    throw SyntaxError("\"" + word + "\" is not true or false");
}

bool IsOneOf(const std::string& word, const std::vector<std::string>& words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// "a, b or c".
std::string Alternatives(const std::vector<std::string>& words) {
    std::string text;
    for (size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return text;
}

// How many of the LEFT words an argument of KIND takes; none when they cannot make one.
size_t WordCount(ArgumentKind kind, size_t left) {
    switch (FormOf(kind)) {
        case ArgumentForm::kPoint:
        case ArgumentForm::kPreference:
            return 2;
        case ArgumentForm::kPoints:
            return left >= 4 && left % 2 == 0 ? left : 0;
        default:
            return 1;
    }
}

bool IsFlag(const std::vector<Argument>& arguments, size_t index) {
    const Argument& argument = arguments[index];
    return argument.kind == ArgumentKind::kWord && argument.presence == Presence::kOptional &&
           (index + 1 == arguments.size() ||
            arguments[index + 1].presence != Presence::kWithPrevious);
}

}  // namespace

ActionArguments::ActionArguments(const std::vector<Word>& words, size_t first,
                                 const std::vector<Argument>& arguments)
    : words_(words), arguments_(arguments), spans_(arguments.size()) {
    size_t next = first;
    for (size_t index = 0; index < arguments.size(); ++index) {
        if (IsFlag(arguments, index))
            index = MatchFlags(index, next);
        else
            Match(index, next);
    }
    if (next != words.size()) throw UsageError();
}

size_t ActionArguments::MatchFlags(size_t index, size_t& next) {
    size_t end = index;
    while (end < arguments_.size() && IsFlag(arguments_, end)) spans_[end++] = {next, 0};
    for (bool matched = true; matched && next < words_.size();) {
        matched = false;
        for (size_t flag = index; flag < end && !matched; ++flag) {
            if (Has(flag) || !IsOneOf(words_[next].text, arguments_[flag].words)) continue;
            spans_[flag] = {next++, 1};
            matched = true;
        }
    }
    return end - 1;
}

void ActionArguments::Match(size_t index, size_t& next) {
    const Argument& argument = arguments_[index];
    size_t left = words_.size() - next;
    bool there = true;
    if (argument.presence == Presence::kWithPrevious)
        there = Has(index - 1);
    else if (argument.presence == Presence::kOptional)
        there = left > 0 && (argument.kind != ArgumentKind::kWord ||
                             IsOneOf(words_[next].text, argument.words));
    spans_[index] = {next, 0};
    if (!there) return;
    size_t count = WordCount(argument.kind, left);
    if (count == 0 || count > left) throw UsageError();
    if (argument.kind == ArgumentKind::kWord && !IsOneOf(words_[next].text, argument.words))
        throw UsageError();
    spans_[index].count = count;
    next += count;
}

const ActionArguments::Span& ActionArguments::SpanOf(size_t index, ArgumentForm form) const {
    if (FormOf(arguments_.at(index).kind) != form)
        throw std::logic_error("argument " + std::to_string(index) +
                               " is read in a form its kind does not have");
    if (!Has(index))
        throw std::logic_error("argument " + std::to_string(index) + " is read but left out");
    return spans_[index];
}

const std::string& ActionArguments::Text(size_t index) const {
    const Span& span = spans_.at(index);
    if (span.count != 1)
        throw std::logic_error("argument " + std::to_string(index) + " is not one word");
    return WordAt(span, 0);
}

std::string ActionArguments::HostText(size_t index) const {
    return ToHost(WordAt(SpanOf(index, ArgumentForm::kText), 0));
}

const std::string& ActionArguments::HostReadableText(size_t index) const {
    HostText(index);
    return Text(index);
}

int32_t ActionArguments::Integer(size_t index) const {
    return WholeNumber(WordAt(SpanOf(index, ArgumentForm::kWhole), 0));
}

double ActionArguments::Real(size_t index) const {
    return FiniteReal(WordAt(SpanOf(index, ArgumentForm::kReal), 0));
}

float ActionArguments::Single(size_t index) const {
    return Float32(WordAt(SpanOf(index, ArgumentForm::kSingle), 0));
}

HostRealPoint ActionArguments::Point(size_t index) const {
    const Span& span = SpanOf(index, ArgumentForm::kPoint);
    return {Float32(WordAt(span, 0)), Float32(WordAt(span, 1))};
}

std::vector<HostRealPoint> ActionArguments::Points(size_t index) const {
    const Span& span = SpanOf(index, ArgumentForm::kPoints);
    std::vector<HostRealPoint> points;
    for (size_t i = 0; i < span.count; i += 2)
        points.push_back({Float32(WordAt(span, i)), Float32(WordAt(span, i + 1))});
    return points;
}

PreferenceValue ActionArguments::Preference(size_t index) const {
    const Span& span = SpanOf(index, ArgumentForm::kPreference);
    const std::string& type = WordAt(span, 0);
    const std::string& value = WordAt(span, 1);
    const std::vector<std::string>& types = arguments_[index].words;
    if (!IsOneOf(type, types)) throw SyntaxError("\"" + type + "\" is not " + Alternatives(types));
    if (type == "bool") return TruthValue(value);
    if (type == "int") return WholeNumber(value);
    if (type == "real") return FiniteReal(value);
    if (type == "string") {
        ToHost(value);
        return value;
    }
    throw std::logic_error("no reading for a preference of type " + type);
}

}  // namespace emulator
