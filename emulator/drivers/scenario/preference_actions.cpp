// The preference store, as an earlier session left it.
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

Effect CompilePref(const ActionArguments& args) {
    args.ExpectCount(4);
    // "-" names the host's own keys.
    std::string prefix = args.Text(0) == "-" ? std::string() : args.HostReadableText(0);
    return [prefix, key = args.HostReadableText(1), value = args.Preference(2)](
               Host& host, ActionContext&) { host.preferences.Put(prefix, key, value); };
}

}  // namespace

std::vector<Action> PreferenceActions() {
    return {
        {"pref", "pref PREFIX KEY bool|int|real|string VALUE",
         "stores a preference as if an earlier session had left it: `-` for PREFIX is the "
         "host's own keys (no prefix); VALUE is `true` or `false` for `bool`, a 32-bit whole "
         "number for `int`, a finite number (`.` as decimal separator) for `real`, any text "
         "for `string`. A set-up action, normally before `start`; it replaces what the "
         "`--prefs` file held under that key",
         CompilePref},
    };
}

}  // namespace emulator
