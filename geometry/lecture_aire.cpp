#include "geometry/lecture_aire.h"

#include <cmath>
#include <limits>

namespace {

// 72², the square points in a square inch.
constexpr double kPointsParPouceCarre = 5184;

struct UniteAire {
    double pouceCarreEnUnite;  // square units in a square inch
    const char* suffixe;
};

constexpr UniteAire kUnites[kNombreUnites] = {
    {645.16, " mm2"},  // 25.4²
    {6.4516, " cm2"},  // 2.54²
    {1, " po2"},
    {kPointsParPouceCarre, " pt2"},
};

}  // namespace

float AireEnUnite(float airePoints, int32_t unite, float facteur) {
    float k2 = facteur * facteur;
    double aire =
        double{airePoints} * kUnites[unite].pouceCarreEnUnite / kPointsParPouceCarre / double{k2};
    // Beyond float32 the area is infinite, as float32 arithmetic would have it.
    if (std::fabs(aire) > std::numeric_limits<float>::max())
        return std::copysign(std::numeric_limits<float>::infinity(), aire);
    return static_cast<float>(aire);
}

const char* SuffixeAire(int32_t unite) {
    return kUnites[unite].suffixe;
}
