#include "emulator/core/suite_registry.h"

#include <gtest/gtest.h>

#include "host/adm.h"

namespace {

TEST(SuiteRegistry, ServesEveryDistinctSuiteOfTheTable) {
    emulator::SuiteRegistry suites;
    // 120 rows, two of which repeat a suite already in the table.
    EXPECT_EQ(suites.ServedCount(), 118u);
    EXPECT_TRUE(suites.Serves("ADM Icon Suite", 1));
    EXPECT_TRUE(suites.Serves("ADM Icon Suite", 2));
    EXPECT_TRUE(suites.Serves("ATE CharFeatures Suite", 101));
    EXPECT_TRUE(suites.Serves("ATE WordsIterator Suite", 1));
}

struct UnknownSuite {
    const char* name;
    int32_t version;
};

class UnknownSuites : public ::testing::TestWithParam<UnknownSuite> {};

TEST_P(UnknownSuites, AnswerAnErrorAndNoTable) {
    emulator::SuiteRegistry suites;
    const void* table = &suites;
    EXPECT_EQ(suites.Acquire(GetParam().name, GetParam().version, &table), kHostErrSuiteNotFound);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(suites.Acquisitions(), 0);
}

INSTANTIATE_TEST_SUITE_P(SuiteRegistry, UnknownSuites,
                         ::testing::Values(UnknownSuite{"AI Nothing Suite", 1},
                                           UnknownSuite{"ADM Basic Suite", 10},
                                           UnknownSuite{"ATE CharFeatures Suite", 1},
                                           UnknownSuite{"adm basic suite", 11}));

TEST(SuiteRegistry, CountsAcquisitionsAndReleases) {
    emulator::SuiteRegistry suites;
    const void* first = nullptr;
    const void* second = nullptr;
    ASSERT_EQ(suites.Acquire(kADMBasicSuite, kADMBasicSuiteVersion, &first), kHostNoError);
    ASSERT_EQ(suites.Acquire(kADMBasicSuite, kADMBasicSuiteVersion, &second), kHostNoError);
    EXPECT_EQ(first, second);
    EXPECT_EQ(suites.HeldCount(), 2);
    EXPECT_EQ(suites.Release(kADMBasicSuite, kADMBasicSuiteVersion), kHostNoError);
    EXPECT_EQ(suites.Release(kADMBasicSuite, kADMBasicSuiteVersion), kHostNoError);
    EXPECT_EQ(suites.Release(kADMBasicSuite, kADMBasicSuiteVersion), kHostErrSuiteNotHeld);
    EXPECT_EQ(suites.Release("AI Art Suite", 14), kHostErrSuiteNotHeld);
    EXPECT_EQ(suites.HeldCount(), 0);
    EXPECT_EQ(suites.Acquisitions(), 2);
    EXPECT_EQ(suites.Releases(), 2);
}

TEST(SuiteRegistry, LeavesOutOneSuiteOnRequest) {
    emulator::SuiteRegistry suites;
    EXPECT_FALSE(suites.LeaveOut("AI Menu Suite", 8));
    ASSERT_TRUE(suites.LeaveOut("AI Menu Suite", 9));
    const void* table = nullptr;
    EXPECT_EQ(suites.Acquire("AI Menu Suite", 9, &table), kHostErrSuiteNotFound);
    EXPECT_EQ(suites.Acquire("AI Tool Suite", 10, &table), kHostNoError);
}

}  // namespace
