// The host suites, acquired by name and version from one table at the start of each
// outermost host call and released at its end.
#pragma once

#include <cstdint>

#include "host/adm.h"
#include "host/ai_application.h"
#include "host/basic.h"

// Refreshed from the header of every message.
extern SPBasicSuite* sSPBasic;

// The slots of the suites whose functions the plug-in calls; null while not held.
namespace suite_slots {
extern const void* admBasic;
extern const void* admDialog;
}  // namespace suite_slots

inline const ADMBasicSuite11* sADMBasic() {
    return static_cast<const ADMBasicSuite11*>(suite_slots::admBasic);
}
inline const ADMDialogSuite10* sADMDialog() {
    return static_cast<const ADMDialogSuite10*>(suite_slots::admDialog);
}

// True when every suite given is held. A handler checks the suites it needs before using
// them: a suite that came before the dialog manager's basic suite in the table may be
// missing without any alert, and the call goes on.
template <typename... Suite>
bool SuitesPresentes(const Suite*... suites) {
    return ((suites != nullptr) && ...);
}

// Acquires every suite of the table when no call is under way, then counts this call.
// Returns the last acquisition's result (0 when none was made). An error met once the
// dialog manager's basic suite is held is shown in an alert and stops the acquisition.
HostErr AcquerirSuites();

// Ends this call: the outermost one releases every suite it acquired.
void LibererSuites();

// Forgets every hold: after a reload no suite is held.
void OublierSuites();
