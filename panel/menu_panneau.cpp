#include "panel/menu_panneau.h"

#include "panel/aide.h"
#include "panel/items_panneau.h"
#include "panel/panneau.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/dialogue_preferences.h"
#include "settings/globals.h"
#include "tool/creation.h"
#include "tool/figure_document.h"

namespace {

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

// The kinds' entries, square to parallelogram, follow the arbitrary quadrilateral's.
static_assert(ORTAQ_ENTREE_PARALLELOGRAMME == ORTAQ_ENTREE_QUELCONQUE + 4,
              "the five kinds' entries follow each other");

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

void ChoisirQuelconque() {
    Globals& g = *gGlobals;
    g.FormeQuelconque = 1;
    for (HostBool32 Globals::*drapeau : kDrapeaux) g.*drapeau = 0;
    CocherFormes();
    FormeChangee();
    ActualiserChamps();
}

// Kind K (0 square to 3 parallelogram) toggled; the other kinds are cleared. The kind is
// the one the tool draws: a finished figure keeps its own, and its name.
void BasculerForme(int k) {
    Globals& g = *gGlobals;
    bool actif = !(g.*kDrapeaux[k]);
    for (int autre = 0; autre < 4; ++autre) g.*kDrapeaux[autre] = autre == k && actif;
    for (int32_t id = ORTAQ_ENTREE_QUELCONQUE; id <= ORTAQ_ENTREE_PARALLELOGRAMME; ++id)
        if (HostEntryRef entree = Entree(id))
            sADMEntry()->Check(entree, id == ORTAQ_ENTREE_CARRE + k && actif);
    FormeChangee();
    ActualiserChamps();
}

// The help entry widens the panel to show the help pane, or narrows it back.
void BasculerAide() {
    HostRect rect{};
    sADMDialog()->GetLocalRect(gGlobals->Panneau, &rect);
    HostEntryRef entree = Entree(ORTAQ_ENTREE_AIDE);
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
    if (!ChangementUtilisateurTraite(item, notifier)) return;
    HostEntryRef active = sADMList()->GetActiveEntry(sADMItem()->GetList(item));
    if (active != nullptr) Choisir(sADMEntry()->GetIndex(active));
}

void ActiverMenuPanneau(bool actif) {
    if (!Pret()) return;
    for (int32_t id = ORTAQ_ENTREE_QUELCONQUE; id <= ORTAQ_ENTREE_AIDE; ++id)
        if (HostEntryRef entree = Entree(id)) sADMEntry()->Enable(entree, actif);
}

void CocherFormes() {
    if (!Pret()) return;
    const Globals& g = *gGlobals;
    const HostBool32 coches[] = {g.FormeQuelconque, g.FormeCarre, g.FormeRectangle, g.FormeLosange,
                                 g.FormeParallelogramme};
    for (int32_t i = 0; i < 5; ++i)
        if (HostEntryRef entree = Entree(ORTAQ_ENTREE_QUELCONQUE + i))
            sADMEntry()->Check(entree, coches[i] != 0);
}
