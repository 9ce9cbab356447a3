// DIALOG resources, standard or extended templates: what a dialog manager reads before it
// makes a dialog from one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

struct DialogTemplate {
    std::string title;  // UTF-8, the caption the dialog has until the plug-in sets one
    uint16_t itemCount = 0;
};

// The template DATA holds. Throws std::runtime_error, never reading past DATA, when it is
// not a well-formed dialog template.
DialogTemplate ParseDialogResource(const std::vector<unsigned char>& data);

}  // namespace emulator
