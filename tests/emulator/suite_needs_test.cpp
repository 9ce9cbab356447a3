// The needs a host function declares before its body runs: met in order, the first one
// not met answers the call, an unknown handle is recorded as misuse under the function's
// name, and the body gets the host's objects.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"

namespace {

using emulator::Arguments;
using emulator::Cleared;
using emulator::FindString;
using emulator::Host;
using emulator::Needs;
using emulator::NonNull;
using emulator::OwnPlugin;
using emulator::Resolve;
using emulator::ResolveEach;
using emulator::ResolveIfGiven;
using emulator::Valid;

constexpr const char* kSuite = "Test Suite";

Arguments NoArguments() {
    return Arguments();
}

class SuiteNeeds : public ::testing::Test {
  protected:
    HostUnicodeStringRef Word(const char* text) {
        return host.Strings().Add(std::make_unique<std::string>(text));
    }

    // Serves "Call" with NEEDS; the body notes that it ran.
    template <typename... Steps>
    HostErr Call(const Needs<Steps...>& needs) {
        return emulator::Serve(kSuite, "Call", NoArguments, needs,
                               [&](Host&, auto&...) { ran = true; });
    }

    Host host{"no-plugin.so"};
    bool ran = false;
    int number = 0;
    int* given = &number;
    int* none = nullptr;
    HostUnicodeStringRef unknown = reinterpret_cast<HostUnicodeStringRef>(uintptr_t{0x10});
};

TEST_F(SuiteNeeds, TheFirstNeedNotMetAnswersAndTheBodyDoesNotRun) {
    struct Case {
        const char* what;
        std::function<HostErr()> call;
        HostErr result;
        std::vector<std::string> misuse;
    };
    HostUnicodeStringRef known = Word("known");
    HostPluginRef foreign = reinterpret_cast<HostPluginRef>(uintptr_t{0x20});
    const Case cases[] = {
        {"a null pointer, before a handle is looked up",
         [&] { return Call(Needs(NonNull(given, none), Resolve(FindString, unknown))); },
         kHostErrBadParameter,
         {}},
        {"an unknown handle, before a null pointer",
         [&] { return Call(Needs(Resolve(FindString, unknown), NonNull(none))); },
         kHostErrBadHandle,
         {"Call: unknown string"}},
        {"a value out of range",
         [&] { return Call(Needs(Resolve(FindString, known), Valid(false))); },
         kHostErrBadParameter,
         {}},
        {"a null out-parameter to clear",
         [&] { return Call(Needs(Cleared(none))); },
         kHostErrBadParameter,
         {}},
        {"an optional handle given but unknown",
         [&] { return Call(Needs(ResolveIfGiven(FindString, unknown))); },
         kHostErrBadHandle,
         {"Call: unknown string"}},
        {"handles looked up together: each unknown one is recorded",
         [&] {
             return Call(Needs(ResolveEach(Resolve(FindString, unknown), Resolve(FindString, known),
                                           Resolve(FindString, unknown))));
         },
         kHostErrBadHandle,
         {"Call: unknown string", "Call: unknown string"}},
        {"another plug-in's reference",
         [&] { return Call(Needs(OwnPlugin(foreign))); },
         kHostErrBadHandle,
         {"Call with a foreign plug-in reference"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        size_t before = host.Errors().size();
        ran = false;
        EXPECT_EQ(c.call(), c.result);
        EXPECT_FALSE(ran);
        EXPECT_EQ(std::vector<std::string>(host.Errors().begin() + before, host.Errors().end()),
                  c.misuse);
    }
}

TEST_F(SuiteNeeds, TheBodyGetsTheHostsObjectsInTheOrderOfTheNeeds) {
    HostUnicodeStringRef first = Word("first");
    HostUnicodeStringRef second = Word("second");
    HostUnicodeStringRef third = Word("third");
    std::vector<std::string*> got;
    HostErr result = emulator::Serve(
        kSuite, "Call", NoArguments,
        Needs(Resolve(FindString, first), NonNull(given), OwnPlugin(host.Plugin().Ref()),
              ResolveIfGiven(FindString, second),
              ResolveEach(Resolve(FindString, third), Resolve(FindString, first))),
        [&](Host& served, std::string& a, std::string* b, std::string& c, std::string& d) {
            EXPECT_EQ(&served, &host);
            got = {&a, b, &c, &d};
        });
    EXPECT_EQ(result, kHostNoError);
    EXPECT_EQ(got,
              (std::vector<std::string*>{host.Strings().Find(first), host.Strings().Find(second),
                                         host.Strings().Find(third), host.Strings().Find(first)}));
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(SuiteNeeds, AnOptionalHandleLeftNullGivesTheBodyNull) {
    std::string unset;
    std::string* got = &unset;
    HostErr result = emulator::Serve(kSuite, "Call", NoArguments,
                                     Needs(ResolveIfGiven(FindString, HostUnicodeStringRef{})),
                                     [&](Host&, std::string* word) { got = word; });
    EXPECT_EQ(result, kHostNoError);
    EXPECT_EQ(got, nullptr);
}

TEST_F(SuiteNeeds, AClearedOutParameterHoldsNothingWhenALaterNeedFails) {
    HostUnicodeStringRef out = Word("stale");
    EXPECT_EQ(Call(Needs(Cleared(&out), Resolve(FindString, unknown))), kHostErrBadHandle);
    EXPECT_EQ(out, nullptr);
}

TEST_F(SuiteNeeds, TheBodysErrorIsTheAnswer) {
    HostErr result = emulator::Serve(kSuite, "Call", NoArguments, Needs(NonNull(given)),
                                     [](Host&) { return kHostErrNotFound; });
    EXPECT_EQ(result, kHostErrNotFound);
}

TEST_F(SuiteNeeds, AValueIsAnsweredOnlyWhenTheNeedsAreMet) {
    HostUnicodeStringRef known = Word("four");
    auto length = [&](HostUnicodeStringRef word) {
        return emulator::ServeValue(kSuite, "Length", size_t{99}, NoArguments,
                                    Needs(Resolve(FindString, word)),
                                    [](Host&, const std::string& text) { return text.size(); });
    };
    EXPECT_EQ(length(known), 4u);
    EXPECT_EQ(length(unknown), 99u);
    EXPECT_EQ(host.Errors(), (std::vector<std::string>{"Length: unknown string"}));
}

}  // namespace
