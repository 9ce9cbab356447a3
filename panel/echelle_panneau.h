// The drawing scale's part of the panel: the scale popup (kPopupEchelle) and the picture
// that tells that the scale is not 1 (kIndicateurEchelle).
#pragma once

#include "host/types.h"

// The panel's share of the scale at its creation: the scale in effect from the stored
// one, the popup's entries and selection, the ratio, and the indicator.
void PreparerEchelle(HostDialogRef panneau);

// Checks the popup's entry of the scale in effect and selects it (the custom ratio's
// entry when no fixed ratio matches exactly).
void MarquerEchelleCourante(HostItemRef popup);

// Shows the indicator while the scale is not 1.
void AfficherIndicateurEchelle(HostDialogRef panneau);

// NUMERATEUR / DENOMINATEUR becomes the scale in effect: the popup marks it, the indicator
// follows, the lengths held follow it so that the drawing does not move, and the area is
// shown again.
void AppliquerEchelle(float numerateur, float denominateur);

// The user's choice in the popup (attached through the guard): a fixed ratio or the custom
// one becomes the scale in effect, the lengths held follow it so that the drawing does not
// move, and the area is shown again; "Éch. Perso…" opens the custom-scale dialog and
// keeps the scale.
void NotifierEchelle(HostItemRef item, HostDialogNotifierRef notifier);
