// How a numeric field shows its value and reads what the user types. Values are kept in
// points; the field's unit says how they are shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace emulator {

// The unit's name as users read it ("mm", "cm", "in", "pt"), empty for no unit.
std::string UnitName(int32_t units);

// VALUE (points) in UNITS with DECIMALS decimals and a decimal comma: 72 points in
// millimetres with 2 decimals is "25,40".
std::string FormatValue(float value, int32_t units, int32_t decimals);

// What the user typed, back in points: a decimal comma or point, an optional unit suffix
// (mm, cm, in, po, pt, ", in any case) that overrides the field's unit, spaces around. Nothing when
// the text is not a number.
std::optional<float> ParseValue(std::string_view typed, int32_t units);

}  // namespace emulator
