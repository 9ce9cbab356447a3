// The custom-scale dialog: the user defines the numerator and denominator of the custom
// drawing scale, which the scale popup's last entry then offers.
#pragma once

#include <cstdint>

// The dialog's size.
constexpr int32_t kLargeurEchellePerso = 200;
constexpr int32_t kHauteurEchellePerso = 120;

// Shows the modal dialog and returns once it is closed. OK stores the custom ratio and
// writes it into the popup's entry; Annuler stores nothing. The scale in effect does not
// change either way.
void OuvrirEchellePerso();
