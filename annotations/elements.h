// The elements the annotations are made of, each drawn through the drawer of one draw
// message in whole view pixels: length labels, the diagonal line, right-angle marks and
// the ring round a vertex.
#pragma once

#include "geometry/figure.h"
#include "host/messages.h"

// The label of LONGUEUR at the middle of its side or diagonal: the text in the panel's
// unit, in a box of colour FOND, written in colour TEXTE. Labels keep their pixel size at
// every zoom. A label whose middle lies far beyond any view is not drawn.
void Etiquette(const AIAnnotatorMessage* message, Longueur longueur, HostRGBColor texte,
               HostRGBColor fond);

// Diagonal 1 (DIAGONALE 1) or diagonal 2 (any other value) as a line of width LARGEUR.
// Both diagonals' rectangles are invalidated whichever is drawn.
void LigneDiagonale(const AIAnnotatorMessage* message, HostReal largeur, int diagonale,
                    HostRGBColor couleur);

// Whether the angle at vertex SOMMET (0 to 3) is right, within ToleranceAngleDroit.
bool AngleDroit(int sommet);

// The mark of the right angle at vertex SOMMET: two 15-point strokes closing a square
// inside the angle, growing and shrinking with the zoom.
void MarqueAngleDroit(const AIAnnotatorMessage* message, int sommet, HostReal largeur,
                      HostRGBColor couleur);

// A 6-pixel circle round POINT.
void Anneau(const AIAnnotatorMessage* message, HostRealPoint point, HostRGBColor couleur);
