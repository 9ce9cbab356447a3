// What an item's notification procedure asks of its notification first.
#pragma once

#include "host/types.h"
#include "plugin/hote/suites.h"

// The notification is the user's change of the item, the only one most procedures act on.
inline bool ChangementUtilisateur(HostDialogNotifierRef notifier) {
    return sADMNotifier()->IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}

// For the user's change of ITEM, lets the dialog manager handle it as it would by itself
// and answers true; any other notification is left alone (false).
inline bool ChangementUtilisateurTraite(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!ChangementUtilisateur(notifier)) return false;
    sADMItem()->DefaultNotify(item, notifier);
    return true;
}
