// Host strings: made from the plug-in's Windows-1252 text, compared, given back.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIUnicodeStringSuite;

HostErr HOST_API NewFromWindows1252(const char* text, HostUnicodeStringRef* string) {
    return Serve(
        kSuite, "NewFromWindows1252", [&] { return Arguments().Add("text", text); },
        Needs(NonNull(text, string)),
        [&](Host& host) {
            *string = host.Strings().Add(std::make_unique<std::string>(Cp1252ToUtf8(text)));
        });
}

HostErr HOST_API Compare(HostUnicodeStringRef a, HostUnicodeStringRef b, int32_t* order) {
    return Serve(
        kSuite, "Compare", [&] { return Arguments().Add("a", a).Add("b", b); },
        Needs(NonNull(order)),
        [&](Host& host) -> HostErr {
            const std::string* first = host.Strings().Find(a);
            const std::string* second = host.Strings().Find(b);
            // One line for the pair, whichever is unknown.
            if (first == nullptr || second == nullptr) {
                host.Misuse("Compare: unknown string");
                return kHostErrBadHandle;
            }
            // UTF-8 byte order is code point order.
            int compared = first->compare(*second);
            *order = compared < 0 ? -1 : compared > 0 ? 1 : 0;
            return kHostNoError;
        });
}

HostErr HOST_API Dispose(HostUnicodeStringRef string) {
    return Serve(
        kSuite, "Dispose", [&] { return Arguments().Add("string", string); },
        Needs(Resolve(FindString, string)),
        [&](Host& host, const std::string&) { host.Strings().Remove(string); });
}

const AIUnicodeStringSuite6 gTable = {
    .NewFromWindows1252 = NewFromWindows1252, .Compare = Compare, .Dispose = Dispose};

}  // namespace

const void* AiUnicodeStringSuiteTable() {
    return &gTable;
}

}  // namespace emulator
