// The preferences dialog: annotations, sound, a layer of its own for the paths, and the
// tool grouped with the Pen tool. Changes are made on working copies and stored with OK.
#pragma once

#include <cstdint>

// The dialog's size.
constexpr int32_t kLargeurPreferences = 294;
constexpr int32_t kHauteurPreferences = 172;

// Shows the dialog modally under NOM (the dialog manager's name for it) and returns when
// it is closed.
void OuvrirPreferences(const char* nom);
