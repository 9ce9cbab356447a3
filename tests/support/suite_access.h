// A suite of the host acquired as the plug-in would, for tests that call the host directly.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "emulator/core/host.h"

// The table of the suite NAME at VERSION; the test fails when the host refuses it.
template <typename Suite>
const Suite* Acquire(emulator::Host& host, const char* name, int32_t version) {
    const void* table = nullptr;
    EXPECT_EQ(host.BasicSuite()->AcquireSuite(name, version, &table), kHostNoError);
    return static_cast<const Suite*>(table);
}
