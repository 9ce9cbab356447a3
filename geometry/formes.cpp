#include "geometry/formes.h"

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
