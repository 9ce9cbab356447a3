#include "emulator/drivers/scenario/action_arguments.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "emulator/common/text_encoding.h"

namespace emulator {

std::string ActionArguments::HostText(size_t index) const {
    auto encoded = Utf8ToCp1252(Text(index));
    if (!encoded) throw SyntaxError("\"" + Text(index) + "\" has a character Windows-1252 lacks");
    return *encoded;
}

const std::string& ActionArguments::HostReadableText(size_t index) const {
    HostText(index);
    return Text(index);
}

int32_t ActionArguments::Integer(size_t index) const {
    const std::string& word = Text(index);
    int32_t value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        throw SyntaxError("\"" + word + "\" is not a whole number");
    return value;
}

double ActionArguments::Real(size_t index) const {
    const std::string& word = Text(index);
    double value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        throw SyntaxError("\"" + word + "\" is not a finite number");
    return value;
}

float ActionArguments::Single(size_t index) const {
    double value = Real(index);
    if (std::abs(value) > std::numeric_limits<float>::max())
        throw SyntaxError("\"" + Text(index) + "\" is too large for a float32");
    return static_cast<float>(value);
}

bool ActionArguments::TruthValue(size_t index) const {
    if (Text(index) == "true") return true;
    if (Text(index) == "false") return false;
    throw SyntaxError("\"" + Text(index) + "\" is not true or false");
}

PreferenceValue ActionArguments::Preference(size_t index) const {
    const std::string& type = Text(index);
    if (type == "bool") return TruthValue(index + 1);
    if (type == "int") return Integer(index + 1);
    if (type == "real") return Real(index + 1);
    if (type == "string") return HostReadableText(index + 1);
    throw SyntaxError("\"" + type + "\" is not bool, int, real or string");
}

}  // namespace emulator
