#include "geometry/formes.h"

#include "plugin/hote/suites.h"
#include "settings/globals.h"

Forme FormeCourante() {
    if (gGlobals->FormeCarre) return Forme::Carre;
    if (gGlobals->FormeRectangle) return Forme::Rectangle;
    if (gGlobals->FormeLosange) return Forme::Losange;
    if (gGlobals->FormeParallelogramme) return Forme::Parallelogramme;
    return Forme::Quelconque;
}

const char* NomDeForme(Forme forme) {
    switch (forme) {
        case Forme::Carre:
            return "Carré";
        case Forme::Rectangle:
            return "Rectangle";
        case Forme::Losange:
            return "Losange";
        case Forme::Parallelogramme:
            return "Parallélogramme";
        case Forme::Quelconque:
            break;
    }
    return "Quadrilatère";
}

HostErr NommerGroupe(bool verifier) {
    if (!SuitesPresentes(sAIArt())) return kHostErrSuiteNotFound;
    char nom[256];
    HostErr lecture = sAIArt()->GetArtName(gGlobals->GroupeCourant, nom, sizeof nom);
    if (verifier && lecture != kHostNoError) return lecture;
    return sAIArt()->SetArtName(gGlobals->GroupeCourant, NomDeForme(FormeCourante()));
}
