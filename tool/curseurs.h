// The tool's cursor resources.
#pragma once

#include <cstdint>

#include "host/messages.h"
#include "resources/ressources.h"

enum CurseurOutil : int32_t {
    kCurseurCroix = ORTAQ_CURSEUR_CROIX,      // while ALT is held: a click shows or hides the panel
    kCurseurSommet1 = ORTAQ_CURSEUR_SOMMET1,  // vertices 1 to 4 follow in order
    kCurseurOrdinaire = ORTAQ_CURSEUR_ORDINAIRE,  // nothing hovered, no creation under way
    kCurseurFleche = ORTAQ_CURSEUR_FLECHE,        // while the locked-layer alert is up
};

// The numbered cursor of vertex INDEX (0 to 3).
constexpr int32_t CurseurSommet(int16_t index) {
    return kCurseurSommet1 + index;
}
static_assert(ORTAQ_CURSEUR_SOMMET4 == ORTAQ_CURSEUR_SOMMET1 + 3,
              "the vertices' cursors follow each other");

// Shows CURSEUR, one of the cursor resources of the plug-in MESSAGE is for.
void MontrerCurseur(const AIToolMessage* message, int32_t curseur);
