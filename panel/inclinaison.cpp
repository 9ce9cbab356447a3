#include "panel/inclinaison.h"

#include "geometry/mesures.h"
#include "panel/champs.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"
#include "tool/figure_document.h"
#include "tool/trace.h"

namespace {

// The figure turns to DEGRES about vertex 1, and the slider shows it within one turn.
void Tourner(float degres) {
    float affiche = DansUnTour(degres);
    gGlobals->Inclinaison = EnRadians(affiche);
    AfficherDegres(affiche);
    EcritTrace();
    RedessinerPanneau();
}

HostBool32 SuivreBouton(HostItemRef item, HostTrackerRef tracker, bool plus) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem(), sADMTracker())) return false;
    // The angle counted from is the figure's as the document holds it.
    if (sADMTracker()->GetAction(tracker) == kADMClickAction && FigureAEditer()) {
        auto degres = static_cast<float>(EnDegres(gGlobals->Inclinaison));
        bool dizaines = sADMTracker()->TestModifier(tracker, kADMShiftModifier) != 0;
        Tourner(AngleApresBouton(degres, plus, dizaines));
    }
    return sADMItem()->DefaultTrack(item, tracker);
}

}  // namespace

void NotifierCurseurInclinaison(HostItemRef item, HostDialogNotifierRef) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMItem())) return;
    float degres = sADMItem()->GetFloatValue(item);
    // Without a finished figure to turn, the slider shows the record's angle again.
    if (!FigureAEditer()) return AfficherInclinaison(gGlobals->Inclinaison);
    Tourner(degres);
    RedessinerDocument();
}

HostBool32 SuiviBoutonPlus(HostItemRef item, HostTrackerRef tracker) {
    return SuivreBouton(item, tracker, true);
}

HostBool32 SuiviBoutonMoins(HostItemRef item, HostTrackerRef tracker) {
    return SuivreBouton(item, tracker, false);
}
