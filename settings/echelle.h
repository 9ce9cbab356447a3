// The drawing scale: the ratio between a drawn length and the real one, chosen in the
// panel's scale popup (item 20).
#pragma once

#include <cstddef>

#include "host/types.h"

// Item numbers of the scale popup and of the "scale is not 1" picture.
constexpr int32_t kPopupEchelle = 20;
constexpr int32_t kIndicateurEchelle = 19;
// The entry of the custom ratio.
constexpr int32_t kEntreeEchellePerso = 21;

// The custom ratio as entry 21 shows it: "3/7", or "…/…" when either term is 0.
void TexteEchellePerso(float numerateur, float denominateur, char* texte, size_t taille);

// The panel's share of the scale at its creation: the scale in effect from the stored
// one, the popup's entries and selection, the ratio, and the indicator.
void PreparerEchelle(HostDialogRef panneau);

// Checks the popup's entry of the scale in effect and selects it (entry 21 when no fixed
// ratio matches exactly).
void MarquerEchelleCourante(HostItemRef popup);

// Shows the indicator while the scale is not 1.
void AfficherIndicateurEchelle(HostDialogRef panneau);
