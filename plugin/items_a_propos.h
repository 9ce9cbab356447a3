// The About box's item numbers.
#pragma once

#include <cstdint>

enum ItemAPropos : int32_t {
    kTexteVersion = 1,
    kTexteAdresseWeb = 5,
    // The contact line: a push button with the version text's number, the box's default
    // button, which closes it.
    kBoutonContact = 1,
};
