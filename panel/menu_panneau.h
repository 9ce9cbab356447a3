// The panel's flyout menu: its entries follow the tool's selection and the kind chosen.
#pragma once

#include "host/types.h"

// Enables or disables the entries 1 to 9: the five kinds, "Préférences..." and the help.
void ActiverMenuPanneau(bool actif);

// Checks entry 1 from FormeQuelconque and entries 2 to 5 from the four kind flags.
void CocherFormes();

// The menu's notifier: a kind chosen (toggled), the preferences dialog, or the help pane.
void NotifierMenu(HostItemRef item, HostDialogNotifierRef notifier);
