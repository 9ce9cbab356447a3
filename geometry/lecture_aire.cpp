#include "geometry/lecture_aire.h"

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

double AireEnUnite(double airePoints, int32_t unite, float facteur) {
    double k = facteur;
    return airePoints * kUnites[unite].pouceCarreEnUnite / kPointsParPouceCarre / (k * k);
}

const char* SuffixeAire(int32_t unite) {
    return kUnites[unite].suffixe;
}
