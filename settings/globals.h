// The plug-in's one state record. Every handler and panel procedure reaches it through
// gGlobals; it lives in a block of the host's allocator from start-up to shut-down.
#pragma once

#include <cstdint>

#include "host/types.h"

struct Globals {
    HostBool32 MontreAnnoTemp;
    HostBool32 MontreAnno;
    HostBool32 GroupePret;
    HostBool32 Constructible;
    HostToolHandle Outil;
    HostNotifierHandle NotifDemarrage;
    HostBool32 PrefsOuvert;
    HostRect RectPrefs;
    HostAnnotatorHandle Annotateur;
    HostDialogRef Panneau;
    HostBool32 PanneauVisible;
    HostBool32 AlerteOuverte;
    HostArtHandle GroupeCourant;
    HostArtHandle TraceGuide;
    int16_t NbClics;
    HostPathSegment Sommets[4];
    HostBool32 FormeQuelconque;
    HostBool32 FormeCarre;
    HostBool32 FormeRectangle;
    HostBool32 FormeLosange;
    HostBool32 FormeParallelogramme;
    HostBool32 Diagonale1Active;
    HostArtHandle TraceCourant;
    float Cote1;
    float Cote2;
    float Cote3;
    float Cote4;
    float Diagonale1;
    float Diagonale2;
    HostBool32 TraceCree;
    float Inclinaison;
    HostBool32 SommetSurvole;
    float EchelleNumCourante;
    float EchelleDenCourante;
    float EchelleNum;
    float EchelleDen;
    float EchelleNumPersoReal;
    float EchelleDenPersoReal;
    float FacteurEchelle;
    HostBool32 EchellePersoOuvert;
    HostRect RectEchellePerso;
    HostBool32 OutilsGroupe;
    HostBool32 OutilsGroupeTemp;
    HostRealPoint PointSommet;
    int16_t NumSommet;
    float ToleranceAngleDroit;
    int32_t Unite;
    char Aire[40];
    float AireAffichee;
    float AirePoints;
    HostBool32 CalqueTemp;
    HostBool32 Calque;
    int16_t PageAide;
    int16_t NbPagesAide;
    HostMenuItemHandle MenuAPropos;
    HostMenuItemHandle MenuPanneau;
    HostBool32 SonTemp;
    HostBool32 Son;
    HostBool32 DeplaceSommet;
    // Whether the tool is selected: the panel's fields can be edited only then.
    HostBool32 OutilActif;
};

// Null before start-up and after shut-down; while the plug-in is unloaded the host keeps
// the address in the message's globals slot.
extern Globals* gGlobals;
