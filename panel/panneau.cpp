#include "panel/panneau.h"

#include "geometry/mesures.h"
#include "panel/aide.h"
#include "panel/champs.h"
#include "panel/choix_diagonale.h"
#include "panel/choix_unite.h"
#include "panel/dessin_panneau.h"
#include "panel/echelle_panneau.h"
#include "panel/echelle_perso.h"
#include "panel/edition_champs.h"
#include "panel/inclinaison.h"
#include "panel/items_panneau.h"
#include "panel/menu_panneau.h"
#include "panel/procedures_items.h"
#include "panel/unites.h"
#include "plugin/hote/ecran.h"
#include "plugin/hote/fabricant.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/dialogue_preferences.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"

namespace {

constexpr const char* kTitre = "Ortaquine 3.0";
constexpr int32_t kPoliceTexte = 13;
constexpr const char* kPrefixeDock = "Ortaq";

struct DefinitionItem {
    ItemPanneau id;
    const char* type;
    HostRect rect;
    const char* tip;  // null: none
};

// The panel's items, in creation order.
const DefinitionItem kItems[] = {
    {kZoneClic,
     kADMPictureStaticType,
     {0, 0, kLargeurPanneau, kHauteurPanneau},
     "Cliquez sur le panneau pour activer l'outil."},
    {kLogoFabricant, kADMPicturePushButtonType, {182, 4, 202, 24}, kLigneContact},
    {kLienWeb, kADMPictureStaticType, {170, 12, 182, 24}, kAdresseWeb},
    {kPopupUnites, kADMPopupListType, {20, 28, 100, 45}, "Liste des unités."},
    {kChampCote1, kADMSpinEditType, {0, 154, 60, 173}, "Longueur du côté 1."},
    {kZoneCote1, kADMPictureRadioButtonType, {61, 154, 81, 173}, "Longueur du côté 1."},
    {kChampCote2, kADMSpinEditType, {72, 86, 132, 105}, "Longueur du côté 2."},
    {kZoneCote2, kADMPictureRadioButtonType, {51, 86, 71, 105}, "Longueur du côté 2."},
    {kChampCote3, kADMSpinEditType, {142, 154, 202, 173}, "Longueur du côté 3."},
    {kZoneCote3, kADMPictureRadioButtonType, {121, 154, 141, 173}, "Longueur du côté 3."},
    {kChampCote4, kADMSpinEditType, {72, 208, 132, 227}, "Longueur du côté 4."},
    {kZoneCote4, kADMPictureRadioButtonType, {51, 208, 71, 227}, "Longueur du côté 4."},
    {kChampDiagonale1, kADMSpinEditType, {110, 121, 170, 140}, "Longueur de la diagonale 1."},
    {kZoneDiagonale1,
     kADMPictureRadioButtonType,
     {90, 121, 110, 140},
     "Longueur de la diagonale 1."},
    {kBoutonDiagonale1,
     kADMPicturePushButtonType,
     {110, 121, 170, 140},
     "Cliquer pour activer la zone."},
    {kChampDiagonale2, kADMSpinEditType, {35, 121, 95, 140}, "Longueur de la diagonale 2."},
    {kZoneDiagonale2,
     kADMPictureRadioButtonType,
     {15, 121, 35, 140},
     "Longueur de la diagonale 2."},
    {kBoutonDiagonale2,
     kADMPicturePushButtonType,
     {35, 121, 95, 140},
     "Cliquer pour activer la zone."},
    {kCurseurInclinaison, kADMSliderType, {25, 77, 170, 84}, "Angle de rotation du quadrilatère."},
    {kBoutonPlus,
     kADMPicturePushButtonType,
     {0, 69, 30, 77},
     "Augmenter l'angle (shift pour augmenter de 10° en 10°)."},
    {kBoutonMoins,
     kADMPicturePushButtonType,
     {0, 77, 30, 85},
     "Diminuer l'angle (shift pour Diminuer de 10° en 10°)."},
    {kTexteAire, kADMTextStaticType, {4, 49, kLargeurPanneau, 69}, nullptr},
    {kLegendeEchelle, kADMTextStaticType, {110, 31, 130, 42}, "Échelle du dessin"},
    {kPopupEchelle,
     kADMPopupListType,
     {134, 28, 202, 45},
     nullptr},  // its tip comes with the scale
    {kIndicateurEchelle,
     kADMPictureStaticType,
     {173, 5, 179, 11},
     nullptr},  // its tip comes with the scale
    {kChampPositionH, kADMSpinEditType, {20, 5, 80, 24}, "Position horizontale du quadrilatère."},
    {kZonePositionH,
     kADMPictureRadioButtonType,
     {0, 5, 20, 24},
     "Position horizontale du quadrilatère."},
    {kChampPositionV, kADMSpinEditType, {110, 5, 170, 24}, "Position verticale du quadrilatère."},
    {kZonePositionV,
     kADMPictureRadioButtonType,
     {90, 5, 110, 24},
     "Position verticale du quadrilatère."},
    {kTexteAide, kADMTextStaticMultiLineType, {kLargeurPanneau, 2, 408, 212}, "Texte de l'aide."},
    {kPageSuivante, kADMPicturePushButtonType, {375, 214, 388, 225}, "Page suivante de l'aide."},
    {kPagePrecedente, kADMPicturePushButtonType, {214, 214, 227, 225}, "Première page de l'aide."},
    {kNumeroPage, kADMTextStaticType, {278, 214, 298, 228}, "Numéro de page de l'aide."},
    {kBarrePages, kADMTextStaticType, {298, 214, 308, 228}, nullptr},
    {kNombrePages, kADMTextStaticType, {308, 214, 328, 228}, nullptr},
};

constexpr const char* kUnites[] = {"mm", "cm", "po (décimal)", "Point"};
// 227 inches in points, the largest artboard.
constexpr float kPositionExtreme = 16344;
constexpr int32_t kIconesPanneau[2] = {ORTAQ_IMAGE_ICONE_PANNEAU,
                                       ORTAQ_IMAGE_ICONE_PANNEAU_SURLIGNEE};

// Enabled while the tool is selected, disabled otherwise, before and after the diagonals.
constexpr ItemPanneau kActivesAvecLOutil[] = {kLogoFabricant, kLienWeb,   kChampCote1, kZoneCote1,
                                              kChampCote2,    kZoneCote2, kChampCote3, kZoneCote3,
                                              kChampCote4,    kZoneCote4, kPopupUnites};
constexpr ItemPanneau kReglagesAvecLOutil[] = {kCurseurInclinaison, kBoutonPlus,    kBoutonMoins,
                                               kTexteAire,          kPopupEchelle,  kLegendeEchelle,
                                               kChampPositionH,     kChampPositionV};

const ADMItemSuite7& Items() {
    return *sADMItem();
}

HostDialogRef Panneau() {
    return gGlobals->Panneau;
}

HostItemRef Item(ItemPanneau id) {
    return sADMDialog()->GetItem(Panneau(), id);
}

void PreparerLongueur(HostItemRef item, Longueur longueur) {
    Items().SetItemOptions(item, 1);
    AppliquerUnite(item);
    LongueurCourante(longueur) = 0;
    Items().SetFloatValue(item, 0);
    Items().SetMinFloatValue(item, 0);
    // 1 mm and 1 cm, whatever the unit's own steps.
    Items().SetSmallIncrement(item, 2.8346457f);
    Items().SetLargeIncrement(item, 28.346457f);
    Items().SetPrecision(item, 2);
    Items().SetNotifyProc(item, Procedure<NotifierLongueur>);
}

void PreparerPosition(HostItemRef item) {
    Items().SetUnits(item, kADMPointUnits);
    Items().SetNotifyProc(item, Procedure<NotifierPosition>);
    Items().SetSmallIncrement(item, 1);
    Items().SetLargeIncrement(item, 10);
    Items().SetPrecision(item, 0);
    // Within the largest artboard: beyond it a figure's float32 vertices lose its shape.
    Items().SetMinFloatValue(item, -kPositionExtreme);
    Items().SetMaxFloatValue(item, kPositionExtreme);
}

void PreparerCurseur(HostItemRef item) {
    Items().SetUnits(item, kADMPointUnits);
    Items().SetNotifyProc(item, Procedure<NotifierCurseurInclinaison>);
    Items().SetMinFloatValue(item, -180);
    Items().SetMaxFloatValue(item, 180);
    Items().SetFloatValue(item, static_cast<float>(EnDegres(gGlobals->Inclinaison)));
}

void PreparerUnites(HostItemRef item) {
    HostListRef liste = Items().GetList(item);
    for (int32_t i = 0; i < 4; ++i) {
        HostEntryRef entree = sADMList()->InsertEntry(liste, i);
        sADMEntry()->SetID(entree, i);
        sADMEntry()->SetText(entree, kUnites[i]);
        sADMEntry()->Enable(entree, true);
    }
    sADMEntry()->Select(sADMList()->IndexEntry(liste, gGlobals->Unite), true);
    Items().SetNotifyProc(item, Procedure<ChangerUnite>);
}

void PreparerImage(HostItemRef item, int32_t image, int32_t imageEnfoncee) {
    Items().SetPictureID(item, image);
    if (imageEnfoncee != 0) Items().SetSelectedPictureID(item, imageEnfoncee);
    Items().SetBooleanValue(item, false);
}

void PreparerTexte(HostItemRef item, const char* texte, int32_t justification) {
    Items().SetUnits(item, kADMNoUnits);
    if (texte != nullptr) Items().SetText(item, texte);
    Items().SetJustify(item, justification);
}

// What each item gets besides its tip, by number.
void PreparerItem(ItemPanneau id, HostItemRef item) {
    for (Longueur longueur : kLongueurs)
        if (ChampDe(longueur) == id) return PreparerLongueur(item, longueur);
    switch (id) {
        case kZoneClic:
            Items().SetDrawProc(item, Procedure<DessinVide>);
            return Items().SetNotifyProc(item, Procedure<NotifierZoneClic>);
        case kLogoFabricant:
            return PreparerImage(item, ORTAQ_IMAGE_LOGO, ORTAQ_IMAGE_LOGO_ENFONCE);
        case kLienWeb:
            PreparerImage(item, ORTAQ_IMAGE_LIEN_WEB, 0);
            return Items().SetNotifyProc(item, Procedure<NotifierLienWeb>);
        case kPopupUnites:
            return PreparerUnites(item);
        case kZoneCote1:
        case kZoneCote2:
        case kZoneCote3:
        case kZoneCote4:
        case kZoneDiagonale1:
        case kZoneDiagonale2:
            Items().SetDrawProc(item, Procedure<DessinVide>);
            return Items().SetNotifyProc(item, Procedure<NotifierZoneFocus>);
        case kZonePositionH:
            Items().SetDrawProc(item, Procedure<DessinFlecheHorizontale>);
            return Items().SetNotifyProc(item, Procedure<NotifierZoneFocus>);
        case kZonePositionV:
            Items().SetDrawProc(item, Procedure<DessinFlecheVerticale>);
            return Items().SetNotifyProc(item, Procedure<NotifierZoneFocus>);
        case kBoutonPlus:
            Items().SetDrawProc(item, Procedure<DessinVide>);
            return Items().SetTrackProc(item, Procedure<SuiviBoutonPlus, HostBool32{0}>);
        case kBoutonMoins:
            Items().SetDrawProc(item, Procedure<DessinVide>);
            return Items().SetTrackProc(item, Procedure<SuiviBoutonMoins, HostBool32{0}>);
        case kBoutonDiagonale1:
        case kBoutonDiagonale2:
            Items().SetDrawProc(item, Procedure<DessinVide>);
            return Items().SetNotifyProc(item, Procedure<NotifierChoixDiagonale>);
        case kCurseurInclinaison:
            return PreparerCurseur(item);
        case kTexteAire:
            Items().SetText(item, "Aire=");
            return Items().SetFont(item, kPoliceTexte);
        case kLegendeEchelle:
            return Items().SetText(item, "Éch.");
        case kIndicateurEchelle:
            return Items().SetPictureID(item, ORTAQ_IMAGE_INDICATEUR_ECHELLE);
        case kChampPositionH:
        case kChampPositionV:
            return PreparerPosition(item);
        case kTexteAide:
            Items().SetJustify(item, 1);
            return Items().SetFont(item, kPoliceTexte);
        case kPageSuivante:
            PreparerImage(item, ORTAQ_IMAGE_PAGE_SUIVANTE, ORTAQ_IMAGE_PAGE_SUIVANTE_ENFONCEE);
            return Items().SetNotifyProc(item, Procedure<NotifierPageSuivante>);
        case kPagePrecedente:
            PreparerImage(item, ORTAQ_IMAGE_PAGE_PRECEDENTE, ORTAQ_IMAGE_PAGE_PRECEDENTE_ENFONCEE);
            Items().SetNotifyProc(item, Procedure<NotifierPagePrecedente>);
            return Items().Enable(item, false);
        case kNumeroPage:
            PreparerTexte(item, nullptr, 2);
            return Items().SetIntValue(item, gGlobals->PageAide);
        case kBarrePages:
            return PreparerTexte(item, "/", 1);
        case kNombrePages:
            PreparerTexte(item, nullptr, 0);
            return Items().SetIntValue(item, gGlobals->NbPagesAide);
        default:
            return;
    }
}

void CreerItems() {
    for (const DefinitionItem& d : kItems) {
        HostItemRef item = sADMDialog()->CreateItem(Panneau(), d.id, d.type, &d.rect, nullptr, 0);
        PreparerItem(d.id, item);
        if (d.tip != nullptr) Items().SetTipString(item, d.tip);
        if (d.id == kZoneClic) {
            // The flyout menu comes right after the click area.
            Items().SetNotifyProc(Item(kMenuLocal), Procedure<NotifierMenu>);
            HostListRef menu = Items().GetList(Item(kMenuLocal));
            sADMList()->SetMenuID(menu, sPlugin, ORTAQ_MENU_PANNEAU);
        }
    }
    PreparerEchelle(Panneau());
}

// Where the preferences and custom-scale dialogs will first open.
void PlacerDialogues() {
    HostRect prefs = PlaceSurEcran(kLargeurPreferences, kHauteurPreferences);
    gGlobals->RectPrefs.left = prefs.left;
    gGlobals->RectPrefs.top = prefs.top;
    HostRect echelle = PlaceSurEcran(kLargeurEchellePerso, kHauteurEchellePerso);
    gGlobals->RectEchellePerso.left = echelle.left;
    gGlobals->RectEchellePerso.top = echelle.top;
}

void EtatInitial(HostDialogRef panneau) {
    Globals& g = *gGlobals;
    PlacerDialogues();
    g.PrefsOuvert = 0;
    g.EchellePersoOuvert = 0;
    g.FormeQuelconque = 1;
    g.FormeCarre = g.FormeRectangle = g.FormeLosange = g.FormeParallelogramme = 0;
    g.ToleranceAngleDroit = 0.003f;
    g.Panneau = panneau;
    g.Unite = 0;
    g.Inclinaison = 0;
    g.PageAide = 1;
    g.NbPagesAide = 6;
}

void Docker(HostDialogRef panneau) {
    char groupe[256] = "SDK Dialogs";
    int32_t code = 7168;
    sAIPreference()->GetStringPreference(kPrefixeDock, "kADM_DPDockGroupStr", groupe,
                                         sizeof groupe);
    sAIPreference()->GetIntegerPreference(kPrefixeDock, "kADM_DPDockCodeStr", &code);
    HostRect taille = {0, 0, kLargeurPanneau, kHauteurPanneau};
    sADMDialog()->SetLocalRect(panneau, &taille);
    sADMDialog()->Show(panneau, gGlobals->PanneauVisible != 0);
    for (int32_t sorte = 0; sorte < 2; ++sorte)
        sADMDialog()->SetIcon(panneau, sorte,
                              sADMIcon2()->GetFromResource(sPlugin, kIconesPanneau[sorte]));
    sADMDialogGroup()->SetDialogGroupInfo(panneau, groupe, code);
}

void Activer(ItemPanneau id, bool oui) {
    Items().Enable(Item(id), oui);
}

bool Pret() {
    return SuitesPresentes(sADMBasic(), sADMDialog(), sADMItem(), sADMList(), sADMEntry(),
                           sADMIcon2(), sADMDialogGroup(), sAIPreference(), sAIContext(),
                           sSPAccess());
}

}  // namespace

void ActivationPanneau(bool outilChoisi) {
    if (Panneau() == nullptr || !SuitesPresentes(sADMDialog(), sADMItem())) return;
    sADMDialog()->SetText(Panneau(), kTitre);
    // Every item of the panel proper, the help pane's aside.
    for (int32_t id = kLogoFabricant; id <= kZoneClic; ++id)
        Items().SetWantsFocus(Item(static_cast<ItemPanneau>(id)), outilChoisi);
    // Outside the visible panel while the tool is selected; over all of it otherwise.
    Items().Move(Item(kZoneClic), outilChoisi ? kLargeurAvecAide : 0, 0);
    for (ItemPanneau id : kActivesAvecLOutil) Activer(id, outilChoisi);
    ActiverDiagonales(outilChoisi);
    for (ItemPanneau id : kReglagesAvecLOutil) Activer(id, outilChoisi);
}

void BasculerPanneau() {
    HostDialogRef panneau = gGlobals->Panneau;
    if (panneau == nullptr || !SuitesPresentes(sADMDialog(), sADMItem())) return;
    sADMDialog()->Show(panneau, !sADMDialog()->IsVisible(panneau));
    sADMItem()->Invalidate(sADMDialog()->GetItem(panneau, kLienWeb));
}

HostErr InitialisationPanneau(HostDialogRef panneau) {
    if (gGlobals == nullptr || !Pret()) return kHostErrSuiteNotFound;
    EtatInitial(panneau);
    HostAppContextRef contexte = nullptr;
    sAIContext()->PushAppContext(sPlugin, &contexte);
    HostAccessRef acces = nullptr;
    sSPAccess()->GetPluginAccess(sPlugin, &acces);
    // The dialog manager calls the panel's procedures directly, outside any message: the
    // suites stay held from now on.
    AcquerirSuites();
    gGlobals->Diagonale1Active = 1;
    sADMDialog()->SetDrawProc(panneau, Procedure<DessinPanneau>);
    CreerItems();
    sADMDialog()->SetText(panneau, kTitre);
    ActivationPanneau(false);
    Docker(panneau);
    return sAIContext()->PopAppContext(contexte);
}
