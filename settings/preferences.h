// The plug-in's settings in the host's preference store, under the prefix "KVTOrtaq".
#pragma once

// Reads the four switches and the four scale values into the state record, with their
// checks. A first launch (no key of the prefix stored yet) writes the defaults.
void LirePreferences();

// Stores the default settings and puts them into the state record.
void EcrireDefauts();

constexpr const char* kPrefixe = "KVTOrtaq";
