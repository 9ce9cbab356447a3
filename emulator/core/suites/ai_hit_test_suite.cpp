// Hit testing the anchors of the document's paths at a point.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIHitTestSuite;

HostToolHitData* FindHit(Host& host, HostHitRef handle, const char* function) {
    return Found(host, host.Hits().Find(handle), function, "unknown hit");
}

HostErr HOST_API HitTestEx(HostArtHandle art, const HostRealPoint* point, HostReal tolerance,
                           int32_t option, HostHitRef* hit) {
    return Serve(
        kSuite, "HitTestEx",
        [&] {
            Arguments args;
            args.Add("art", art);
            if (point != nullptr) args.Add("h", point->h).Add("v", point->v);
            return args.Add("tolerance", tolerance).Add("option", option);
        },
        Needs(NonNull(point, hit), Valid(option == kHostHitAnchorPoints && tolerance >= 0),
              ResolveIfGiven(FindArt, art)),
        [&](Host& host, const Art* within) {
            // The tolerance is in pixels of the view the user looks at.
            double radius = tolerance / double{host.Drawing().FirstView().Zoom()};
            auto found = host.Drawing().HitAnchor(*point, radius, within);
            auto data = std::make_unique<HostToolHitData>();
            if (found) {
                *data = {1, host.Drawing().HandleOf(found->path),
                         static_cast<int16_t>(found->segment), found->point};
            }
            *hit = host.Hits().Add(std::move(data));
        });
}

HostErr HOST_API GetHitData(HostHitRef hit, HostToolHitData* data) {
    return Serve(
        kSuite, "GetHitData", [&] { return Arguments().Add("hit", hit); },
        Needs(NonNull(data), Resolve(FindHit, hit)),
        [&](Host&, const HostToolHitData& found) { *data = found; });
}

HostErr HOST_API Release(HostHitRef hit) {
    return Serve(
        kSuite, "Release", [&] { return Arguments().Add("hit", hit); },
        Needs(Resolve(FindHit, hit)),
        [&](Host& host, const HostToolHitData&) { host.Hits().Remove(hit); });
}

const AIHitTestSuite3 gTable = {
    .HitTestEx = HitTestEx, .GetHitData = GetHitData, .Release = Release};

}  // namespace

const void* AiHitTestSuiteTable() {
    return &gTable;
}

}  // namespace emulator
