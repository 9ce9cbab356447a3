#include "panel/panneau.h"

#include <cstring>
#include <iterator>

#include "geometry/mesures.h"
#include "geometry/unites.h"
#include "panel/dessin_panneau.h"
#include "panel/procedures_items.h"
#include "plugin/hote/ecran.h"
#include "plugin/hote/fabricant.h"
#include "plugin/hote/suites.h"
#include "settings/echelle.h"
#include "settings/globals.h"

namespace {

constexpr int32_t kLargeurPanneau = 206;
constexpr int32_t kHauteurPanneau = 226;
constexpr const char* kTitre = "Ortaquine 3.0";
constexpr int32_t kPoliceTexte = 13;
constexpr const char* kPrefixeDock = "Ortaq";

struct DefinitionItem {
    int32_t id;
    const char* type;
    HostRect rect;
    const char* tip;  // null: none
};

// The panel's items, in creation order.
const DefinitionItem kItems[] = {
    {29, kADMPictureStaticType, {0, 0, 206, 226}, "Cliquez sur le panneau pour activer l'outil."},
    {1, kADMPicturePushButtonType, {182, 4, 202, 24}, kLigneContact},
    {2, kADMPictureStaticType, {170, 12, 182, 24}, kAdresseWeb},
    {28, kADMPopupListType, {20, 28, 100, 45}, "Liste des unités."},
    {3, kADMSpinEditType, {0, 154, 60, 173}, "Longueur du côté 1."},
    {4, kADMPictureRadioButtonType, {61, 154, 81, 173}, "Longueur du côté 1."},
    {5, kADMSpinEditType, {72, 86, 132, 105}, "Longueur du côté 2."},
    {6, kADMPictureRadioButtonType, {51, 86, 71, 105}, "Longueur du côté 2."},
    {7, kADMSpinEditType, {142, 154, 202, 173}, "Longueur du côté 3."},
    {8, kADMPictureRadioButtonType, {121, 154, 141, 173}, "Longueur du côté 3."},
    {9, kADMSpinEditType, {72, 208, 132, 227}, "Longueur du côté 4."},
    {10, kADMPictureRadioButtonType, {51, 208, 71, 227}, "Longueur du côté 4."},
    {11, kADMSpinEditType, {110, 121, 170, 140}, "Longueur de la diagonale 1."},
    {12, kADMPictureRadioButtonType, {90, 121, 110, 140}, "Longueur de la diagonale 1."},
    {26, kADMPicturePushButtonType, {110, 121, 170, 140}, "Cliquer pour activer la zone."},
    {13, kADMSpinEditType, {35, 121, 95, 140}, "Longueur de la diagonale 2."},
    {14, kADMPictureRadioButtonType, {15, 121, 35, 140}, "Longueur de la diagonale 2."},
    {27, kADMPicturePushButtonType, {35, 121, 95, 140}, "Cliquer pour activer la zone."},
    {15, kADMSliderType, {25, 77, 170, 84}, "Angle de rotation du quadrilatère."},
    {16,
     kADMPicturePushButtonType,
     {0, 69, 30, 77},
     "Augmenter l'angle (shift pour augmenter de 10° en 10°)."},
    {17,
     kADMPicturePushButtonType,
     {0, 77, 30, 85},
     "Diminuer l'angle (shift pour Diminuer de 10° en 10°)."},
    {18, kADMTextStaticType, {4, 49, 206, 69}, nullptr},
    {21, kADMTextStaticType, {110, 31, 130, 42}, "Échelle du dessin"},
    {20, kADMPopupListType, {134, 28, 202, 45}, nullptr},     // its tip comes with the scale
    {19, kADMPictureStaticType, {173, 5, 179, 11}, nullptr},  // its tip comes with the scale
    {22, kADMSpinEditType, {20, 5, 80, 24}, "Position horizontale du quadrilatère."},
    {23, kADMPictureRadioButtonType, {0, 5, 20, 24}, "Position horizontale du quadrilatère."},
    {24, kADMSpinEditType, {110, 5, 170, 24}, "Position verticale du quadrilatère."},
    {25, kADMPictureRadioButtonType, {90, 5, 110, 24}, "Position verticale du quadrilatère."},
    {80, kADMTextStaticMultiLineType, {206, 2, 408, 212}, "Texte de l'aide."},
    {81, kADMPicturePushButtonType, {375, 214, 388, 225}, "Page suivante de l'aide."},
    {82, kADMPicturePushButtonType, {214, 214, 227, 225}, "Première page de l'aide."},
    {136, kADMTextStaticType, {278, 214, 298, 228}, "Numéro de page de l'aide."},
    {137, kADMTextStaticType, {298, 214, 308, 228}, nullptr},
    {138, kADMTextStaticType, {308, 214, 328, 228}, nullptr},
};

// The length fields and the record field each one holds.
struct ChampLongueur {
    int32_t id;
    float Globals::*valeur;
};
constexpr ChampLongueur kLongueurs[] = {{3, &Globals::Cote1},       {5, &Globals::Cote2},
                                        {7, &Globals::Cote3},       {9, &Globals::Cote4},
                                        {11, &Globals::Diagonale1}, {13, &Globals::Diagonale2}};

constexpr const char* kUnites[] = {"mm", "cm", "po (décimal)", "Point"};
constexpr int32_t kMenuPanneau = 128;
constexpr int32_t kIconesPanneau[2] = {409, 410};

const ADMItemSuite7& Items() {
    return *sADMItem();
}

HostDialogRef Panneau() {
    return gGlobals->Panneau;
}

HostItemRef Item(int32_t id) {
    return sADMDialog()->GetItem(Panneau(), id);
}

void PreparerLongueur(HostItemRef item, float Globals::*valeur) {
    Items().SetItemOptions(item, 1);
    AppliquerUnite(item);
    gGlobals->*valeur = 0;
    Items().SetFloatValue(item, 0);
    Items().SetMinFloatValue(item, 0);
    // 1 mm and 1 cm, whatever the unit's own steps.
    Items().SetSmallIncrement(item, 2.8346457f);
    Items().SetLargeIncrement(item, 28.346457f);
    Items().SetPrecision(item, 2);
}

void PreparerPosition(HostItemRef item) {
    Items().SetUnits(item, kADMPointUnits);
    Items().SetSmallIncrement(item, 1);
    Items().SetLargeIncrement(item, 10);
    Items().SetPrecision(item, 0);
}

void PreparerCurseur(HostItemRef item) {
    Items().SetUnits(item, kADMPointUnits);
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
void PreparerItem(int32_t id, HostItemRef item) {
    for (const ChampLongueur& champ : kLongueurs)
        if (champ.id == id) return PreparerLongueur(item, champ.valeur);
    switch (id) {
        case 29:
            return Items().SetNotifyProc(item, NotifierZoneClic);
        case 1:
            return PreparerImage(item, 128, 129);
        case 2:
            PreparerImage(item, 500, 0);
            return Items().SetNotifyProc(item, NotifierLienWeb);
        case 28:
            return PreparerUnites(item);
        case 4:
        case 6:
        case 8:
        case 10:
        case 12:
        case 14:
            Items().SetDrawProc(item, DessinVide);
            return Items().SetNotifyProc(item, NotifierZoneFocus);
        case 23:
            Items().SetDrawProc(item, DessinFlecheHorizontale);
            return Items().SetNotifyProc(item, NotifierZoneFocus);
        case 25:
            Items().SetDrawProc(item, DessinFlecheVerticale);
            return Items().SetNotifyProc(item, NotifierZoneFocus);
        case 16:
        case 17:
        case 26:
        case 27:
            return Items().SetDrawProc(item, DessinVide);
        case 15:
            return PreparerCurseur(item);
        case 18:
            Items().SetText(item, "Aire=");
            return Items().SetFont(item, kPoliceTexte);
        case 21:
            return Items().SetText(item, "Éch.");
        case 19:
            return Items().SetPictureID(item, 407);
        case 22:
        case 24:
            return PreparerPosition(item);
        case 80:
            Items().SetJustify(item, 1);
            return Items().SetFont(item, kPoliceTexte);
        case 81:
            return PreparerImage(item, 400, 401);
        case 82:
            PreparerImage(item, 402, 403);
            return Items().Enable(item, false);
        case 136:
            PreparerTexte(item, nullptr, 2);
            return Items().SetIntValue(item, gGlobals->PageAide);
        case 137:
            return PreparerTexte(item, "/", 1);
        case 138:
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
        if (d.id == kItemZoneClic) {
            // The flyout menu comes right after the click area.
            HostListRef menu = Items().GetList(sADMDialog()->GetItem(Panneau(), kADMMenuItemID));
            sADMList()->SetMenuID(menu, sPlugin, kMenuPanneau);
        }
    }
    PreparerEchelle(Panneau());
}

// Where the preferences and custom-scale dialogs will first open.
void PlacerDialogues() {
    HostRect prefs = PlaceSurEcran(294, 172);
    gGlobals->RectPrefs.left = prefs.left;
    gGlobals->RectPrefs.top = prefs.top;
    HostRect echelle = PlaceSurEcran(200, 120);
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

void Activer(int32_t id, bool oui) {
    Items().Enable(Item(id), oui);
}

void Montrer(int32_t id, bool activer, bool montrer) {
    Items().Enable(Item(id), activer);
    Items().Show(Item(id), montrer);
}

// The held diagonal's field is shown and editable; the other place shows a box under its
// invisible button.
void ActiverDiagonales(bool outilChoisi) {
    bool d1 = gGlobals->Diagonale1Active != 0;
    bool champ1 = !outilChoisi || d1;
    bool champ2 = !outilChoisi || !d1;
    Montrer(11, outilChoisi && d1, champ1);
    Montrer(12, outilChoisi && d1, champ1);
    Montrer(13, outilChoisi && !d1, champ2);
    Montrer(14, outilChoisi && !d1, champ2);
    Activer(kItemBouton1, outilChoisi && !d1);
    Activer(kItemBouton2, outilChoisi && d1);
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
    for (int32_t id = 1; id <= 29; ++id) Items().SetWantsFocus(Item(id), outilChoisi);
    // Outside the visible panel while the tool is selected; over all of it otherwise.
    Items().Move(Item(kItemZoneClic), outilChoisi ? 412 : 0, 0);
    for (int32_t id : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 28}) Activer(id, outilChoisi);
    ActiverDiagonales(outilChoisi);
    for (int32_t id : {15, 16, 17, 18, 20, 21, 22, 24}) Activer(id, outilChoisi);
}

HostErr HOST_API InitialisationPanneau(HostDialogRef panneau) {
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
    sADMDialog()->SetDrawProc(panneau, DessinPanneau);
    CreerItems();
    sADMDialog()->SetText(panneau, kTitre);
    ActivationPanneau(false);
    Docker(panneau);
    return sAIContext()->PopAppContext(contexte);
}
