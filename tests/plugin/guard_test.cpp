// The guard around the procedures the dialog manager calls directly, and each message's
// hold on the suites: a body that throws half-way leaves the nesting counter and the
// suites the host sees held as they were before it.
#include "plugin/hote/garde.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "plugin/hote/suites.h"
#include "tests/support/plugin_in_process.h"

namespace {

class Guard : public PluginInProcess {
  protected:
    int64_t HeldByHost() const { return host.Suites().HeldCount(); }
};

// Bodies of procedures, as the dialog manager would call them once guarded.
HostErr HoldThenThrow(HostDialogRef) {
    AcquerirSuites();
    throw std::runtime_error("half-way");
}
void HoldTwiceThenThrow(HostItemRef, HostDialogNotifierRef) {
    AcquerirSuites();
    AcquerirSuites();
    throw 1;
}
HostErr HoldAndReturn(HostDialogRef) {
    AcquerirSuites();
    return kHostNoError;
}

// Gives up the fixture's hold for the time of a test, as if no message were under way.
class NoHold {
  public:
    NoHold() { LibererSuites(); }
    ~NoHold() { AcquerirSuites(); }
};

TEST_F(Guard, AnInitialiserThatThrowsAfterTakingTheFirstHoldGivesTheSuitesBack) {
    NoHold noHold;
    ASSERT_EQ(HeldByHost(), 0);
    ADMDialogInitProc procedure = Procedure<HoldThenThrow, kHostErrInternal>;
    EXPECT_EQ(procedure(nullptr), kHostErrInternal);
    EXPECT_EQ(ImbricationSuites(), 0);
    EXPECT_EQ(HeldByHost(), 0);
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(Guard, AProcedureThatThrowsInsideAMessageEndsOnlyItsOwnHolds) {
    int64_t held = HeldByHost();
    ADMItemNotifyProc procedure = Procedure<HoldTwiceThenThrow>;
    procedure(nullptr, nullptr);
    EXPECT_EQ(ImbricationSuites(), 1);
    EXPECT_EQ(HeldByHost(), held);
    EXPECT_NE(sADMDialog(), nullptr);  // the message's suites are still there
}

TEST_F(Guard, AProcedureThatReturnsKeepsWhatItHolds) {
    // The panel's initialisation takes a hold for good.
    ADMDialogInitProc procedure = Procedure<HoldAndReturn, kHostErrInternal>;
    EXPECT_EQ(procedure(nullptr), kHostNoError);
    EXPECT_EQ(ImbricationSuites(), 2);
    LibererSuites();
}

TEST_F(Guard, AMessagesHoldIsGivenBackWhenItsHandlerThrows) {
    NoHold noHold;
    try {
        TenueSuites tenue;
        ASSERT_EQ(tenue.Resultat(), kHostNoError);
        ASSERT_GT(HeldByHost(), 0);
        throw std::runtime_error("handler");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ImbricationSuites(), 0);
    EXPECT_EQ(HeldByHost(), 0);
    EXPECT_EQ(sADMDialog(), nullptr);
}

}  // namespace
