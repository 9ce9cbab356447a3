#include "emulator/core/event_loop.h"

#include <gtest/gtest.h>

#include "emulator/core/modals.h"

namespace {

TEST(EventLoop, AModalRunsLaterEventsInsideItsNestedLoop) {
    emulator::EventLoop loop;
    emulator::Modals modals(loop);
    std::vector<std::string> order;
    loop.Post({1, [&] {
                   order.push_back("open");
                   EXPECT_TRUE(modals.RunModal("alert", "Hello"));
                   order.push_back("closed");
               }});
    loop.Post({2, [&] { order.push_back("inside"); }});
    loop.Post({3, [&] { modals.CloseTop(); }});
    loop.Post({4, [&] { order.push_back("after"); }});
    loop.Close();
    loop.Run();
    EXPECT_EQ(order, (std::vector<std::string>{"open", "inside", "closed", "after"}));
    EXPECT_TRUE(modals.Abandoned().empty());
}

TEST(EventLoop, AModalStillOpenWhenTheInputEndsIsClosedAndRecorded) {
    emulator::EventLoop loop;
    emulator::Modals modals(loop);
    bool answered = true;
    loop.Post({1, [&] { answered = modals.RunModal("alert", "Left open"); }});
    loop.Close();
    loop.Run();
    EXPECT_FALSE(answered);
    ASSERT_EQ(modals.Abandoned().size(), 1u);
    EXPECT_EQ(modals.Abandoned()[0].title, "Left open");
    EXPECT_EQ(modals.Top(), nullptr);
}

TEST(EventLoop, AnInputErrorInsideAModalStopsEveryLoop) {
    emulator::EventLoop loop;
    emulator::Modals modals(loop);
    bool ranAfter = false;
    loop.Post({1, [&] { modals.RunModal("alert", "Nested"); }});
    loop.Post({2, [&] { throw emulator::InputError(2, "bad action"); }});
    loop.Post({3, [&] { ranAfter = true; }});
    loop.Close();
    loop.Run();
    ASSERT_TRUE(loop.Failure());
    EXPECT_EQ(loop.Failure()->Line(), 2);
    EXPECT_STREQ(loop.Failure()->what(), "bad action");
    EXPECT_FALSE(ranAfter);
    // A failure is not an abandoned window: the run stops for the error instead.
    EXPECT_TRUE(modals.Abandoned().empty());
}

// The host paints after each event, but not after a driver's look at the screen nor after
// an action it refused; a refused action that had opened a window leaves the paints of the
// events played inside it.
TEST(EventLoop, PaintsAfterEventsThatMayHaveChangedSomething) {
    emulator::EventLoop loop;
    emulator::Modals modals(loop);
    std::vector<std::string> order;
    loop.AddIdle([&] { order.push_back("paint"); });
    loop.Post({1, [&] { order.push_back("action"); }});
    loop.Post({2, [&] { order.push_back("look"); }, false});
    loop.Post({3, [&] {
                   order.push_back("refused");
                   loop.SkipPaint();
               }});
    loop.Post({4, [&] {
                   order.push_back("opens");
                   modals.RunModal("alert", "Hello");
                   loop.SkipPaint();
               }});
    loop.Post({5, [&] { modals.CloseTop(); }});
    loop.Post({6, [&] { order.push_back("after"); }});
    loop.Close();
    loop.Run();
    EXPECT_EQ(order, (std::vector<std::string>{"action", "paint", "look", "refused", "opens",
                                               "paint", "after", "paint"}));
}

}  // namespace
