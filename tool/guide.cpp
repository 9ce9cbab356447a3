#include "tool/guide.h"

#include "host/ai_art.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/trace.h"

namespace {

bool GuideValide() {
    return sAIArt()->ValidArt(gGlobals->TraceGuide, true);
}

// A locked current layer refuses it: the figure is then clicked without a guide.
bool PreparerGuide() {
    if (GuideValide()) return true;
    HostArtHandle& guide = gGlobals->TraceGuide;
    if (sAIArt()->NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, &guide) != kHostNoError) {
        guide = nullptr;
        return false;
    }
    sAIPath()->SetPathGuide(guide, true);
    return true;
}

}  // namespace

HostErr MontrerGuide(int16_t nombre, bool ferme) {
    if (!SuitesPresentes(sAIArt(), sAIPath()) || !PreparerGuide()) return kHostNoError;
    HostArtHandle guide = gGlobals->TraceGuide;
    sAIPath()->SetPathSegmentCount(guide, nombre);
    sAIPath()->SetPathClosed(guide, ferme);
    return sAIPath()->SetPathSegments(guide, 0, nombre, gGlobals->Sommets);
}

void DetruireGuide() {
    DetruitArt(&gGlobals->TraceGuide);
}
