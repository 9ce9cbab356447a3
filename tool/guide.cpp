#include "tool/guide.h"

#include "host/ai_art.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

// Every operation checks the guide first: another tool may have deleted it, and a
// locked layer refuses to make it.
bool GuideValide() {
    return SuitesPresentes(sAIArt(), sAIPath()) && sAIArt()->ValidArt(gGlobals->TraceGuide, true);
}

}  // namespace

void PreparerGuide(HostRealPoint point) {
    if (!SuitesPresentes(sAIArt(), sAIPath()) || GuideValide()) return;
    HostArtHandle& guide = gGlobals->TraceGuide;
    if (sAIArt()->NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, &guide) != kHostNoError) {
        guide = nullptr;
        return;
    }
    sAIPath()->SetPathGuide(guide, true);
    RecommencerGuide(point);
}

void RecommencerGuide(HostRealPoint point) {
    if (!GuideValide()) return;
    HostArtHandle guide = gGlobals->TraceGuide;
    sAIPath()->SetPathSegmentCount(guide, 2);
    sAIPath()->SetPathClosed(guide, false);
    HostPathSegment depart{point, point, point, false};
    const HostPathSegment points[2] = {depart, depart};
    sAIPath()->SetPathSegments(guide, 0, 2, points);
}

HostErr EcrireGuide(int16_t premier, int16_t nombre) {
    if (!GuideValide()) return kHostNoError;
    HostArtHandle guide = gGlobals->TraceGuide;
    int16_t compte = 0;
    sAIPath()->GetPathSegmentCount(guide, &compte);
    if (compte < premier + nombre)
        sAIPath()->SetPathSegmentCount(guide, static_cast<int16_t>(premier + nombre));
    return sAIPath()->SetPathSegments(guide, premier, nombre, &gGlobals->Sommets[premier]);
}

HostErr FermerGuide() {
    if (!GuideValide()) return kHostNoError;
    return sAIPath()->SetPathClosed(gGlobals->TraceGuide, true);
}
