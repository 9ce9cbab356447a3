#include "plugin/hote/ecran.h"

#include "plugin/hote/suites.h"

HostRect PlaceSurEcran(int32_t largeur, int32_t hauteur) {
    HostRect ecran{};
    sADMBasic()->GetScreenDimensions(&ecran);
    int32_t gauche = (ecran.right - ecran.left - largeur) >> 1;
    int32_t haut = (ecran.bottom - ecran.top - hauteur) / 3;
    return {gauche, haut, gauche + largeur, haut + hauteur};
}
