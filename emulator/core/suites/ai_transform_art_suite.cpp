// Transforming art by a matrix.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAITransformArtSuite;

HostErr HOST_API TransformArt(HostArtHandle art, const HostRealMatrix* matrix, HostReal lineScale,
                              int32_t flags) {
    return Serve(
        kSuite, "TransformArt",
        [&] {
            Arguments args;
            args.Add("art", art).Add("lineScale", lineScale).Add("flags", flags);
            if (matrix != nullptr)
                args.Add("a", matrix->a)
                    .Add("b", matrix->b)
                    .Add("c", matrix->c)
                    .Add("d", matrix->d)
                    .Add("tx", matrix->tx)
                    .Add("ty", matrix->ty);
            return args;
        },
        Needs(NonNull(matrix), Resolve(FindArt, art)),
        [&](Host& host, Art& found) {
            // Stroke widths are not modelled: only the geometry can change.
            if ((flags & kHostTransformObjects) != 0) host.Drawing().Transform(found, *matrix);
        });
}

const AITransformArtSuite1 gTable = {.TransformArt = TransformArt};

}  // namespace

const void* AiTransformArtSuiteTable() {
    return &gTable;
}

}  // namespace emulator
