#include "plugin/menus.h"

#include <cstring>

#include "panel/panneau.h"
#include "plugin/a_propos.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/globals.h"
#include "settings/preferences.h"
#include "tool/figure_document.h"
#include "tool/selection.h"

namespace {

constexpr const char* kGroupeAPropos = "SDKAboutPluginsGroupName";
constexpr const char* kGroupeOutils = "KVTOutils";
constexpr const char* kAfficher = "Afficher KVT.Ortaq";
constexpr const char* kMasquer = "Masquer KVT.Ortaq";
constexpr const char* kNomNotificateur = "notifierName";

// Finds a menu group by its name's beginning: the whole name when ENTIER is set.
bool GroupeExiste(const AIMenuSuite9& menus, const char* nom, bool entier) {
    int32_t nombre = 0;
    menus.CountMenuGroups(&nombre);
    size_t longueur = std::strlen(nom);
    for (int32_t i = 0; i < nombre; ++i) {
        HostMenuGroupHandle groupe = nullptr;
        char lu[256] = "";
        menus.GetNthMenuGroup(i, &groupe);
        menus.GetMenuGroupName(groupe, lu, sizeof lu);
        bool pareil = entier ? std::strcmp(lu, nom) == 0 : std::strncmp(lu, nom, longueur) == 0;
        if (pareil) return true;
    }
    return false;
}

}  // namespace

// The maker's plug-ins share one About submenu; whichever comes first makes it. This
// helper holds the menu suite for itself while it works.
class SDKAboutPluginsHelper {
  public:
    SDKAboutPluginsHelper() {
        const void* suite = nullptr;
        if (sSPBasic->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &suite) == kHostNoError)
            menus_ = static_cast<const AIMenuSuite9*>(suite);
    }
    ~SDKAboutPluginsHelper() {
        if (menus_ != nullptr) sSPBasic->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
    }
    SDKAboutPluginsHelper(const SDKAboutPluginsHelper&) = delete;
    SDKAboutPluginsHelper& operator=(const SDKAboutPluginsHelper&) = delete;

    HostErr AddAboutPluginsMenuItem(HostPluginRef plugin, const char* texteParent,
                                    const char* texteEntree, HostMenuItemHandle* entree) {
        if (menus_ == nullptr) return kHostErrSuiteNotFound;
        if (!GroupeExiste(*menus_, kGroupeAPropos, true)) {
            HostMenuItemHandle parent = nullptr;
            menus_->AddMenuItem(plugin, nullptr, "About", texteParent, 0, &parent);
            HostMenuGroupHandle groupe = nullptr;
            menus_->AddMenuGroupAsSubMenu(kGroupeAPropos, 1, parent, &groupe);
        }
        return menus_->AddMenuItem(plugin, nullptr, kGroupeAPropos, texteEntree, 0, entree);
    }

  private:
    const AIMenuSuite9* menus_ = nullptr;
};

namespace {

HostErr AjouterSousMenuFabricant(HostPluginRef plugin) {
    if (GroupeExiste(*sAIMenu(), "KVT", false)) return kHostNoError;
    HostErr erreur = sAIMenu()->AddMenuItem(plugin, kGroupeOutils, "Tool Palettes", "KVT.Outils", 0,
                                            &gGlobals->MenuPanneau);
    if (erreur != kHostNoError) return erreur;
    HostMenuGroupHandle groupe = nullptr;
    sAIMenu()->AddMenuGroupAsSubMenu(kGroupeOutils, 1, gGlobals->MenuPanneau, &groupe);
    return kHostNoError;
}

// Names what the show/hide item will do once the panel is VISIBLE or not.
HostErr NommerAfficherMasquer(bool visible) {
    if (!SuitesPresentes(sAIMenu())) return kHostErrSuiteNotFound;
    return sAIMenu()->SetItemText(gGlobals->MenuPanneau, visible ? kMasquer : kAfficher);
}

// Without the menu suite there is no item to name, but the panel is made all the same.
HostErr EtapeDemarrage() {
    if (!SuitesPresentes(sAIPreference(), sADMDialog())) return kHostErrSuiteNotFound;
    gGlobals->PanneauVisible = 1;
    sAIPreference()->GetBooleanPreference(kPrefixe, "kADM_DPVisibleStr", &gGlobals->PanneauVisible);
    HostErr resultat = NommerAfficherMasquer(gGlobals->PanneauVisible);
    gGlobals->Panneau = sADMDialog()->Create(
        sPlugin, "KVTOrtaq", ORTAQ_DIALOGUE_PANNEAU, kADMTabbedFloatingDialogStyle,
        Procedure<InitialisationPanneau, kHostErrInternal>, nullptr, 1);
    return resultat;
}

}  // namespace

HostErr AjouterMenus(const SPMessageData& message) {
    {
        SDKAboutPluginsHelper aide;
        aide.AddAboutPluginsMenuItem(message.self, "À propos des KVT•Outils…", "KVT.Ortaq…",
                                     &gGlobals->MenuAPropos);
    }
    if (!SuitesPresentes(sAIMenu())) return kHostErrSuiteNotFound;
    HostErr erreur = AjouterSousMenuFabricant(message.self);
    if (erreur != kHostNoError) return erreur;
    return sAIMenu()->AddMenuItem(message.self, "Outil9", kGroupeOutils, kAfficher, 0,
                                  &gGlobals->MenuPanneau);
}

HostErr AjouterNotificateurs(const SPMessageData& message) {
    if (!SuitesPresentes(sAINotifier())) return kHostErrSuiteNotFound;
    HostNotifierHandle selection = nullptr;
    sAINotifier()->AddNotifier(message.self, kNomNotificateur, kAIArtSelectionChangedNotifier,
                               &selection);
    return sAINotifier()->AddNotifier(message.self, kNomNotificateur, kAIApplicationStartedNotifier,
                                      &gGlobals->NotifDemarrage);
}

HostErr Notification(AINotifierMessage* message) {
    // One panel only, and only from the notifier that was really added.
    bool demarrage = message->notifier != nullptr && message->notifier == gGlobals->NotifDemarrage;
    if (demarrage && gGlobals->Panneau == nullptr) EtapeDemarrage();
    // The art changed under the plug-in (another tool moved or deleted it): the panel and
    // the annotations show the current figure as it is now.
    if (!demarrage && message->notifier != nullptr) RelireTrace();
    return kHostNoError;
}

HostErr CommandeMenu(AIMenuMessage* message) {
    if (message->menuItem == nullptr) return kHostNoError;
    if (message->menuItem == gGlobals->MenuPanneau && gGlobals->Panneau != nullptr) {
        if (!SuitesPresentes(sADMDialog(), sAIMenu())) return kHostErrSuiteNotFound;
        bool visible = !sADMDialog()->IsVisible(gGlobals->Panneau);
        sADMDialog()->Show(gGlobals->Panneau, visible);
        if (visible) ChoisirOutil();
        return NommerAfficherMasquer(visible);
    }
    if (message->menuItem == gGlobals->MenuAPropos)
        AfficherAPropos("bidon", ORTAQ_DIALOGUE_A_PROPOS_MENU);
    return kHostNoError;
}

HostErr APropos(SPInterfaceMessage*) {
    AfficherAPropos("About Dialog", ORTAQ_DIALOGUE_A_PROPOS);
    return kHostNoError;
}
