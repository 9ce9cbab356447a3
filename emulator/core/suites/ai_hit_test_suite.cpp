// Hit testing the anchors of the document's paths at a point.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIHitTestSuite;

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
        [&](Host& host) -> HostErr {
            if (point == nullptr || hit == nullptr || option != kHostHitAnchorPoints ||
                !(tolerance >= 0))
                return kHostErrBadParameter;
            const Art* within = nullptr;
            if (art != nullptr && (within = FindArt(host, art, "HitTestEx")) == nullptr)
                return kHostErrBadHandle;
            // The tolerance is in pixels of the view the user looks at.
            double radius = tolerance / double{host.Drawing().FirstView().Zoom()};
            auto found = host.Drawing().HitAnchor(*point, radius, within);
            auto data = std::make_unique<HostToolHitData>();
            if (found) {
                *data = {1, host.Drawing().HandleOf(found->path),
                         static_cast<int16_t>(found->segment), found->point};
            }
            *hit = host.Hits().Add(std::move(data));
            return kHostNoError;
        });
}

HostErr HOST_API GetHitData(HostHitRef hit, HostToolHitData* data) {
    return Serve(
        kSuite, "GetHitData", [&] { return Arguments().Add("hit", hit); },
        [&](Host& host) -> HostErr {
            if (data == nullptr) return kHostErrBadParameter;
            const HostToolHitData* found = host.Hits().Find(hit);
            if (found == nullptr) {
                host.Misuse("GetHitData: unknown hit");
                return kHostErrBadHandle;
            }
            *data = *found;
            return kHostNoError;
        });
}

HostErr HOST_API Release(HostHitRef hit) {
    return Serve(
        kSuite, "Release", [&] { return Arguments().Add("hit", hit); },
        [&](Host& host) -> HostErr {
            if (host.Hits().Remove(hit)) return kHostNoError;
            host.Misuse("Release: unknown hit");
            return kHostErrBadHandle;
        });
}

const AIHitTestSuite3 gTable = {
    .HitTestEx = HitTestEx, .GetHitData = GetHitData, .Release = Release};

}  // namespace

const void* AiHitTestSuiteTable() {
    return &gTable;
}

}  // namespace emulator
