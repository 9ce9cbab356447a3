#include "panel/inclinaison.h"

#include "geometry/mesures.h"
#include "panel/champs.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/trace.h"

namespace {

HostBool32 SuivreBouton(HostItemRef item, HostTrackerRef tracker, bool plus) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem(), sADMTracker())) return false;
    auto degres = static_cast<float>(EnDegres(gGlobals->Inclinaison));
    // The figure being clicked takes its inclination from the clicks.
    if (sADMTracker()->GetAction(tracker) == kADMClickAction && !CreationEnCours()) {
        bool dizaines = sADMTracker()->TestModifier(tracker, kADMShiftModifier) != 0;
        float nouveau = AngleApresBouton(degres, plus, dizaines);
        gGlobals->Inclinaison = EnRadians(nouveau);
        AfficherDegres(nouveau);
        RedessinerPanneau();
        EcritTrace();
    }
    return sADMItem()->DefaultTrack(item, tracker);
}

}  // namespace

void NotifierCurseurInclinaison(HostItemRef item, HostDialogNotifierRef) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem())) return;
    if (CreationEnCours()) return AfficherInclinaison(gGlobals->Inclinaison);
    gGlobals->Inclinaison = EnRadians(sADMItem()->GetFloatValue(item));
    EcritTrace();
    RedessinerPanneau();
    RedessinerDocument();
}

HostBool32 SuiviBoutonPlus(HostItemRef item, HostTrackerRef tracker) {
    return SuivreBouton(item, tracker, true);
}

HostBool32 SuiviBoutonMoins(HostItemRef item, HostTrackerRef tracker) {
    return SuivreBouton(item, tracker, false);
}
