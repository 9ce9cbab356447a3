// The panel's length fields as the figure fills them, and the panel's redraw. Nothing is
// written while the panel does not exist (before the host has started).
#pragma once

#include "geometry/figure.h"
#include "host/types.h"
#include "panel/items_panneau.h"

// The field that shows LONGUEUR.
ItemPanneau ChampDe(Longueur longueur);

// Puts a length (points at drawing size) into the field of LONGUEUR.
void AfficherLongueur(Longueur longueur, float valeur);

// Puts vertex 1's anchor (document points) into the two position fields.
void AfficherPosition(HostRealPoint ancre);

// Sets the inclination slider to RADIANS, shown in degrees.
void AfficherInclinaison(float radians);

// Sets the inclination slider to DEGRES as they are, even beyond its bounds.
void AfficherDegres(float degres);

// Asks for the panel to be drawn again.
void RedessinerPanneau();
