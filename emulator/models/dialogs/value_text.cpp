#include "emulator/models/dialogs/value_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "host/adm.h"

namespace emulator {
namespace {

// Points per unit.
double PointsPer(int32_t units) {
    switch (units) {
        case kADMInchUnits:
            return 72.0;
        case kADMMillimeterUnits:
            return 72.0 / 25.4;
        case kADMCentimeterUnits:
            return 720.0 / 25.4;
        default:
            return 1.0;
    }
}

constexpr std::array<std::pair<std::string_view, int32_t>, 6> kSuffixes = {{
    {"mm", kADMMillimeterUnits},
    {"cm", kADMCentimeterUnits},
    {"in", kADMInchUnits},
    {"po", kADMInchUnits},
    {"\"", kADMInchUnits},
    {"pt", kADMPointUnits},
}};

// Users type unit names in any case: "12 MM" is twelve millimetres.
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    std::string_view end = text.substr(text.size() - suffix.size());
    return std::equal(end.begin(), end.end(), suffix.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string UnitName(int32_t units) {
    switch (units) {
        case kADMPointUnits:
            return "pt";
        case kADMInchUnits:
            return "in";
        case kADMMillimeterUnits:
            return "mm";
        case kADMCentimeterUnits:
            return "cm";
        default:
            return "";
    }
}

std::string FormatValue(float value, int32_t units, int32_t decimals) {
    double shown = value / PointsPer(units);
    int precision = decimals < 0 ? 0 : decimals > 9 ? 9 : decimals;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", precision, shown);
    std::string result = text;
    // No "-0,00" for a value that rounds to zero.
    if (result.front() == '-' && result.find_first_of("123456789") == std::string::npos)
        result.erase(0, 1);
    for (char& c : result)
        if (c == '.') c = ',';
    return result;
}

std::optional<float> ParseValue(std::string_view typed, int32_t units) {
    std::string_view text = Trim(typed);
    for (const auto& [suffix, unit] : kSuffixes) {
        if (text.size() > suffix.size() && EndsWithIgnoringCase(text, suffix)) {
            text = Trim(text.substr(0, text.size() - suffix.size()));
            units = unit;
            break;
        }
    }
    std::string number(text);
    for (char& c : number)
        if (c == ',') c = '.';
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    auto points = static_cast<float>(value * PointsPer(units));
    if (!std::isfinite(points)) return std::nullopt;
    return points;
}

}  // namespace emulator
