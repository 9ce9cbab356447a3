// The annotators and the annotation layer's last draw cycle, for the JSON state.
#pragma once

#include "emulator/common/json.h"
#include "emulator/core/host.h"

namespace emulator {

Json AnnotationsState(const Host& host);

}  // namespace emulator
