// Tags: named values attached to art.
#include <algorithm>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
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
        Needs(NonNull(name, type, value), Resolve(FindArt, art)),
        [&](Host& host, Art& found) {
            host.Drawing().Touch(found);
            Tag tag{Cp1252ToUtf8(name), Cp1252ToUtf8(type), Cp1252ToUtf8(value)};
            auto same =
                std::find_if(found.tags.begin(), found.tags.end(),
                             [&](const Tag& existing) { return existing.name == tag.name; });
            if (same != found.tags.end())
                *same = tag;
            else
                found.tags.push_back(tag);
        });
}

HostErr HOST_API GetTag(HostArtHandle art, const char* name, const char* type, char* value,
                        uint32_t size) {
    return Serve(
        kSuite, "GetTag",
        [&] { return Arguments().Add("art", art).Add("name", name).Add("type", type); },
        Needs(NonNull(name, type, value), Valid(size != 0), Resolve(FindArt, art)),
        [&](Host&, const Art& found) -> HostErr {
            auto same = std::find_if(found.tags.begin(), found.tags.end(), [&](const Tag& tag) {
                return tag.name == Cp1252ToUtf8(name) && tag.type == Cp1252ToUtf8(type);
            });
            if (same == found.tags.end()) return kHostErrNotFound;
            return CopyOut(same->value, value, size);
        });
}

const AITagSuite2 gTable = {.SetTag = SetTag, .GetTag = GetTag};

}  // namespace

const void* AiTagSuiteTable() {
    return &gTable;
}

}  // namespace emulator
