// The panel's item numbers. Items 1 to 29 make the panel proper; 80 to 82 and 136 to 138
// the help pane to its right.
#pragma once

#include <cstdint>

#include "host/adm.h"

enum ItemPanneau : int32_t {
    kLogoFabricant = 1,
    kLienWeb = 2,
    kChampCote1 = 3,
    kZoneCote1 = 4,
    kChampCote2 = 5,
    kZoneCote2 = 6,
    kChampCote3 = 7,
    kZoneCote3 = 8,
    kChampCote4 = 9,
    kZoneCote4 = 10,
    kChampDiagonale1 = 11,
    kZoneDiagonale1 = 12,
    kChampDiagonale2 = 13,
    kZoneDiagonale2 = 14,
    kCurseurInclinaison = 15,
    kBoutonPlus = 16,
    kBoutonMoins = 17,
    kTexteAire = 18,
    kIndicateurEchelle = 19,  // shown while the drawing scale is not 1
    kPopupEchelle = 20,
    kLegendeEchelle = 21,
    kChampPositionH = 22,
    kZonePositionH = 23,
    kChampPositionV = 24,
    kZonePositionV = 25,
    kBoutonDiagonale1 = 26,  // over diagonal 1's place: holds diagonal 1
    kBoutonDiagonale2 = 27,  // over diagonal 2's place: holds diagonal 2
    kPopupUnites = 28,
    kZoneClic = 29,  // over the whole panel while the tool is not selected
    kTexteAide = 80,
    kPageSuivante = 81,
    kPagePrecedente = 82,
    kNumeroPage = 136,
    kBarrePages = 137,
    kNombrePages = 138,
    kMenuLocal = kADMMenuItemID,  // the dialog's own flyout menu
};
