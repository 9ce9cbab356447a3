// Who makes the plug-in: shown in the About box and on the panel's logo and web link.
#pragma once

constexpr const char* kAdresseWeb = "http://www.kvt-outils.example/ortaq";
constexpr const char* kLigneContact = "Contact : ortaq@kvt-outils.example";
