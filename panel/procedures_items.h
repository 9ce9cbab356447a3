// Behaviours of the panel's own items: the click area, the focus zones beside the fields,
// the web link and the drawings of the items that draw themselves. Each is attached
// through the guard.
#pragma once

#include "host/types.h"

void NotifierZoneClic(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierZoneFocus(HostItemRef item, HostDialogNotifierRef notifier);
void NotifierLienWeb(HostItemRef item, HostDialogNotifierRef notifier);

// Items that are invisible click areas draw nothing.
void DessinVide(HostItemRef item, HostDrawerRef dessin);
// The horizontal double arrow beside the horizontal position (kZonePositionH).
void DessinFlecheHorizontale(HostItemRef item, HostDrawerRef dessin);
// The vertical double arrow beside the vertical position (kZonePositionV).
void DessinFlecheVerticale(HostItemRef item, HostDrawerRef dessin);
