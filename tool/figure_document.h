// The current figure as the document holds it. The record's figure (vertices, lengths,
// position, inclination, area) is a copy of the current path: every edit starts from the
// path, and whatever another tool did to it (moved, deleted) reaches the record and the
// panel before anything is built from them. A figure's kind is its group's name.
#pragma once

#include "geometry/formes.h"
#include "host/types.h"

// Whether the current path is in the document.
bool TraceExiste();

// The kind the current path's group is named after; the arbitrary kind when the path has
// no group or the name is none of the kinds'.
Forme FormeDuTrace();

// The kind the panel's fields are for: the figure being clicked and an empty panel take
// the kind chosen in the menu; a finished figure its own.
Forme FormeAffichee();

// The panel's length fields as FormeAffichee allows.
void ActualiserChamps();

// Reads the current path's four vertices into the record, its lengths into the record and
// the fields, and vertex 1 into the position fields. Returns the status of the last read.
HostErr LireTraceCourante();

// The record and the panel take the current path whole as the document holds it: its
// vertices, lengths, position, inclination (side 4's direction), area and the fields its
// kind lets the user edit. A current path the document lost is forgotten: the panel shows
// no figure. Nothing while a figure is being clicked: the record holds it. Returns the
// status of the last read.
HostErr RelireTrace();

// ART, a path made by the tool, becomes the current figure, whole. Returns the status of
// the last read.
HostErr PrendreTrace(HostArtHandle art);

// Renames the current path's group after FORME. With the host's error when there is no
// group to name.
HostErr NommerGroupeDuTrace(Forme forme);

// Before a panel edit: whether a finished figure is there to take it, read again first from
// the document (another tool may have moved, reshaped or deleted it since). A figure being
// clicked takes no edit.
bool FigureAEditer();
