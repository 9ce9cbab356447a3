// What the tool shows in the panel as its figure changes. The panel sits above the tool
// (its edits write the figure through the tool's trace), so the tool names here what it
// needs of it and panel/ defines it; the plug-in is one library, whose link joins the two.
#pragma once

#include "geometry/constructions.h"
#include "geometry/figure.h"
#include "geometry/formes.h"
#include "host/types.h"

// The fields (panel/champs.cpp). Nothing is written while the panel does not exist
// (before the host has started).

// Puts a length (points at drawing size) into the field of LONGUEUR.
void AfficherLongueur(Longueur longueur, float valeur);

// Puts vertex 1's anchor (document points) into the two position fields.
void AfficherPosition(HostRealPoint ancre);

// Sets the inclination slider to RADIANS, shown in degrees.
void AfficherInclinaison(float radians);

// Asks for the panel to be drawn again.
void RedessinerPanneau();

// AirePoints from the four anchors of Sommets, then the read-out (AfficherAire, in
// panel/aire.cpp). Returns 0.
HostErr CalculerAire();

// Enables the fields of sides 2 to 4 with their focus zones, the held diagonal's field and
// zone, and the button over the other diagonal, as FORME allows: side 1 alone for a
// square, sides 1 and 2 for a rectangle, those and the held diagonal for a rhombus or a
// parallelogram, everything for an arbitrary quadrilateral. Nothing while the tool is not
// selected (the panel's activation disables everything then). In panel/etats_champs.cpp.
void ActiverChampsPour(Forme forme);

// Puts CONSTRUCTION into the state record (vertices and lengths; a refused triangle
// clears Constructible) and the lengths it refreshed into their fields. In
// panel/construction_appliquee.cpp.
void AppliquerConstruction(const Construction& construction);

// The ALT click: the panel shows or hides; the show/hide menu item keeps its text. In
// panel/panneau.cpp.
void BasculerPanneau();
