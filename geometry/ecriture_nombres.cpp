#include "geometry/ecriture_nombres.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kIlisible = "####";

// DECIMAL (digits, an optional point and more digits) rounded half up at the second
// decimal, with a decimal comma.
std::string ArrondirDecimal(std::string decimal) {
    size_t point = decimal.find('.');
    if (point == std::string::npos) return decimal + ",00";
    std::string entier = decimal.substr(0, point);
    std::string fraction = decimal.substr(point + 1) + "000";
    std::string chiffres = entier + fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        // Carry from the last kept digit to the left: 9,995 becomes 10,00.
        size_t i = chiffres.size();
        while (i > 0 && chiffres[i - 1] == '9') chiffres[--i] = '0';
        if (i == 0)
            chiffres.insert(chiffres.begin(), '1');
        else
            ++chiffres[i - 1];
    }
    return chiffres.substr(0, chiffres.size() - 2) + "," + chiffres.substr(chiffres.size() - 2);
}

// The shortest decimal that reads back as VALEUR, in fixed notation.
template <typename Reel>
std::string Decimal(Reel valeur) {
    char tampon[400];
    auto [fin, erreur] =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed);
    if (erreur != std::errc()) return "";
    return std::string(tampon, fin);
}

template <typename Reel>
void Ecrire(Reel valeur, char* texte, size_t taille) {
    if (taille == 0) return;
    std::string ecrit;
    if (valeur >= 0 && std::isfinite(valeur)) ecrit = ArrondirDecimal(Decimal(valeur));
    if (ecrit.empty() || ecrit.size() >= taille) ecrit = kIlisible;
    std::snprintf(texte, taille, "%s", ecrit.c_str());
}

}  // namespace

void EcrireDeuxDecimales(double valeur, char* texte, size_t taille) {
    Ecrire(valeur, texte, taille);
}

void EcrireDeuxDecimales(float valeur, char* texte, size_t taille) {
    Ecrire(valeur, texte, taille);
}

void VirguleDecimale(char* texte) {
    if (char* point = std::strchr(texte, '.')) *point = ',';
}
