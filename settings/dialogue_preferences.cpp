#include "settings/dialogue_preferences.h"

#include "host/windows_platform.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/globals.h"
#include "settings/preferences.h"

namespace {

constexpr const char* kTitre = "Préférences (KVT.Ortaq)";
constexpr const char* kBulleCalque = "Les tracés seront sur un nouveau calque (KVT.Ortaq).";
constexpr const char* kBulleCalqueActif = "Les tracés créés seront sur le calque actif.";

enum ItemPreferences : int32_t {
    kOK = 1,
    kAnnuler = 2,
    kDefaut = 3,
    kCaseCalque = 88,
    kCaseSon = 89,
    kCasePlume = 94,
    kCaseAnnotations = 97,
};

// Each check box, the preference it shows and its working copy.
struct Case {
    ItemPreferences id;
    HostBool32 Globals::*preference;
    HostBool32 Globals::*copie;
};
constexpr Case kCases[] = {
    {kCaseAnnotations, &Globals::MontreAnno, &Globals::MontreAnnoTemp},
    {kCaseSon, &Globals::Son, &Globals::SonTemp},
    {kCaseCalque, &Globals::Calque, &Globals::CalqueTemp},
    {kCasePlume, &Globals::OutilsGroupe, &Globals::OutilsGroupeTemp},
};

struct DefinitionItem {
    ItemPreferences id;
    const char* type;
    HostRect rect;
    const char* texte;
    const char* bulle;  // null: chosen when the item is made
    ADMItemNotifyProc notification;
};

void NotifierAnnotations(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierSon(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierCalque(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierPlume(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierAnnuler(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierDefaut(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierOK(HostItemRef item, HostDialogNotifierRef notifier);

// The items, in creation order.
const DefinitionItem kItems[] = {
    {kCaseAnnotations,
     kADMTextCheckBoxType,
     {10, 16, 204, 32},
     "Afficher les annotations.",
     "Les annotations seront affichées si la case est cochée.",
     Procedure<NotifierAnnotations>},
    {kCaseSon,
     kADMTextCheckBoxType,
     {220, 16, 270, 32},
     "Son",
     "Active ou supprime le son de KVT.Ortaq.",
     Procedure<NotifierSon>},
    {kCaseCalque,
     kADMTextCheckBoxType,
     {10, 57, 267, 73},
     "Tracés sur un calque séparé.",
     nullptr,
     Procedure<NotifierCalque>},
    {kCasePlume,
     kADMTextCheckBoxType,
     {10, 79, 223, 95},
     "Associer l'outil à l'outil Plume.",
     "Outil indépendant ou associé à l'outil Plume.",
     Procedure<NotifierPlume>},
    {kAnnuler,
     kADMTextPushButtonType,
     {10, 114, 78, 134},
     "Annuler",
     "Aucune modification.",
     Procedure<NotifierAnnuler>},
    {kDefaut,
     kADMTextPushButtonType,
     {109, 114, 191, 134},
     "Défaut",
     "Retour aux réglages d'origine.",
     Procedure<NotifierDefaut>},
    {kOK,
     kADMTextPushButtonType,
     {225, 114, 283, 134},
     "OK",
     "Validation des nouveaux réglages par défaut.",
     Procedure<NotifierOK>},
};

// The boxes "Défaut" sets, in order.
constexpr ItemPreferences kOrdreDefaut[] = {kCasePlume, kCaseCalque, kCaseAnnotations, kCaseSon};

const Case* CaseDe(ItemPreferences id) {
    for (const Case& c : kCases)
        if (c.id == id) return &c;
    return nullptr;
}

const char* BulleCalque(bool coche) {
    return coche ? kBulleCalque : kBulleCalqueActif;
}

// Default handling, then the working copy of ITEM's box takes the box's state.
bool CopierCase(HostItemRef item, HostDialogNotifierRef notifier) {
    sADMItem()->DefaultNotify(item, notifier);
    bool coche = sADMItem()->GetBooleanValue(item) != 0;
    gGlobals->*CaseDe(static_cast<ItemPreferences>(sADMItem()->GetID(item)))->copie = coche;
    return coche;
}

void NotifierAnnotations(HostItemRef item, HostDialogNotifierRef notifier) {
    CopierCase(item, notifier);
}

// The box changes on a click only; checking it lets the user hear the sound.
void NotifierSon(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!ChangementUtilisateur(notifier)) return;
    HostBool32& son = gGlobals->SonTemp;
    son = !son;
    sADMItem()->SetBooleanValue(item, son);
    sADMItem()->Invalidate(item);
    if (son) Beep(9001, 100);
}

void NotifierCalque(HostItemRef item, HostDialogNotifierRef notifier) {
    sADMItem()->SetTipString(item, BulleCalque(CopierCase(item, notifier)));
}

// The note under the box comes and goes with it.
void NotifierPlume(HostItemRef item, HostDialogNotifierRef notifier) {
    CopierCase(item, notifier);
    sADMDialog()->Invalidate(sADMItem()->GetDialog(item));
}

// Where the dialog stands, for the next time it opens; the dialog is closed from now on.
void Fermer(HostItemRef item) {
    HostRect bornes{};
    sADMDialog()->GetBoundsRect(sADMItem()->GetDialog(item), &bornes);
    gGlobals->RectPrefs = bornes;
}

void NotifierAnnuler(HostItemRef item, HostDialogNotifierRef notifier) {
    sADMItem()->DefaultNotify(item, notifier);
    Fermer(item);
    gGlobals->PrefsOuvert = 0;
}

void NotifierDefaut(HostItemRef item, HostDialogNotifierRef notifier) {
    sADMItem()->DefaultNotify(item, notifier);
    Globals& g = *gGlobals;
    g.SonTemp = 1;
    g.MontreAnnoTemp = 1;
    g.CalqueTemp = 0;
    g.OutilsGroupeTemp = 0;
    HostDialogRef dialogue = sADMItem()->GetDialog(item);
    for (ItemPreferences id : kOrdreDefaut)
        sADMItem()->SetBooleanValue(sADMDialog()->GetItem(dialogue, id), g.*CaseDe(id)->copie);
    sADMDialog()->Invalidate(dialogue);
}

void NotifierOK(HostItemRef item, HostDialogNotifierRef notifier) {
    sADMItem()->DefaultNotify(item, notifier);
    Fermer(item);
    Globals& g = *gGlobals;
    const AIPreferenceSuite4& p = *sAIPreference();
    g.OutilsGroupe = g.OutilsGroupeTemp;
    p.PutBooleanPreference(kPrefixe, "OutilsGroupe", g.OutilsGroupe);
    g.Calque = g.CalqueTemp;
    p.PutBooleanPreference(kPrefixe, "Calque", g.Calque);
    g.Son = g.SonTemp;
    p.PutBooleanPreference(kPrefixe, "Son", g.Son);
    g.MontreAnno = g.MontreAnnoTemp;
    p.PutBooleanPreference(kPrefixe, "MontreAnno", g.MontreAnno);
    g.PrefsOuvert = 0;
}

// The note that the Pen tool grouping waits for the next launch, and its star.
void DessinPreferences(HostDialogRef dialogue, HostDrawerRef dessin) {
    sADMDialog()->DefaultDraw(dialogue, dessin);
    const ADMDrawerSuite7& d = *sADMDrawer();
    HostRect note = {24, 97, 244, 110};
    HostRect etoile = {224, 79, 232, 87};
    d.DrawRect(dessin, &note);
    d.DrawRect(dessin, &etoile);
    d.SetADMColor(dessin, 13);
    if (!gGlobals->OutilsGroupeTemp) return;
    d.SetADMColor(dessin, 6);
    d.DrawText(dessin, "* Au prochain lancement d'Illustrator.", 24, 106);
    d.DrawText(dessin, "*", 226, 88);
}

HostItemRef CreerItem(HostDialogRef dialogue, const DefinitionItem& d) {
    HostItemRef item = sADMDialog()->CreateItem(dialogue, d.id, d.type, &d.rect, nullptr, 0);
    sADMItem()->SetText(item, d.texte);
    if (const Case* c = CaseDe(d.id)) {
        gGlobals->*c->copie = gGlobals->*c->preference;
        sADMItem()->SetBooleanValue(item, gGlobals->*c->copie);
    }
    sADMItem()->SetTipString(item, d.bulle != nullptr ? d.bulle : BulleCalque(gGlobals->Calque));
    sADMItem()->SetNotifyProc(item, d.notification);
    return item;
}

HostErr InitialisationPreferences(HostDialogRef dialogue) {
    HostRect bornes = gGlobals->RectPrefs;
    bornes.right = bornes.left + kLargeurPreferences;
    bornes.bottom = bornes.top + kHauteurPreferences;
    sADMDialog()->SetBoundsRect(dialogue, &bornes);
    sADMDialog()->SetText(dialogue, kTitre);
    sADMDialog()->SetDrawProc(dialogue, Procedure<DessinPreferences>);
    for (const DefinitionItem& d : kItems) CreerItem(dialogue, d);
    gGlobals->PrefsOuvert = 1;
    return kHostNoError;
}

}  // namespace

void OuvrirPreferences(const char* nom) {
    if (!SuitesPresentes(sADMDialog(), sADMItem(), sADMNotifier(), sADMDrawer(), sAIPreference()))
        return;
    sADMDialog()->Modal(sPlugin, nom, ORTAQ_DIALOGUE_PREFERENCES, kADMModalDialogStyle,
                        Procedure<InitialisationPreferences, kHostErrInternal>, nullptr, 0);
}
