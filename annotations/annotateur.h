// The annotator: measurement feedback drawn over the artwork while the tool is selected.
// Every draw cycle recomputes everything from the state record.
#pragma once

#include "host/messages.h"

// Adds the annotator "KVTAnno" for the plug-in MESSAGE is from, inactive until the tool
// is selected. Returns the result of making it inactive.
HostErr AjouterAnnotateur(const SPMessageData& message);

// Makes the annotator active (drawn) or not; returns the host's answer.
HostErr ActiverAnnotateur(bool actif);

// "AI Draw": the ring, lines, labels and right-angle marks of the tool's state, when
// annotations are on. Returns the result of the last colour read.
HostErr DessinerAnnotations(AIAnnotatorMessage* message);
