#include "panel/dessin_panneau.h"

#include <cmath>
#include <cstdio>

#include "geometry/ecriture_nombres.h"
#include "geometry/mesures.h"
#include "panel/panneau.h"
#include "panel/unites.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "settings/globals.h"

namespace {

constexpr HostRect kZoneInclinaison = {170, 72, kLargeurPanneau, 82};
constexpr HostRect kPlaceDiagonale1 = {110, 121, 170, 140};
constexpr HostRect kPlaceDiagonale2 = {35, 121, 95, 140};
constexpr int32_t kPoliceInclinaison = 13;
constexpr int32_t kPoliceBoite = 2;

// The schematic figure: twelve lines with gaps where the length fields sit.
constexpr int32_t kFigure[12][4] = {
    {20, 95, 72, 95},  {130, 95, 184, 95},  {20, 217, 72, 217},  {130, 217, 184, 217},
    {20, 95, 20, 154}, {20, 172, 20, 217},  {184, 95, 184, 154}, {184, 172, 184, 217},
    {20, 95, 57, 122}, {78, 138, 184, 217}, {184, 95, 147, 122}, {126, 138, 20, 217}};

void DessinerImage(HostDrawerRef dessin) {
    HostIconRef image = sADMIcon2()->GetFromResource(sPlugin, ORTAQ_IMAGE_PLUS_MOINS);
    sADMDrawer()->DrawIcon(dessin, image, 4, 70);
    sADMIcon2()->Destroy(image);
}

void DessinerInclinaison(HostDrawerRef dessin) {
    sADMDrawer()->ClearRect(dessin, &kZoneInclinaison);
    sADMDrawer()->SetFont(dessin, kPoliceInclinaison);
    char texte[32];
    TexteInclinaison(gGlobals->Inclinaison, texte, sizeof texte);
    sADMDrawer()->DrawTextCentered(dessin, texte, &kZoneInclinaison);
}

// The held diagonal has its field; the other one's length is shown in a box at its place.
void DessinerBoiteDiagonale(HostDrawerRef dessin) {
    bool diagonale1 = gGlobals->Diagonale1Active != 0;
    HostRect boite = diagonale1 ? kPlaceDiagonale2 : kPlaceDiagonale1;
    sADMDrawer()->SetADMColor(dessin, kADMButtonFaceColor);
    sADMDrawer()->FillRect(dessin, &boite);
    HostRect cadre = {boite.left + 1, boite.top + 1, boite.right - 1, boite.bottom - 1};
    sADMDrawer()->SetADMColor(dessin, kADMShadowColor);
    sADMDrawer()->DrawRect(dessin, &cadre);
    sADMDrawer()->SetADMColor(dessin, kADMBlackColor);
    sADMDrawer()->SetFont(dessin, kPoliceBoite);
    char texte[48];
    TexteLongueurBoite(diagonale1 ? gGlobals->Diagonale2 : gGlobals->Diagonale1, texte,
                       sizeof texte);
    sADMDrawer()->DrawTextCentered(dessin, texte, &cadre);
}

void DessinerFigure(HostDrawerRef dessin) {
    for (const auto& l : kFigure) sADMDrawer()->DrawLine(dessin, l[0], l[1], l[2], l[3]);
}

}  // namespace

void TexteInclinaison(float radians, char* texte, size_t taille) {
    double degres = DegresEntiers(EnDegres(radians));
    if (degres == 0) degres = 0;  // no "-0°"
    std::snprintf(texte, taille, "%g°", degres);
}

void TexteLongueurBoite(float points, char* texte, size_t taille) {
    double x = double{points} * FacteurUnite();
    double arrondi = std::floor((x + 0.005) * 100) / 100;
    std::snprintf(texte, taille, "%g%s", arrondi, SuffixeUnite());
    VirguleDecimale(texte);
}

void DessinPanneau(HostDialogRef panneau, HostDrawerRef dessin) {
    if (gGlobals == nullptr || !SuitesPresentes(sADMDialog(), sADMDrawer(), sADMIcon2())) return;
    sADMDialog()->DefaultDraw(panneau, dessin);
    DessinerImage(dessin);
    DessinerInclinaison(dessin);
    DessinerBoiteDiagonale(dessin);
    DessinerFigure(dessin);
}
