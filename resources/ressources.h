// The plug-in's resource numbers, read by the resource compiler (ortaq.rc) and by the C++
// alike: plain #define lines only, which both understand.
#pragma once

// The plug-in property list, where the host finds the entry point.
#define ORTAQ_PIPL 16000

// Pictures of the panel and the About box.
#define ORTAQ_IMAGE_LOGO 128  // the maker's logo, button up
#define ORTAQ_IMAGE_LOGO_ENFONCE 129
#define ORTAQ_IMAGE_PAGE_SUIVANTE 400  // the help pane's page buttons
#define ORTAQ_IMAGE_PAGE_SUIVANTE_ENFONCEE 401
#define ORTAQ_IMAGE_PAGE_PRECEDENTE 402
#define ORTAQ_IMAGE_PAGE_PRECEDENTE_ENFONCEE 403
#define ORTAQ_IMAGE_INDICATEUR_ECHELLE 407  // the drawing scale is not 1
#define ORTAQ_IMAGE_ICONE_PANNEAU 409
#define ORTAQ_IMAGE_ICONE_PANNEAU_SURLIGNEE 410
#define ORTAQ_IMAGE_PLUS_MOINS 411  // the inclination's + and - buttons
#define ORTAQ_IMAGE_LIEN_WEB 500
#define ORTAQ_IMAGE_A_PROPOS 162

// The tool's cursors. The four vertices' cursors follow each other.
#define ORTAQ_CURSEUR_CROIX 20001
#define ORTAQ_CURSEUR_INTERDIT 20002
#define ORTAQ_CURSEUR_SOMMET1 20003
#define ORTAQ_CURSEUR_SOMMET2 20004
#define ORTAQ_CURSEUR_SOMMET3 20005
#define ORTAQ_CURSEUR_SOMMET4 20006
#define ORTAQ_CURSEUR_ORDINAIRE 20007
#define ORTAQ_CURSEUR_VIDE 20008
#define ORTAQ_CURSEUR_FLECHE 20009

// The tool's button, and the same under the pointer.
#define ORTAQ_ICONE_OUTIL 16051
#define ORTAQ_ICONE_OUTIL_SURVOL 18001

// The panel's flyout menu and its entries, numbered by their place from 1; the separators
// at places 6 and 8 have no number.
#define ORTAQ_MENU_PANNEAU 128
#define ORTAQ_ENTREE_QUELCONQUE 1
#define ORTAQ_ENTREE_CARRE 2
#define ORTAQ_ENTREE_RECTANGLE 3
#define ORTAQ_ENTREE_LOSANGE 4
#define ORTAQ_ENTREE_PARALLELOGRAMME 5
#define ORTAQ_ENTREE_PREFERENCES 7
#define ORTAQ_ENTREE_AIDE 9

// The dialogs' templates.
#define ORTAQ_DIALOGUE_PANNEAU 16400
#define ORTAQ_DIALOGUE_A_PROPOS 16800  // from the host's About command
#define ORTAQ_DIALOGUE_PREFERENCES 16900
#define ORTAQ_DIALOGUE_ECHELLE_PERSO 17100
#define ORTAQ_DIALOGUE_A_PROPOS_MENU 20000  // from the plug-in's item in the About menu
