// Names the cases of a parameterised test after their "name" field, so that CTest lists
// and reports each case by what it checks.
#pragma once

#include <gtest/gtest.h>

#include <string>

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& testCase) {
    return testCase.param.name;
}
