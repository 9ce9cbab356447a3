// A picture of the plug-in's resources, loaded for a dialog or the toolbox.
#pragma once

#include <cstdint>

namespace emulator {

struct Icon {
    int32_t resourceId = 0;
    int32_t type =
        0;  // 0 bitmap, 1 Windows icon, 2 PNG image, 7 (kADMUnknownIconType) when missing
};

}  // namespace emulator
