// Writing the quadrilateral into the document: its group, its path, and the commit of the
// vertices.
#pragma once

#include "host/messages.h"

// Names GroupeCourant after the current kind. With VERIFIER set, a group whose name
// cannot be read (deleted, say) is left alone and the error returned.
HostErr NommerGroupe(bool verifier);

// Makes the group for the quadrilateral being clicked, on the current layer or on the
// layer "KVT.Ortaq", unless it is made already and still there. Every creation click comes
// here: a locked target layer, current layer or layer of the group is refused with an alert
// (MESSAGE, when given, is the tool message whose cursor shows meanwhile) and sets REFUSE.
HostErr PrepareGroupe(const AIToolMessage* message, bool& refuse);

// Makes the closed, tagged four-segment path in the prepared group, once per gesture.
// Without a prepared group no path is made and there is no current path.
void CreeTrace();

// Whether the record's vertices and inclination can be written: a construction that was
// not refused, and finite numbers.
bool FigureEcrivable();

// Shows "Construction impossible !": the construction that led there is dropped, so
// Constructible is set again.
void AlerteConstructionImpossible();

// Turns the figure about vertex 1 to the inclination, writes the four vertices into the
// current path and reads it back: the record, the fields, the position and the area show
// the path as written (the inclination stays as set). Nothing is written while a creation
// is under way. A refused construction, vertices that are not finite numbers or a path on
// a locked layer are announced and leave the path as it was, and the record and the panel
// show it again as it is.
HostErr EcritTrace();

// Whether ART's layer takes changes (an art the document lost takes none).
bool ArtModifiable(HostArtHandle art);

// Shows "Impossible. Calque verrouillé." with the tool's plain arrow while it is up (when
// MESSAGE is given). Returns STATUT.
HostErr AlerteCalqueVerrouille(const AIToolMessage* message, HostErr statut);

// Disposes of GroupeCourant when it is still in the document and holds nothing: the group
// of a creation that was never completed.
void JeterGroupeVide();

// Asks the host to draw the document's views again.
void RedessinerDocument();

// Disposes of the art ART designates if the document still holds it. ART is left as it is.
void DetruitArt(const HostArtHandle* art);
