#include "annotations/texte_etiquette.h"

#include <cmath>
#include <cstring>

#include "geometry/ecriture_nombres.h"

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

}  // namespace

void TexteEtiquette(float longueur, int32_t unite, char (&texte)[kTailleTexteEtiquette]) {
    const Unite& choisie = kUnites[unite >= 0 && unite < 4 ? unite : 0];
    size_t place = sizeof texte - std::strlen(choisie.suffixe);
    // The length in the unit as a float32: the decimal it reads as is the one typed.
    auto valeur =
        static_cast<float>(std::fabs(double{longueur} * choisie.facteur / choisie.diviseur));
    EcrireDeuxDecimales(valeur, texte, place);
    std::strncat(texte, choisie.suffixe, sizeof texte - std::strlen(texte) - 1);
}
