// The panel's length fields as the figure fills them, and the panel's redraw. Nothing is
// written while the panel does not exist (before the host has started).
#pragma once

#include "geometry/figure.h"
#include "panel/items_panneau.h"

// The field that shows LONGUEUR.
ItemPanneau ChampDe(Longueur longueur);

// Puts a length (points at drawing size) into the field of LONGUEUR.
void AfficherLongueur(Longueur longueur, float valeur);

// Asks for the panel to be drawn again.
void RedessinerPanneau();
