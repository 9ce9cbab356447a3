#include "panel/aide.h"

#include "panel/items_panneau.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

// Each page: a title in capitals, an empty line, then paragraphs; lines end with CR LF.
constexpr const char* kPages[] = {
    "ALT-CLIC\r\n"
    "\r\n"
    "Un clic sur le plan de travail avec la touche Alt enfoncée affiche ou masque ce "
    "panneau.\r\n"
    "\r\n"
    "Quand l'outil est sélectionné, la touche Entrée ouvre les préférences de "
    "KVT.Ortaq.",

    "TRACÉ D'UN QUADRILATÈRE\r\n"
    "\r\n"
    "Un quadrilatère quelconque se trace en quatre clics, un par sommet. Entre deux "
    "clics, des repères montrent la figure ; au dernier clic, un tracé les remplace.\r\n"
    "\r\n"
    "Le panneau affiche alors les quatre côtés, les deux diagonales, la position "
    "horizontale et verticale et l'inclinaison.",

    "MODIFICATION D'UN QUADRILATÈRE\r\n"
    "\r\n"
    "Au-dessus d'un sommet d'un quadrilatère tracé par KVT.Ortaq, le curseur indique le "
    "numéro du sommet.\r\n"
    "\r\n"
    "En faisant glisser ce sommet, on déforme la figure ; la longueur des côtés modifiés "
    "et les angles droits éventuels s'affichent.",

    "MODIFICATION D'UN QUADRILATÈRE\r\n"
    "\r\n"
    "La longueur des côtés se règle dans le panneau. Le curseur fait tourner la "
    "figure ; les boutons + et - changent l'angle de 1°, ou de 10° avec la touche "
    "Maj.\r\n"
    "\r\n"
    "Les deux champs du haut du panneau déplacent la figure horizontalement et "
    "verticalement.",

    "ANNOTATIONS\r\n"
    "\r\n"
    "Les annotations n'apparaissent que si « Afficher les annotations » est coché dans "
    "les préférences de KVT.Ortaq.\r\n"
    "\r\n"
    "Elles donnent la longueur des côtés, les angles droits s'il y en a et la longueur "
    "de la diagonale, dans la couleur choisie pour les repères commentés dans les "
    "préférences d'Illustrator.",

    "MENU LOCAL\r\n"
    "\r\n"
    "Le menu du panneau choisit la forme à tracer : carré, rectangle, losange, "
    "parallélogramme ou quadrilatère quelconque.\r\n"
    "\r\n"
    "Selon la forme, certains champs du panneau sont désactivés : pour le carré, seul le "
    "champ du côté reste modifiable.",
};
constexpr int16_t kPagesEcrites = sizeof kPages / sizeof kPages[0];

constexpr const char* kBullePremiere = "Première page de l'aide.";
constexpr const char* kBullePrecedente = "Page précédente de l'aide.";
constexpr const char* kBulleSuivante = "Page suivante de l'aide.";
constexpr const char* kBulleDerniere = "Dernière page de l'aide.";

bool Pret() {
    return gGlobals != nullptr && gGlobals->Panneau != nullptr &&
           SuitesPresentes(sADMDialog(), sADMItem(), sADMNotifier());
}

HostItemRef Item(ItemPanneau id) {
    return sADMDialog()->GetItem(gGlobals->Panneau, id);
}

// The button ID enabled or not, with its tip.
void Bouton(ItemPanneau id, bool actif, const char* bulle) {
    sADMItem()->SetTipString(Item(id), bulle);
    sADMItem()->Enable(Item(id), actif);
}

// After a page was turned: the read-out and the page.
void MontrerNumero() {
    sADMItem()->SetIntValue(Item(kNumeroPage), gGlobals->PageAide);
    AfficherPageAide();
}

}  // namespace

void AfficherPageAide() {
    if (!Pret()) return;
    int16_t page = gGlobals->PageAide;
    // The buttons and their tips say where the page stands, however it was reached.
    bool premiere = page <= 1;
    bool derniere = page >= gGlobals->NbPagesAide;
    Bouton(kPagePrecedente, !premiere, premiere ? kBullePremiere : kBullePrecedente);
    Bouton(kPageSuivante, !derniere, derniere ? kBulleDerniere : kBulleSuivante);
    if (page >= 1 && page <= kPagesEcrites) sADMItem()->SetText(Item(kTexteAide), kPages[page - 1]);
}

void OuvrirAide() {
    if (!Pret()) return;
    gGlobals->PageAide = 1;
    MontrerNumero();
}

void NotifierPageSuivante(HostItemRef, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateur(notifier)) return;
    Globals& g = *gGlobals;
    if (g.PageAide < g.NbPagesAide) ++g.PageAide;
    MontrerNumero();
}

void NotifierPagePrecedente(HostItemRef, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateur(notifier)) return;
    Globals& g = *gGlobals;
    if (g.PageAide > 1) --g.PageAide;
    MontrerNumero();
}
