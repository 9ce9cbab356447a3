// Tags: named values attached to art.
#include <algorithm>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAITagSuite;

HostErr HOST_API SetTag(HostArtHandle art, const char* name, const char* type, const char* value) {
    return Serve(
        kSuite, "SetTag",
        [&] {
            return Arguments()
                .Add("art", art)
                .Add("name", name)
                .Add("type", type)
                .Add("value", value);
        },
        [&](Host& host) -> HostErr {
            if (name == nullptr || type == nullptr || value == nullptr) return kHostErrBadParameter;
            Art* found = FindArt(host, art, "SetTag");
            if (found == nullptr) return kHostErrBadHandle;
            Tag tag{Cp1252ToUtf8(name), Cp1252ToUtf8(type), Cp1252ToUtf8(value)};
            auto same =
                std::find_if(found->tags.begin(), found->tags.end(),
                             [&](const Tag& existing) { return existing.name == tag.name; });
            if (same != found->tags.end())
                *same = tag;
            else
                found->tags.push_back(tag);
            return kHostNoError;
        });
}

const AITagSuite2 gTable = {.SetTag = SetTag};

}  // namespace

const void* AiTagSuiteTable() {
    return &gTable;
}

}  // namespace emulator
