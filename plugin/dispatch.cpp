#include "plugin/dispatch.h"

#include <span>

#include "annotations/annotateur.h"
#include "host/messages.h"
#include "plugin/hote/suites.h"
#include "plugin/lifecycle.h"
#include "plugin/menus.h"
#include "plugin/outil.h"
#include "settings/globals.h"
#include "tool/creation.h"
#include "tool/deplacement.h"

namespace {

using Gestionnaire = HostErr (*)(void* message);

struct Route {
    const char* selecteur;
    Gestionnaire gestionnaire;
};

struct Appelant {
    const char* nom;
    std::span<const Route> routes;
};

template <typename Message, HostErr (*Fonction)(Message*)>
HostErr Appeler(void* message) {
    return Fonction(static_cast<Message*>(message));
}

HostErr Rien(void*) {
    return kHostNoError;
}

bool Egal(const char* a, const char* b) {
    return sSPBasic->IsEqual(a, b) != 0;
}

const Route kAcces[] = {
    {kSPAccessUnloadSelector, Appeler<SPAccessMessage, Dechargement>},
    {kSPAccessReloadSelector, Appeler<SPAccessMessage, Rechargement>},
};

const Route kInterface[] = {
    {kSPInterfaceStartupSelector, Appeler<SPInterfaceMessage, Demarrage>},
    {kSPInterfaceAboutSelector, Appeler<SPInterfaceMessage, APropos>},
    {kSPInterfaceShutdownSelector, Appeler<SPInterfaceMessage, Arret>},
};

const Route kMenu[] = {
    {kSelectorAIGoMenuItem, Appeler<AIMenuMessage, CommandeMenu>},
    {kSelectorAIUpdateMenuItem, Rien},
};

const Route kOutil[] = {
    {kSelectorAIEditToolOptions, Appeler<AIToolMessage, OptionsOutil>},
    {kSelectorAITrackToolCursor, Appeler<AIToolMessage, SuiviCurseur>},
    {kSelectorAIToolMouseDown, Appeler<AIToolMessage, SourisEnfoncee>},
    {kSelectorAIToolMouseDrag, Appeler<AIToolMessage, SourisGlissee>},
    {kSelectorAIToolMouseUp, Appeler<AIToolMessage, SourisRelachee>},
    {kSelectorAISelectTool, Appeler<AIToolMessage, SelectionOutil>},
    {kSelectorAIDeselectTool, Appeler<AIToolMessage, DeselectionOutil>},
};

const Route kNotificateur[] = {
    {kSelectorAINotify, Appeler<AINotifierMessage, Notification>},
};

const Route kAnnotation[] = {
    {kSelectorAIDrawAnnotation, Appeler<AIAnnotatorMessage, DessinerAnnotations>},
};

// Callers after "SP Access" and "SP Interface", in the order they are tested.
const Appelant kAppelants[] = {
    {kCallerAIMenu, kMenu},
    {kCallerAITool, kOutil},
    {kCallerAINotify, kNotificateur},
    {kCallerAIAnnotation, kAnnotation},
};

Gestionnaire Chercher(std::span<const Route> routes, const char* selecteur) {
    for (const Route& route : routes)
        if (Egal(route.selecteur, selecteur)) return route.gestionnaire;
    return nullptr;
}

Gestionnaire ChercherAppelant(const char* appelant, const char* selecteur) {
    if (Egal(appelant, kSPInterfaceCaller)) return Chercher(kInterface, selecteur);
    for (const Appelant& candidat : kAppelants)
        if (Egal(candidat.nom, appelant)) return Chercher(candidat.routes, selecteur);
    return nullptr;
}

// Before start-up and after shut-down only start-up runs: there is no record to work on.
bool PeutTourner(Gestionnaire gestionnaire) {
    return gGlobals != nullptr || gestionnaire == Appeler<SPInterfaceMessage, Demarrage>;
}

HostErr Executer(Gestionnaire gestionnaire, void* message) {
    if (gestionnaire == nullptr || !PeutTourner(gestionnaire)) return kHostNoError;
    return gestionnaire(message);
}

HostErr DistribuerAcces(const char* selecteur, void* message) {
    Gestionnaire gestionnaire = Chercher(kAcces, selecteur);
    // Reload must run with no record: the code may have been reloaded from scratch.
    if (gestionnaire == Appeler<SPAccessMessage, Rechargement>) return gestionnaire(message);
    return Executer(gestionnaire, message);
}

}  // namespace

HostErr Distribuer(const char* appelant, const char* selecteur, void* message) {
    sSPBasic = static_cast<SPMessageData*>(message)->basic;
    sPlugin = static_cast<SPMessageData*>(message)->self;
    if (Egal(appelant, kSPAccessCaller)) return DistribuerAcces(selecteur, message);

    TenueSuites tenue;
    if (tenue.Resultat() != kHostNoError) return tenue.Resultat();
    return Executer(ChercherAppelant(appelant, selecteur), message);
}
