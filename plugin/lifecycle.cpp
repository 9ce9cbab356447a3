#include "plugin/lifecycle.h"

#include <new>

#include "annotations/annotateur.h"
#include "plugin/hote/suites.h"
#include "plugin/menus.h"
#include "plugin/outil.h"
#include "settings/globals.h"
#include "settings/preferences.h"
#include "tool/creation.h"

namespace {

void LibererRecord(SPMessageData& donnees) {
    sSPBasic->FreeBlock(gGlobals);
    gGlobals = nullptr;
    donnees.globals = nullptr;
}

}  // namespace

HostErr Demarrage(SPInterfaceMessage* message) {
    // A second start-up would lose the record already in use.
    if (gGlobals != nullptr) return kHostNoError;
    void* bloc = nullptr;
    HostErr erreur = sSPBasic->AllocateBlock(sizeof(Globals), &bloc);
    if (erreur != kHostNoError) return erreur;
    // The host hands out uncleared memory; every field starts at zero.
    gGlobals = new (bloc) Globals{};
    // The results of these steps are not examined: a failure does not stop the next.
    AjouterMenus(message->d);
    LirePreferences();
    AjouterOutil();
    AjouterNotificateurs(message->d);
    erreur = AjouterAnnotateur(message->d);
    if (erreur == kHostNoError) return kHostNoError;
    // Without its annotator the plug-in does not start: the user is told, and the record
    // goes back (the host sends a plug-in that failed to start nothing more, no shut-down).
    if (erreur == kHostErrSuiteNotFound)
        AlerterSuiteManquante(erreur, kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
    LibererRecord(message->d);
    return erreur;
}

HostErr Arret(SPInterfaceMessage* message) {
    // A figure half clicked leaves neither its guide nor its empty group behind.
    AbandonnerCreation();
    // Without the dialog suite the panel cannot be destroyed; the record is freed anyway.
    if (gGlobals->Panneau != nullptr && SuitesPresentes(sADMDialog()))
        sADMDialog()->Destroy(gGlobals->Panneau);
    LibererRecord(message->d);
    return kHostNoError;
}

HostErr Dechargement(SPAccessMessage* message) {
    message->d.globals = gGlobals;
    return kHostNoError;
}

HostErr Rechargement(SPAccessMessage* message) {
    // An empty slot would drop a record still in use.
    if (message->d.globals != nullptr) gGlobals = static_cast<Globals*>(message->d.globals);
    OublierSuites();
    return kHostNoError;
}
