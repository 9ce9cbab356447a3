// A host function called from a thread other than the user-interface thread is refused
// and recorded as misuse, without touching the host from that thread.
#include <gtest/gtest.h>

#include <thread>

#include "emulator/core/host.h"

namespace {

TEST(OffThreadCall, IsRefusedAndRecordedAsMisuse) {
    emulator::Host host("unused");
    void* block = nullptr;
    HostErr result = kHostNoError;
    std::thread other([&] { result = host.BasicSuite()->AllocateBlock(16, &block); });
    other.join();
    EXPECT_EQ(result, kHostErrWrongContext);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(host.Blocks().Count(), 0u);

    // The user-interface thread records it with its next event.
    host.Loop().Close();
    host.Loop().Run();
    EXPECT_EQ(host.Errors(), (std::vector<std::string>{
                                 "SP Basic Suite.AllocateBlock: called off the user-interface "
                                 "thread"}));

    // The same call from the user-interface thread is served.
    EXPECT_EQ(host.BasicSuite()->AllocateBlock(16, &block), kHostNoError);
    EXPECT_NE(block, nullptr);
    EXPECT_EQ(host.Errors().size(), 1u);
}

}  // namespace
