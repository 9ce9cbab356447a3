// The host suites, acquired by name and version from one table at the start of each
// outermost host call and released at its end.
#pragma once

#include <cstdint>

#include "host/adm.h"
#include "host/ai_application.h"
#include "host/ai_art.h"
#include "host/ai_document.h"
#include "host/basic.h"

// Refreshed from the header of every message.
extern SPBasicSuite* sSPBasic;

// The slots of the suites whose functions the plug-in calls; null while not held.
namespace suite_slots {
extern const void* admBasic;
extern const void* aiArt;
extern const void* aiLayer;
extern const void* aiPath;
extern const void* aiRealMath;
extern const void* aiTag;
extern const void* aiTransformArt;
extern const void* aiUnicodeString;
}  // namespace suite_slots

inline const ADMBasicSuite11* sADMBasic() {
    return static_cast<const ADMBasicSuite11*>(suite_slots::admBasic);
}
inline const AIArtSuite14* sAIArt() {
    return static_cast<const AIArtSuite14*>(suite_slots::aiArt);
}
inline const AILayerSuite11* sAILayer() {
    return static_cast<const AILayerSuite11*>(suite_slots::aiLayer);
}
inline const AIPathSuite8* sAIPath() {
    return static_cast<const AIPathSuite8*>(suite_slots::aiPath);
}
inline const AIRealMathSuite1* sAIRealMath() {
    return static_cast<const AIRealMathSuite1*>(suite_slots::aiRealMath);
}
inline const AITagSuite2* sAITag() {
    return static_cast<const AITagSuite2*>(suite_slots::aiTag);
}
inline const AITransformArtSuite1* sAITransformArt() {
    return static_cast<const AITransformArtSuite1*>(suite_slots::aiTransformArt);
}
inline const AIUnicodeStringSuite6* sAIUnicodeString() {
    return static_cast<const AIUnicodeStringSuite6*>(suite_slots::aiUnicodeString);
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
