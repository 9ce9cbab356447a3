#include "plugin/outil.h"

#include "annotations/annotateur.h"
#include "panel/menu_panneau.h"
#include "panel/panneau.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/dialogue_preferences.h"
#include "settings/globals.h"
#include "tool/creation.h"
#include "tool/figure_document.h"

namespace {

constexpr const char* kNomOutil = "Outil Ortaq";
constexpr const char* kBulleOutil = "Outil Ortaq 3.0";
constexpr HostErr kErreurIcone = HOST_FOURCC('!', 'i', 'c', 'o');
constexpr const char* kPlume = "Adobe Pen Tool";
// The maker's other tools, in the order they are looked for.
constexpr const char* kOutilsFreres[] = {"Outil Gavrel", "Outil Tondrek", "Outil Pimsal"};

struct Placement {
    AIToolType groupe = kNoTool;
    AIToolType jeu = kNoTool;
};

// With the Pen tool, in its fly-out; otherwise in the group of the first of the maker's
// tools found, in a fly-out of its own, or in a new group. A failed look-up is no error.
Placement Placer() {
    Placement placement;
    if (gGlobals->OutilsGroupe) {
        sAITool()->GetToolNumberFromName(kPlume, &placement.groupe);
        placement.jeu = placement.groupe;
        return placement;
    }
    for (const char* frere : kOutilsFreres)
        if (sAITool()->GetToolNumberFromName(frere, &placement.groupe) == kHostNoError) break;
    return placement;
}

}  // namespace

HostErr AjouterOutil() {
    if (!SuitesPresentes(sAITool(), sADMIcon1())) return kHostErrSuiteNotFound;
    HostIconRef icone = sADMIcon1()->GetFromResource(sPlugin, ORTAQ_ICONE_OUTIL);
    if (sADMIcon1()->GetType(icone) == kADMUnknownIconType) {
        sADMIcon1()->Destroy(icone);
        return kErreurIcone;
    }
    Placement placement = Placer();
    AIAddToolData donnees{kNomOutil, kBulleOutil, icone, placement.groupe, placement.jeu};
    HostErr erreur = sAITool()->AddTool(sPlugin, kNomOutil, &donnees, kToolWantsToTrackCursorOption,
                                        &gGlobals->Outil);
    if (erreur != kHostNoError) return erreur;
    return sAITool()->SetToolRolloverIcon(
        gGlobals->Outil, sADMIcon1()->GetFromResource(sPlugin, ORTAQ_ICONE_OUTIL_SURVOL));
}

HostErr SelectionOutil(AIToolMessage*) {
    Globals& g = *gGlobals;
    g.TraceCree = 0;
    g.NbClics = 0;
    g.OutilActif = 1;
    ActiverMenuPanneau(true);
    g.FormeCarre = g.FormeRectangle = g.FormeLosange = g.FormeParallelogramme = 0;
    g.GroupePret = 0;
    CocherFormes();
    if (g.Panneau != nullptr && SuitesPresentes(sADMDialog()) &&
        sADMDialog()->IsVisible(g.Panneau)) {
        sADMDialog()->SendNotify(g.Panneau, kADMCloseHitNotifier);
        sADMDialog()->Show(g.Panneau, true);
    }
    HostErr resultat = ActiverAnnotateur(true);
    ActivationPanneau(true);
    // The fields the current figure's kind lets the user edit.
    ActualiserChamps();
    return resultat;
}

HostErr DeselectionOutil(AIToolMessage*) {
    AbandonnerCreation();
    gGlobals->OutilActif = 0;
    HostErr resultat = ActiverAnnotateur(false);
    ActivationPanneau(false);
    ActiverMenuPanneau(false);
    return resultat;
}

HostErr OptionsOutil(AIToolMessage*) {
    OuvrirPreferences("ModèleBidon");
    return kHostNoError;
}
