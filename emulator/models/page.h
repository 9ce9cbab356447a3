// The document's page, in artwork points: an A4 sheet whose bottom-left corner is the
// artwork's origin.
#pragma once

#include "host/types.h"

namespace emulator {

constexpr HostReal kPageWidth = 595;
constexpr HostReal kPageHeight = 842;
constexpr HostRealPoint kPageTopLeft = {0, kPageHeight};
constexpr HostRealPoint kPageBottomRight = {kPageWidth, 0};

}  // namespace emulator
