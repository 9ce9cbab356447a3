// The quadrilateral with the six lengths the panel holds for it.
#pragma once

#include "geometry/quadrilatere.h"

// The six lengths, in the panel's order.
enum class Longueur { Cote1, Cote2, Cote3, Cote4, Diagonale1, Diagonale2 };

constexpr int kNombreLongueurs = 6;
constexpr Longueur kLongueurs[kNombreLongueurs] = {Longueur::Cote1,      Longueur::Cote2,
                                                   Longueur::Cote3,      Longueur::Cote4,
                                                   Longueur::Diagonale1, Longueur::Diagonale2};

// The lengths are in points at drawing size: a document distance divided by the drawing
// scale. They are what the user typed or what a construction derived, not necessarily the
// distances between the vertices.
struct Figure {
    Quadrilatere quadrilatere;
    float longueurs[kNombreLongueurs];

    float& operator[](Longueur longueur) { return longueurs[static_cast<int>(longueur)]; }
    float operator[](Longueur longueur) const { return longueurs[static_cast<int>(longueur)]; }
};
