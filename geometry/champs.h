// The panel's length fields, as the geometry fills them. Nothing is written while the
// panel does not exist (before the host has started).
#pragma once

#include <cstdint>

// Item numbers of the length fields.
enum ChampLongueur : int32_t {
    kChampCote1 = 3,
    kChampCote2 = 5,
    kChampCote3 = 7,
    kChampCote4 = 9,
    kChampDiagonale1 = 11,
    kChampDiagonale2 = 13,
};

// Puts a length (points at drawing size) into its field.
void AfficherLongueur(ChampLongueur champ, float longueur);

// Asks for the panel to be drawn again.
void RedessinerPanneau();
