// Path geometry: segments, closed and guide flags.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIPathSuite;

bool InRange(const Art& path, int16_t first, int16_t count) {
    return first >= 0 && count >= 0 && first + count <= static_cast<int>(path.segments.size());
}

HostErr HOST_API SetPathSegmentCount(HostArtHandle path, int16_t count) {
    return Serve(
        kSuite, "SetPathSegmentCount",
        [&] { return Arguments().Add("path", path).Add("count", count); },
        Needs(Resolve(FindPath, path), Valid(count >= 0)),
        [&](Host& host, Art& found) {
            host.Drawing().SetSegmentCount(found, static_cast<size_t>(count));
        });
}

HostErr HOST_API GetPathSegmentCount(HostArtHandle path, int16_t* count) {
    return Serve(
        kSuite, "GetPathSegmentCount", [&] { return Arguments().Add("path", path); },
        Needs(NonNull(count), Resolve(FindPath, path)),
        [&](Host&, const Art& found) { *count = static_cast<int16_t>(found.segments.size()); });
}

HostErr HOST_API SetPathSegments(HostArtHandle path, int16_t first, int16_t count,
                                 const HostPathSegment* segments) {
    return Serve(
        kSuite, "SetPathSegments",
        [&] {
            Arguments args;
            args.Add("path", path).Add("first", first).Add("count", count);
            if (segments != nullptr && count > 0)
                args.Add("p0.h", segments[0].p.h).Add("p0.v", segments[0].p.v);
            return args;
        },
        Needs(Resolve(FindPath, path), NonNull(segments)),
        [&](Host& host, Art& found) -> HostErr {
            if (!InRange(found, first, count)) return kHostErrBadParameter;
            host.Drawing().SetSegments(found, static_cast<size_t>(first),
                                       {segments, static_cast<size_t>(count)});
            return kHostNoError;
        });
}

HostErr HOST_API GetPathSegments(HostArtHandle path, int16_t first, int16_t count,
                                 HostPathSegment* segments) {
    return Serve(
        kSuite, "GetPathSegments",
        [&] { return Arguments().Add("path", path).Add("first", first).Add("count", count); },
        Needs(Resolve(FindPath, path), NonNull(segments)),
        [&](Host&, const Art& found) -> HostErr {
            if (!InRange(found, first, count)) return kHostErrBadParameter;
            std::copy_n(found.segments.begin() + first, count, segments);
            return kHostNoError;
        });
}

template <bool Art::*Flag>
HostErr SetFlag(const char* function, HostArtHandle path, HostBool32 value) {
    return Serve(
        kSuite, function, [&] { return Arguments().Add("path", path).Add("value", value); },
        Needs(Resolve(FindPath, path)),
        [&](Host& host, Art& found) {
            host.Drawing().Touch(found);
            found.*Flag = value != 0;
        });
}

HostErr HOST_API SetPathClosed(HostArtHandle path, HostBool32 closed) {
    return SetFlag<&Art::closed>("SetPathClosed", path, closed);
}

HostErr HOST_API GetPathClosed(HostArtHandle path, HostBool32* closed) {
    return Serve(
        kSuite, "GetPathClosed", [&] { return Arguments().Add("path", path); },
        Needs(NonNull(closed), Resolve(FindPath, path)),
        [&](Host&, const Art& found) { *closed = found.closed; });
}

HostErr HOST_API SetPathGuide(HostArtHandle path, HostBool32 guide) {
    return SetFlag<&Art::guide>("SetPathGuide", path, guide);
}

const AIPathSuite8 gTable = {.SetPathSegmentCount = SetPathSegmentCount,
                             .GetPathSegmentCount = GetPathSegmentCount,
                             .SetPathSegments = SetPathSegments,
                             .GetPathSegments = GetPathSegments,
                             .SetPathClosed = SetPathClosed,
                             .GetPathClosed = GetPathClosed,
                             .SetPathGuide = SetPathGuide};

}  // namespace

const void* AiPathSuiteTable() {
    return &gTable;
}

}  // namespace emulator
