// A picture of a dialog as a user would see it: what the dialog's own drawing procedure
// drew, then every shown item in its rectangle with its text or value (a disabled one
// greyed), as the items' own windows lie over the dialog's.
#pragma once

#include <string>

#include "emulator/models/dialogs/dialog.h"
#include "emulator/models/resources/resource_file.h"

namespace emulator {

// SVG text; pictures of the plug-in's RESOURCES are embedded.
std::string DialogSvg(const Dialog& dialog, const ResourceFile& resources);

}  // namespace emulator
