// Notifiers the plug-in added: which notification types it wants to hear about.
#pragma once

#include <string>
#include <vector>

#include "emulator/models/handle_table.h"
#include "host/types.h"

namespace emulator {

struct Notifier {
    HostPluginRef plugin;
    std::string name;
    std::string type;
};

class Notifiers {
  public:
    HostNotifierHandle Add(HostPluginRef plugin, const std::string& name, const std::string& type);
    // The notifiers of TYPE, in the order they were added.
    std::vector<HostNotifierHandle> OfType(const std::string& type) const;
    const Notifier* Find(HostNotifierHandle handle) const { return table_.Find(handle); }
    // Forgets every notifier PLUGIN added.
    void RemoveOwnedBy(HostPluginRef plugin) {
        table_.RemoveIf([plugin](const Notifier& notifier) { return notifier.plugin == plugin; });
    }

  private:
    HandleTable<HostNotifierHandle, Notifier> table_;
};

}  // namespace emulator
