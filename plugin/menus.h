// The plug-in's menu items, its notifiers, and the panel's creation once the host has
// started.
#pragma once

#include "host/messages.h"

// Adds the About item and the item that shows and hides the panel. Returns the result of
// adding the latter.
HostErr AjouterMenus(const SPMessageData& message);

// Adds the selection-change and application-started notifiers. Returns the result of
// adding the second.
HostErr AjouterNotificateurs(const SPMessageData& message);

// "AI Notifier"/"AI Notify": the application has started, or the selection changed.
HostErr Notification(AINotifierMessage* message);

// "AI Menu"/"AI Go": one of the plug-in's items was chosen.
HostErr CommandeMenu(AIMenuMessage* message);

// "SP Interface"/"About": the host's About command for the plug-in.
HostErr APropos(SPInterfaceMessage* message);
