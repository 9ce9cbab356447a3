#include "settings/echelle.h"

#include <cstdio>
#include <iterator>

#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

struct Rapport {
    int32_t entree;
    const char* texte;
    float numerateur;
    float denominateur;
};

// The popup's fixed ratios, by entry; 8, 10 and 19 are separators.
constexpr Rapport kRapports[] = {{0, "1/100", 1, 100}, {1, "1/50", 1, 50},   {2, "1/25", 1, 25},
                                 {3, "1/10", 1, 10},   {4, "1/5", 1, 5},     {5, "1/4", 1, 4},
                                 {6, "1/3", 1, 3},     {7, "1/2", 1, 2},     {9, "1", 1, 1},
                                 {11, "2/1", 2, 1},    {12, "3/1", 3, 1},    {13, "4/1", 4, 1},
                                 {14, "5/1", 5, 1},    {15, "10/1", 10, 1},  {16, "25/1", 25, 1},
                                 {17, "50/1", 50, 1},  {18, "100/1", 100, 1}};

// The order in which ratios are recognised: over 1 first, then 1 over.
constexpr int32_t kOrdreDeRecherche[] = {9, 11, 12, 13, 14, 15, 16, 17, 18, 7, 6, 5, 4, 3, 2, 1, 0};

constexpr int32_t kEntreePerso = 20;
constexpr int32_t kDerniereEntree = 21;

const char* kTipEchelle = "Échelle du dessin";
const char* kTipIndicateur = "Indique que l'échelle n'est pas 1.";

const Rapport* RapportDe(int32_t entree) {
    for (const Rapport& rapport : kRapports)
        if (rapport.entree == entree) return &rapport;
    return nullptr;
}

HostEntryRef AjouterEntree(HostListRef liste, int32_t id, const char* texte) {
    HostEntryRef entree = sADMList()->InsertEntry(liste, sADMList()->NumberOfEntries(liste));
    sADMEntry()->SetID(entree, id);
    if (texte == nullptr)
        sADMEntry()->MakeSeparator(entree, true);
    else
        sADMEntry()->SetText(entree, texte);
    return entree;
}

void RemplirPopup(HostListRef liste) {
    for (int32_t id = 0; id <= kDerniereEntree; ++id) {
        const Rapport* rapport = RapportDe(id);
        if (rapport != nullptr)
            AjouterEntree(liste, id, rapport->texte);
        else if (id == kEntreePerso)
            AjouterEntree(liste, id, "Éch. Perso…");
        else if (id != kEntreeEchellePerso)
            AjouterEntree(liste, id, nullptr);
    }
    char texte[64];
    TexteEchellePerso(gGlobals->EchelleNumPersoReal, gGlobals->EchelleDenPersoReal, texte,
                      sizeof texte);
    HostEntryRef perso = AjouterEntree(liste, kEntreeEchellePerso, texte);
    sADMEntry()->Enable(perso,
                        gGlobals->EchelleNumPersoReal != 0 && gGlobals->EchelleDenPersoReal != 0);
}

}  // namespace

void TexteEchellePerso(float numerateur, float denominateur, char* texte, size_t taille) {
    if (numerateur == 0 || denominateur == 0)
        std::snprintf(texte, taille, "…/…");
    else
        std::snprintf(texte, taille, "%g/%g", numerateur, denominateur);
}

void MarquerEchelleCourante(HostItemRef popup) {
    HostListRef liste = sADMItem()->GetList(popup);
    for (int32_t id = 0; id <= kDerniereEntree; ++id)
        if (HostEntryRef entree = sADMList()->FindEntry(liste, id))
            sADMEntry()->Check(entree, false);
    int32_t choisie = kEntreeEchellePerso;
    for (int32_t id : kOrdreDeRecherche) {
        const Rapport* rapport = RapportDe(id);
        if (rapport->numerateur == gGlobals->EchelleNumCourante &&
            rapport->denominateur == gGlobals->EchelleDenCourante) {
            choisie = id;
            break;
        }
    }
    HostEntryRef entree = sADMList()->FindEntry(liste, choisie);
    sADMEntry()->Check(entree, true);
    sADMEntry()->Select(entree, true);
}

void AfficherIndicateurEchelle(HostDialogRef panneau) {
    HostItemRef indicateur = sADMDialog()->GetItem(panneau, kIndicateurEchelle);
    bool visible = gGlobals->FacteurEchelle != 1;
    if (visible) sADMItem()->SetTipString(indicateur, kTipIndicateur);
    sADMItem()->Show(indicateur, visible);
}

void PreparerEchelle(HostDialogRef panneau) {
    Globals& g = *gGlobals;
    g.EchelleNumCourante = g.EchelleNum;
    g.EchelleDenCourante = g.EchelleDen;
    HostItemRef popup = sADMDialog()->GetItem(panneau, kPopupEchelle);
    RemplirPopup(sADMItem()->GetList(popup));
    MarquerEchelleCourante(popup);
    sADMItem()->SetTipString(popup, kTipEchelle);
    g.FacteurEchelle = g.EchelleNumCourante / g.EchelleDenCourante;
    AfficherIndicateurEchelle(panneau);
}
