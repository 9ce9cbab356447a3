#include "settings/echelle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "geometry/ecriture_nombres.h"

namespace {

constexpr Rapport kRapports[] = {{0, "1/100", 1, 100}, {1, "1/50", 1, 50},   {2, "1/25", 1, 25},
                                 {3, "1/10", 1, 10},   {4, "1/5", 1, 5},     {5, "1/4", 1, 4},
                                 {6, "1/3", 1, 3},     {7, "1/2", 1, 2},     {9, "1", 1, 1},
                                 {11, "2/1", 2, 1},    {12, "3/1", 3, 1},    {13, "4/1", 4, 1},
                                 {14, "5/1", 5, 1},    {15, "10/1", 10, 1},  {16, "25/1", 25, 1},
                                 {17, "50/1", 50, 1},  {18, "100/1", 100, 1}};

// The order in which ratios are recognised: over 1 first, then 1 over.
constexpr int32_t kOrdreDeRecherche[] = {9, 11, 12, 13, 14, 15, 16, 17, 18, 7, 6, 5, 4, 3, 2, 1, 0};

}  // namespace

const Rapport* RapportDe(int32_t entree) {
    for (const Rapport& rapport : kRapports)
        if (rapport.entree == entree) return &rapport;
    return nullptr;
}

int32_t EntreeDeLEchelle(float numerateur, float denominateur) {
    for (int32_t entree : kOrdreDeRecherche) {
        const Rapport* rapport = RapportDe(entree);
        if (rapport->numerateur == numerateur && rapport->denominateur == denominateur)
            return entree;
    }
    return kEntreeEchellePerso;
}

void TexteEchellePerso(float numerateur, float denominateur, char* texte, size_t taille) {
    if (numerateur == 0 || denominateur == 0)
        std::snprintf(texte, taille, "…/…");
    else
        std::snprintf(texte, taille, "%g/%g", numerateur, denominateur);
}

float TermePersoValide(float lu, float precedent) {
    if (!std::isfinite(lu)) return precedent;
    return std::clamp(lu, kTermePersoMinimum, kTermeMaximum);
}

void TexteEquivalence(float numerateur, float denominateur, char* texte, size_t taille) {
    std::snprintf(texte, taille, "1 mm -> %g mm", double{denominateur / numerateur});
    VirguleDecimale(texte);
}
