// The area's read-out in the panel (item kTexteAire). CalculerAire, which the tool calls,
// is in tool/affichage_panneau.h and defined in aire.cpp.
#pragma once

// The area of the vertices of Sommets, in double precision, and AireAffichee from it in
// the current unit at drawing size (in points the area is
// shown as it is, without the drawing scale, and AireAffichee is left alone), the number
// into Aire, and "Aire=" with it and the unit's suffix as the area's text. A unit outside
// the table leaves everything as it was.
void AfficherAire();
