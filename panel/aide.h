// The help pane: six pages of French text in the right half of the panel, turned with
// two buttons, with a read-out of the page number.
#pragma once

#include "host/types.h"

// Enables the two buttons by the page shown (PageAide) and puts that page's text into the
// pane.
void AfficherPageAide();

// Opens the help at its first page.
void OuvrirAide();

// The next and previous buttons (items 81 and 82), on a user's click.
void NotifierPageSuivante(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierPagePrecedente(HostItemRef item, HostDialogNotifierRef notifier);
