#include "geometry/ecriture_nombres.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kIlisible = "####";

}  // namespace

void EcrireDeuxDecimales(float valeur, char* texte, size_t taille) {
    if (taille == 0) return;
    char ecrit[64] = "";
    if (valeur >= 0 && std::isfinite(valeur)) {
        float x = valeur + 0.005f;
        float entier = std::floor(x);
        float fraction = x - entier;
        float dixiemes = std::floor(10 * fraction);
        float reste = 10 * fraction - dixiemes;
        float centiemes = std::floor(10 * reste);
        std::snprintf(ecrit, sizeof ecrit, "%.0f,%d%d", double{entier}, static_cast<int>(dixiemes),
                      static_cast<int>(centiemes));
    }
    size_t longueur = std::strlen(ecrit);
    if (longueur == 0 || longueur >= taille) std::snprintf(ecrit, sizeof ecrit, "%s", kIlisible);
    std::snprintf(texte, taille, "%s", ecrit);
}

void VirguleDecimale(char* texte) {
    if (char* point = std::strchr(texte, '.')) *point = ',';
}
