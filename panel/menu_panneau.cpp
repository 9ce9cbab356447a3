#include "panel/menu_panneau.h"

#include "panel/aide.h"
#include "panel/edition_champs.h"
#include "panel/items_panneau.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/dialogue_preferences.h"
#include "settings/globals.h"
#include "tool/creation.h"
#include "tool/trace.h"

namespace {

constexpr int32_t kPremiereEntree = 1;
constexpr int32_t kDerniereEntree = 9;

bool Pret() {
    return gGlobals->Panneau != nullptr &&
           SuitesPresentes(sADMDialog(), sADMItem(), sADMList(), sADMEntry());
}

HostListRef Menu() {
    return sADMItem()->GetList(sADMDialog()->GetItem(gGlobals->Panneau, kMenuLocal));
}

// The entry IDENTIFIANT of the menu; null for the separators' places.
HostEntryRef Entree(int32_t identifiant) {
    return sADMList()->FindEntry(Menu(), identifiant);
}

constexpr int32_t kEntreeAide = 9;
constexpr int32_t kLargeurPanneau = 206;
constexpr int32_t kLargeurAvecAide = 412;

// The entries by their index in the menu.
enum IndexMenu : int32_t {
    kQuelconque = 0,
    kCarre = 1,
    kParallelogramme = 4,
    kPreferences = 6,
    kAide = 8,
};

// The four kind flags, by index 1 to 4.
HostBool32 Globals::*const kDrapeaux[] = {&Globals::FormeCarre, &Globals::FormeRectangle,
                                          &Globals::FormeLosange, &Globals::FormeParallelogramme};

// Which fields a kind leaves editable. kInchange: as they are.
enum class Etat { kActif, kInactif, kInchange, kSelonDiagonale };

struct Activation {
    Etat cote2;       // items 5 and 6
    Etat cotes34;     // items 7 to 10
    Etat diagonales;  // items 11 to 14
    Etat boutons;     // items 26 and 27
};

// By kind (square, rectangle, rhombus, parallelogram): turned on, then turned off.
constexpr Activation kActive[4] = {
    {Etat::kInactif, Etat::kInactif, Etat::kInactif, Etat::kInactif},
    {Etat::kActif, Etat::kInactif, Etat::kInactif, Etat::kInactif},
    {Etat::kActif, Etat::kInactif, Etat::kActif, Etat::kInchange},
    {Etat::kActif, Etat::kInactif, Etat::kActif, Etat::kInchange},
};
constexpr Activation kDesactive[4] = {
    {Etat::kActif, Etat::kActif, Etat::kActif, Etat::kSelonDiagonale},
    {Etat::kActif, Etat::kActif, Etat::kActif, Etat::kSelonDiagonale},
    {Etat::kActif, Etat::kActif, Etat::kActif, Etat::kInchange},
    {Etat::kActif, Etat::kActif, Etat::kActif, Etat::kInchange},
};

void Activer(int32_t id, bool actif) {
    sADMItem()->Enable(sADMDialog()->GetItem(gGlobals->Panneau, id), actif);
}

void ActiverPlage(int32_t premier, int32_t dernier, Etat etat) {
    if (etat != Etat::kActif && etat != Etat::kInactif) return;
    for (int32_t id = premier; id <= dernier; ++id) Activer(id, etat == Etat::kActif);
}

// The buttons that hold a diagonal: the one over the inactive diagonal can be pressed.
void ActiverBoutons(Etat etat) {
    if (etat == Etat::kInchange) return;
    bool d1 = gGlobals->Diagonale1Active != 0;
    bool selon = etat == Etat::kSelonDiagonale;
    Activer(kBoutonDiagonale1, selon && !d1);
    Activer(kBoutonDiagonale2, selon && d1);
}

void Appliquer(const Activation& a) {
    ActiverPlage(kChampCote2, kZoneCote2, a.cote2);
    ActiverPlage(kChampCote3, kZoneCote4, a.cotes34);
    ActiverPlage(kChampDiagonale1, kZoneDiagonale2, a.diagonales);
    ActiverBoutons(a.boutons);
}

void ChoisirQuelconque() {
    Globals& g = *gGlobals;
    g.FormeQuelconque = 1;
    for (HostBool32 Globals::*drapeau : kDrapeaux) g.*drapeau = 0;
    Appliquer(kDesactive[0]);
    CocherFormes();
    FormeChangee();
}

// Kind K (0 square to 3 parallelogram) toggled; the other kinds are cleared.
void BasculerForme(int k) {
    Globals& g = *gGlobals;
    bool actif = !(g.*kDrapeaux[k]);
    Appliquer(actif ? kActive[k] : kDesactive[k]);
    for (int autre = 0; autre < 4; ++autre) g.*kDrapeaux[autre] = autre == k && actif;
    for (int32_t id = 1; id <= 5; ++id)
        if (HostEntryRef entree = Entree(id)) sADMEntry()->Check(entree, id == k + 2 && actif);
    NommerGroupe(true);
    FormeChangee();
}

// The help entry widens the panel to show the help pane, or narrows it back.
void BasculerAide() {
    HostRect rect{};
    sADMDialog()->GetLocalRect(gGlobals->Panneau, &rect);
    HostEntryRef entree = Entree(kEntreeAide);
    char texte[64] = "";
    if (entree != nullptr) sADMEntry()->GetText(entree, texte, sizeof texte);
    bool ouverte = texte[0] == 'M';
    if (entree != nullptr)
        sADMEntry()->SetText(entree, ouverte ? "Afficher l'aide" : "Masquer l'aide");
    rect.right = rect.left + (ouverte ? kLargeurPanneau : kLargeurAvecAide);
    if (!ouverte) OuvrirAide();
    sADMDialog()->SetLocalRect(gGlobals->Panneau, &rect);
}

void Choisir(int32_t index) {
    if (index == kQuelconque) return ChoisirQuelconque();
    if (index >= kCarre && index <= kParallelogramme) return BasculerForme(index - kCarre);
    if (index == kPreferences && !gGlobals->PrefsOuvert) return OuvrirPreferences("bidon");
    if (index == kAide) BasculerAide();
}

}  // namespace

void NotifierMenu(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || !Pret() || !SuitesPresentes(sADMNotifier())) return;
    HostDialogRef panneau = sADMItem()->GetDialog(item);
    if (ChangementUtilisateurTraite(item, notifier)) {
        HostEntryRef active = sADMList()->GetActiveEntry(sADMItem()->GetList(item));
        if (active != nullptr) Choisir(sADMEntry()->GetIndex(active));
    }
    // Every choice ends with the figure rewritten where the position field puts it.
    NotifierPosition(sADMDialog()->GetItem(panneau, kChampPositionH), notifier);
}

void ActiverMenuPanneau(bool actif) {
    if (!Pret()) return;
    for (int32_t id = kPremiereEntree; id <= kDerniereEntree; ++id)
        if (HostEntryRef entree = Entree(id)) sADMEntry()->Enable(entree, actif);
}

void CocherFormes() {
    if (!Pret()) return;
    const Globals& g = *gGlobals;
    const HostBool32 coches[] = {g.FormeQuelconque, g.FormeCarre, g.FormeRectangle, g.FormeLosange,
                                 g.FormeParallelogramme};
    for (int32_t i = 0; i < 5; ++i)
        if (HostEntryRef entree = Entree(i + 1)) sADMEntry()->Check(entree, coches[i] != 0);
}
