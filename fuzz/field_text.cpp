// What a user types into a numeric field, in each unit a field can have. A value read must
// be finite, and the text the field then shows must read back as nearly the same value.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "emulator/models/dialogs/value_text.h"
#include "host/adm.h"

namespace {

constexpr std::array<int32_t, 5> kUnits = {kADMNoUnits, kADMPointUnits, kADMInchUnits,
                                           kADMMillimeterUnits, kADMCentimeterUnits};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view typed(reinterpret_cast<const char*>(data), size);
    for (int32_t units : kUnits) {
        std::optional<float> value = emulator::ParseValue(typed, units);
        if (!value) continue;
        if (!std::isfinite(*value)) std::abort();
        std::optional<float> shown =
            emulator::ParseValue(emulator::FormatValue(*value, units, 9), units);
        // Nine decimals of the largest unit are within a few billionths of a point.
        if (!shown || std::abs(*shown - *value) > 1e-6f * std::max(1.0f, std::abs(*value)))
            std::abort();
    }
    return 0;
}
