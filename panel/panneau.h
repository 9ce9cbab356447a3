// The floating panel: its items, its initialisation and its activation with the tool.
#pragma once

#include "host/types.h"

// Builds the panel's items and fills the panel's part of the state record. Called once
// by the dialog manager when the panel is created.
HostErr HOST_API InitialisationPanneau(HostDialogRef panneau);

// Enables the panel's controls while the tool is selected (OUTIL_CHOISI) and disables
// them otherwise.
void ActivationPanneau(bool outilChoisi);

// Panel item numbers that other parts of the plug-in use.
enum ItemPanneau : int32_t {
    kItemLogo = 1,
    kItemLienWeb = 2,
    kItemCote1 = 3,
    kItemDiagonale1 = 11,
    kItemDiagonale2 = 13,
    kItemCurseur = 15,
    kItemAire = 18,
    kItemPositionH = 22,
    kItemPositionV = 24,
    kItemBouton1 = 26,
    kItemBouton2 = 27,
    kItemUnites = 28,
    kItemZoneClic = 29,
};
