// Behaviours of the panel's own items: the click area, the focus zones beside the fields,
// the web link and the drawings of the items that draw themselves.
#pragma once

#include "host/types.h"

void HOST_API NotifierZoneClic(HostItemRef item, HostDialogNotifierRef notifier);
void HOST_API NotifierZoneFocus(HostItemRef item, HostDialogNotifierRef notifier);
void HOST_API NotifierLienWeb(HostItemRef item, HostDialogNotifierRef notifier);

// Items that are invisible click areas draw nothing.
void HOST_API DessinVide(HostItemRef item, HostDrawerRef dessin);
// The horizontal double arrow beside the horizontal position (item 23).
void HOST_API DessinFlecheHorizontale(HostItemRef item, HostDrawerRef dessin);
// The vertical double arrow beside the vertical position (item 25).
void HOST_API DessinFlecheVerticale(HostItemRef item, HostDrawerRef dessin);
