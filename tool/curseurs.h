// The tool's cursor resources.
#pragma once

#include <cstdint>

#include "host/messages.h"

enum CurseurOutil : int32_t {
    kCurseurCroix = 20001,      // while ALT is held: a click shows or hides the panel
    kCurseurSommet1 = 20003,    // vertices 1 to 4 follow in order
    kCurseurOrdinaire = 20007,  // nothing hovered, no creation under way
    kCurseurFleche = 20009,     // while the locked-layer alert is up
};

// The numbered cursor of vertex INDEX (0 to 3).
constexpr int32_t CurseurSommet(int16_t index) {
    return kCurseurSommet1 + index;
}

// Shows CURSEUR, one of the cursor resources of the plug-in MESSAGE is for.
void MontrerCurseur(const AIToolMessage* message, int32_t curseur);
