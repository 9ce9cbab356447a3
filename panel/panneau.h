// The floating panel: its items, its initialisation and its activation with the tool.
// Its showing or hiding at the tool's ALT click is in tool/affichage_panneau.h.
#pragma once

#include <cstdint>

#include "host/types.h"

// The panel's size, and its width with the help pane open to its right.
constexpr int32_t kLargeurPanneau = 206;
constexpr int32_t kHauteurPanneau = 226;
constexpr int32_t kLargeurAvecAide = 412;

// Builds the panel's items and fills the panel's part of the state record. Called once
// by the dialog manager when the panel is created (attached through the guard).
HostErr InitialisationPanneau(HostDialogRef panneau);

// Enables the panel's controls while the tool is selected (OUTIL_CHOISI) and disables
// them otherwise.
void ActivationPanneau(bool outilChoisi);
