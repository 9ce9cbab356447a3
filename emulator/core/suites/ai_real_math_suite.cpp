// Real maths: angles and matrices, computed in double and stored as the host's float32.
#include <cmath>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIRealMathSuite;

// M, then X.
HostRealMatrix Concat(const HostRealMatrix& m, const HostRealMatrix& x) {
    auto f = [](double value) { return static_cast<float>(value); };
    return {f(double{m.a} * x.a + double{m.b} * x.c),
            f(double{m.a} * x.b + double{m.b} * x.d),
            f(double{m.c} * x.a + double{m.d} * x.c),
            f(double{m.c} * x.b + double{m.d} * x.d),
            f(double{m.tx} * x.a + double{m.ty} * x.c + x.tx),
            f(double{m.tx} * x.b + double{m.ty} * x.d + x.ty)};
}

HostReal HOST_API AIRealPointAngle(const HostRealPoint* p1, const HostRealPoint* p2) {
    return ServeValue(
        kSuite, "AIRealPointAngle", HostReal{0},
        [&] {
            Arguments args;
            if (p1 && p2)
                args.Add("p1.h", p1->h).Add("p1.v", p1->v).Add("p2.h", p2->h).Add("p2.v", p2->v);
            return args;
        },
        Needs(NonNull(p1, p2)),
        [&](Host&) {
            return static_cast<float>(std::atan2(double{p2->v} - p1->v, double{p2->h} - p1->h));
        });
}

void HOST_API AIRealMatrixSetTranslate(HostRealMatrix* m, HostReal tx, HostReal ty) {
    Serve(
        kSuite, "AIRealMatrixSetTranslate", [&] { return Arguments().Add("tx", tx).Add("ty", ty); },
        Needs(NonNull(m)), [&](Host&) { *m = {1, 0, 0, 1, tx, ty}; });
}

void HOST_API AIRealMatrixConcatRotate(HostRealMatrix* m, HostReal angle) {
    Serve(
        kSuite, "AIRealMatrixConcatRotate", [&] { return Arguments().Add("angle", angle); },
        Needs(NonNull(m)),
        [&](Host&) {
            double c = std::cos(double{angle}), s = std::sin(double{angle});
            *m = Concat(*m, {static_cast<float>(c), static_cast<float>(s), static_cast<float>(-s),
                             static_cast<float>(c), 0, 0});
        });
}

void HOST_API AIRealMatrixConcatTranslate(HostRealMatrix* m, HostReal tx, HostReal ty) {
    Serve(
        kSuite, "AIRealMatrixConcatTranslate",
        [&] { return Arguments().Add("tx", tx).Add("ty", ty); }, Needs(NonNull(m)),
        [&](Host&) {
            *m = Concat(*m, {1, 0, 0, 1, tx, ty});
        });
}

const AIRealMathSuite1 gTable = {.AIRealPointAngle = AIRealPointAngle,
                                 .AIRealMatrixSetTranslate = AIRealMatrixSetTranslate,
                                 .AIRealMatrixConcatRotate = AIRealMatrixConcatRotate,
                                 .AIRealMatrixConcatTranslate = AIRealMatrixConcatTranslate};

}  // namespace

const void* AiRealMathSuiteTable() {
    return &gTable;
}

}  // namespace emulator
