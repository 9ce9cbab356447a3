// The panel's length fields and inclination slider as the panel's own items see them.
// What the tool writes into the fields is in tool/affichage_panneau.h, defined in
// champs.cpp with these.
#pragma once

#include "geometry/figure.h"
#include "panel/items_panneau.h"

// The field that shows LONGUEUR.
ItemPanneau ChampDe(Longueur longueur);

// Sets the inclination slider to DEGRES as they are, even beyond its bounds.
void AfficherDegres(float degres);
