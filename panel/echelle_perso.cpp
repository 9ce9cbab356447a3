#include "panel/echelle_perso.h"

#include "panel/echelle_panneau.h"
#include "panel/items_panneau.h"
#include "panel/procedures_items.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/echelle.h"
#include "settings/globals.h"
#include "settings/preferences.h"

namespace {

constexpr const char* kNom = "bidon";

enum ItemEchellePerso : int32_t {
    kOK = 1,
    kAnnuler = 2,
    kChampNumerateur = 10,
    kLettreNumerateur = 11,  // an invisible button over the letter "N"
    kChampDenominateur = 12,
    kLettreDenominateur = 13,  // an invisible button over the letter "D"
};

// The letters beside the fields, on small cleared areas.
struct Lettre {
    HostRect zone;
    const char* texte;
    int32_t h, v;
};
constexpr Lettre kLettres[] = {{{5, 18, 17, 32}, "N", 6, 29},
                               {{92, 18, 96, 32}, ":", 92, 29},
                               {{110, 18, 120, 32}, "D", 110, 29}};
constexpr HostRect kZoneEquivalence = {10, 40, 200, 60};

float& TermeDe(int32_t champ) {
    return champ == kChampNumerateur ? gGlobals->EchelleNumPersoReal
                                     : gGlobals->EchelleDenPersoReal;
}

void DessinEchellePerso(HostDialogRef dialogue, HostDrawerRef dessin) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMDialog(), sADMDrawer())) return;
    sADMDialog()->DefaultDraw(dialogue, dessin);
    for (const Lettre& lettre : kLettres) {
        sADMDrawer()->ClearRect(dessin, &lettre.zone);
        sADMDrawer()->DrawText(dessin, lettre.texte, lettre.h, lettre.v);
    }
    sADMDrawer()->ClearRect(dessin, &kZoneEquivalence);
    char ligne[64];
    TexteEquivalence(gGlobals->EchelleNumPersoReal, gGlobals->EchelleDenPersoReal, ligne,
                     sizeof ligne);
    sADMDrawer()->DrawText(dessin, ligne, 40, 54);
}

// A term typed in its field: the field shows the term kept when the one typed could not be.
void NotifierTerme(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem(), sADMNotifier(), sADMDialog())) return;
    if (!ChangementUtilisateurTraite(item, notifier)) return;
    float lu = sADMItem()->GetFloatValue(item);
    float& terme = TermeDe(sADMItem()->GetID(item));
    terme = TermePersoValide(lu, terme);
    if (terme != lu) sADMItem()->SetFloatValue(item, terme);
    // The equivalence line follows the typing.
    sADMDialog()->Invalidate(sADMItem()->GetDialog(item));
}

// A click on a letter puts the caret in its field.
void NotifierLettre(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem(), sADMNotifier(), sADMDialog())) return;
    if (!ChangementUtilisateur(notifier)) return;
    int32_t champ =
        sADMItem()->GetID(item) == kLettreNumerateur ? kChampNumerateur : kChampDenominateur;
    sADMItem()->Activate(sADMDialog()->GetItem(sADMItem()->GetDialog(item), champ), true);
}

// Both buttons close the dialog; where it stood is kept for the next time.
bool Fermer(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem(), sADMNotifier(), sADMDialog()))
        return false;
    if (!ChangementUtilisateurTraite(item, notifier)) return false;
    sADMDialog()->GetBoundsRect(sADMItem()->GetDialog(item), &gGlobals->RectEchellePerso);
    gGlobals->EchellePersoOuvert = 0;
    return true;
}

void NotifierAnnuler(HostItemRef item, HostDialogNotifierRef notifier) {
    Fermer(item, notifier);
}

void NotifierOK(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Fermer(item, notifier) || !SuitesPresentes(sADMList(), sADMEntry(), sAIPreference()))
        return;
    const Globals& g = *gGlobals;
    // The popup's custom entry shows the custom ratio: while it is the scale in effect, the
    // new ratio takes effect with it.
    bool persoEnEffet =
        EntreeDeLEchelle(g.EchelleNumCourante, g.EchelleDenCourante) == kEntreeEchellePerso;
    HostItemRef popup = sADMDialog()->GetItem(g.Panneau, kPopupEchelle);
    char texte[64];
    TexteEchellePerso(g.EchelleNumPersoReal, g.EchelleDenPersoReal, texte, sizeof texte);
    HostEntryRef entree = sADMList()->FindEntry(sADMItem()->GetList(popup), kEntreeEchellePerso);
    if (entree != nullptr) sADMEntry()->SetText(entree, texte);
    sAIPreference()->PutRealPreference(kPrefixe, "EchelleNumPersoReal", g.EchelleNumPersoReal);
    sAIPreference()->PutRealPreference(kPrefixe, "EchelleDenPersoReal", g.EchelleDenPersoReal);
    if (persoEnEffet) AppliquerEchelle(g.EchelleNumPersoReal, g.EchelleDenPersoReal);
}

HostItemRef CreerItem(HostDialogRef dialogue, int32_t id, const char* type, HostRect rect,
                      const char* tip) {
    HostItemRef item = sADMDialog()->CreateItem(dialogue, id, type, &rect, nullptr, 0);
    if (tip != nullptr) sADMItem()->SetTipString(item, tip);
    return item;
}

void CreerChamp(HostDialogRef dialogue, int32_t id, HostRect rect) {
    HostItemRef champ = CreerItem(dialogue, id, kADMSpinEditType, rect, nullptr);
    sADMItem()->SetMinFloatValue(champ, kTermePersoMinimum);
    sADMItem()->SetMaxFloatValue(champ, kTermeMaximum);
    sADMItem()->SetSmallIncrement(champ, 0.1f);
    sADMItem()->SetLargeIncrement(champ, 1);
    sADMItem()->SetUnits(champ, kADMNoUnits);
    sADMItem()->SetPrecision(champ, 6);
    sADMItem()->SetFloatValue(champ, TermeDe(id));
    sADMItem()->SetNotifyProc(champ, Procedure<NotifierTerme>);
}

void CreerLettre(HostDialogRef dialogue, int32_t id, HostRect rect, const char* tip) {
    HostItemRef lettre = CreerItem(dialogue, id, kADMPicturePushButtonType, rect, tip);
    sADMItem()->SetDrawProc(lettre, Procedure<DessinVide>);
    sADMItem()->SetNotifyProc(lettre, Procedure<NotifierLettre>);
}

void CreerBouton(HostDialogRef dialogue, int32_t id, HostRect rect, const char* texte,
                 const char* tip, ADMItemNotifyProc notification) {
    HostItemRef bouton = CreerItem(dialogue, id, kADMTextPushButtonType, rect, tip);
    sADMItem()->SetText(bouton, texte);
    sADMItem()->SetNotifyProc(bouton, notification);
}

HostErr InitialisationEchellePerso(HostDialogRef dialogue) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMDialog(), sADMItem())) return kHostNoError;
    HostRect& place = gGlobals->RectEchellePerso;
    place.right = place.left + kLargeurEchellePerso;
    place.bottom = place.top + kHauteurEchellePerso;
    sADMDialog()->SetBoundsRect(dialogue, &place);
    sADMDialog()->SetText(dialogue, "Échelle personnalisée.");
    sADMDialog()->SetDrawProc(dialogue, Procedure<DessinEchellePerso>);
    CreerChamp(dialogue, kChampNumerateur, {20, 14, 84, 36});
    CreerLettre(dialogue, kLettreNumerateur, {0, 14, 13, 36},
                "Numérateur de l'échelle personnalisée (entier ou décimal).");
    CreerChamp(dialogue, kChampDenominateur, {124, 14, 188, 36});
    CreerLettre(dialogue, kLettreDenominateur, {100, 14, 123, 36},
                "Dénominateur de l'échelle personnalisée (entier ou décimal).");
    CreerBouton(dialogue, kAnnuler, {10, 62, 78, 82}, "Annuler", "Aucune modification.",
                Procedure<NotifierAnnuler>);
    CreerBouton(dialogue, kOK, {131, 62, 189, 82}, "OK", "Validation de l'échelle préférée.",
                Procedure<NotifierOK>);
    sADMItem()->Enable(sADMDialog()->GetItem(dialogue, kOK), true);
    gGlobals->EchellePersoOuvert = 1;
    return kHostNoError;
}

}  // namespace

void OuvrirEchellePerso() {
    if (!SuitesPresentes(sADMDialog(), sADMItem(), sADMDrawer())) return;
    sADMDialog()->Modal(sPlugin, kNom, ORTAQ_DIALOGUE_ECHELLE_PERSO, kADMModalDialogStyle,
                        Procedure<InitialisationEchellePerso, kHostErrInternal>, nullptr, 0);
    // However it closed, it is no longer on screen.
    gGlobals->EchellePersoOuvert = 0;
}
