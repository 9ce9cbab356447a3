#include "panel/echelle_panneau.h"

#include "panel/echelle_perso.h"
#include "panel/items_panneau.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/echelle.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"

namespace {

const char* kTipEchelle = "Échelle du dessin";
const char* kTipIndicateur = "Indique que l'échelle n'est pas 1.";

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
    for (int32_t id = 0; id <= kDerniereEntreeEchelle; ++id) {
        const Rapport* rapport = RapportDe(id);
        if (rapport != nullptr)
            AjouterEntree(liste, id, rapport->texte);
        else if (id == kEntreeEchellePersoDialogue)
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

void MarquerEchelleCourante(HostItemRef popup) {
    HostListRef liste = sADMItem()->GetList(popup);
    for (int32_t id = 0; id <= kDerniereEntreeEchelle; ++id)
        if (HostEntryRef entree = sADMList()->FindEntry(liste, id))
            sADMEntry()->Check(entree, false);
    int32_t choisie = EntreeDeLEchelle(gGlobals->EchelleNumCourante, gGlobals->EchelleDenCourante);
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

void AppliquerEchelle(float numerateur, float denominateur) {
    Globals& g = *gGlobals;
    float ancien = g.FacteurEchelle;
    g.EchelleNumCourante = numerateur;
    g.EchelleDenCourante = denominateur;
    g.FacteurEchelle = g.EchelleNumCourante / g.EchelleDenCourante;
    MarquerEchelleCourante(sADMDialog()->GetItem(g.Panneau, kPopupEchelle));
    AfficherIndicateurEchelle(g.Panneau);
    sADMItem()->SetTipString(sADMDialog()->GetItem(g.Panneau, kIndicateurEchelle), kTipIndicateur);
    // The drawing stays as it is: the lengths held at drawing size follow the scale (a
    // round trip through the same scale would round them).
    if (ancien != g.FacteurEchelle)
        for (Longueur longueur : kLongueurs) {
            float& valeur = LongueurCourante(longueur);
            valeur = valeur * ancien / g.FacteurEchelle;
            AfficherLongueur(longueur, valeur);
        }
    CalculerAire();
}

void NotifierEchelle(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || gGlobals->Panneau == nullptr ||
        !SuitesPresentes(sADMDialog(), sADMItem(), sADMList(), sADMEntry(), sADMNotifier()))
        return;
    if (!ChangementUtilisateur(notifier)) return;
    const Globals& g = *gGlobals;
    HostEntryRef choisie = sADMList()->GetActiveEntry(sADMItem()->GetList(item));
    int32_t entree = choisie != nullptr ? sADMEntry()->GetID(choisie) : -1;
    if (const Rapport* rapport = RapportDe(entree))
        return AppliquerEchelle(rapport->numerateur, rapport->denominateur);
    if (entree == kEntreeEchellePerso)
        return AppliquerEchelle(g.EchelleNumPersoReal, g.EchelleDenPersoReal);
    if (entree == kEntreeEchellePersoDialogue && !g.EchellePersoOuvert) OuvrirEchellePerso();
    // The dialog keeps the scale: the popup shows the one in effect again.
    AppliquerEchelle(g.EchelleNumCourante, g.EchelleDenCourante);
}

void PreparerEchelle(HostDialogRef panneau) {
    Globals& g = *gGlobals;
    g.EchelleNumCourante = g.EchelleNum;
    g.EchelleDenCourante = g.EchelleDen;
    HostItemRef popup = sADMDialog()->GetItem(panneau, kPopupEchelle);
    RemplirPopup(sADMItem()->GetList(popup));
    MarquerEchelleCourante(popup);
    sADMItem()->SetNotifyProc(popup, Procedure<NotifierEchelle>);
    sADMItem()->SetTipString(popup, kTipEchelle);
    g.FacteurEchelle = g.EchelleNumCourante / g.EchelleDenCourante;
    AfficherIndicateurEchelle(panneau);
}
