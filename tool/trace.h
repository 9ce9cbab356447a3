// Writing the quadrilateral into the document: its group, its path, and the commit of the
// vertices.
#pragma once

#include "host/messages.h"

// Names GroupeCourant after the current kind. With VERIFIER set, a group whose name
// cannot be read (deleted, say) is left alone and the error returned.
HostErr NommerGroupe(bool verifier);

// Makes the group for the quadrilateral being clicked, on the current layer or on the
// layer "KVT.Ortaq", unless it is made already. A locked layer is refused with an alert.
HostErr PrepareGroupe(const AIToolMessage* message);

// Makes the closed, tagged four-segment path in the prepared group, once per gesture.
// Without a prepared group no path is made and there is no current path.
void CreeTrace();

// Writes the four vertices into the current path, shows the area, turns the figure about
// vertex 1 to the inclination and reads the vertices back. A refused construction, or
// vertices that are not finite numbers, are announced and leave the path as it was.
HostErr EcritTrace();

// Asks the host to draw the document's views again.
void RedessinerDocument();

// Disposes of the art ART designates if the document still holds it. ART is left as it is.
void DetruitArt(const HostArtHandle* art);
