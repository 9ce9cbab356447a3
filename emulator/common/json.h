// JSON values: nlohmann's, with object keys in the order they were added, and what the
// emulator's files need beside them.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace emulator {

using Json = nlohmann::ordered_json;

// The deepest nesting of arrays and objects that ParseJson accepts: far more than any file
// of the emulator holds, and little enough that nothing recursive over a value runs out of
// stack.
constexpr int kJsonMaxDepth = 256;

// A float32 as a JSON real that prints as the shortest decimal reading back to the same
// float (0.1f as 0.1, not 0.10000000149011612); null when it is not finite. Like every real,
// it prints with a decimal point or an exponent (1.0, never 1).
Json JsonFloat(float value);

// Adds KEY, which OBJECT does not hold yet, at the end of OBJECT without searching for it
// first as operator[] does: filling an object of n keys this way takes linear time.
void AppendMember(Json& object, std::string key, Json value);

// TEXT read as strict JSON: no comments, trailing commas, leading zeros, unknown escapes,
// raw control characters, ill-formed UTF-8 or lone surrogates, numbers that overflow, nor
// anything after the value; arrays and objects nested at most kJsonMaxDepth deep. A key
// given twice keeps its last value. Throws std::runtime_error "JSON offset N: reason".
Json ParseJson(std::string_view text);

// VALUE as the emulator's files hold it: two spaces of indentation and a final newline.
std::string JsonFileText(const Json& value);

}  // namespace emulator
