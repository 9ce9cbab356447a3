#include "annotations/texte_etiquette.h"

#include <cmath>
#include <cstdio>

namespace {

struct Unite {
    double facteur;  // points to the unit: value = points * multiplicande / diviseur
    double diviseur;
    const char* suffixe;
};

constexpr Unite kUnites[] = {
    {25.4, 72, " mm"},
    {2.54, 72, " cm"},
    {1, 72, " in"},
    {1, 1, " pt"},
};

// The integer part's digits take at most 38 places (float32 values up to 10^38).
constexpr float kPlusGrandEntier = 1e38f;

// The value rounded half up at the second decimal.
float Arrondir(double valeur) {
    return static_cast<float>(std::floor((valeur + 0.005) * 100) / 100);
}

// Two decimals written digit by digit from R, with a decimal comma.
void EcrireDecimal(float r, const char* suffixe, char (&texte)[kTailleTexteEtiquette]) {
    float x = r + 0.005f;
    float entier = std::floor(x);
    float fraction = x - entier;
    float dixiemes = std::floor(10 * fraction);
    float reste = 10 * fraction - dixiemes;
    int centiemes = static_cast<int>(std::floor(10 * reste));
    std::snprintf(texte, sizeof texte, "%.0f,%d%d%s", static_cast<double>(std::fabs(entier)),
                  static_cast<int>(dixiemes), centiemes, suffixe);
}

}  // namespace

void TexteEtiquette(float longueur, int32_t unite, char (&texte)[kTailleTexteEtiquette]) {
    const Unite& choisie = kUnites[unite >= 0 && unite < 4 ? unite : 0];
    float r = Arrondir(longueur * choisie.facteur / choisie.diviseur);
    if (!std::isfinite(r) || std::fabs(r) >= kPlusGrandEntier) {
        std::snprintf(texte, sizeof texte, "####%s", choisie.suffixe);
        return;
    }
    EcrireDecimal(r, choisie.suffixe, texte);
}
