// The host suites, acquired by name and version from one table at the start of each
// outermost host call and released at its end.
#pragma once

#include <cstdint>

#include "host/adm.h"
#include "host/ai_annotator.h"
#include "host/ai_application.h"
#include "host/ai_art.h"
#include "host/ai_document.h"
#include "host/basic.h"
#include "host/sp_suites.h"

// Refreshed from the header of every message.
extern SPBasicSuite* sSPBasic;
// This plug-in, as the host knows it; refreshed with the basic suite. Procedures that the
// dialog manager calls directly need it to add items, icons and menus.
extern HostPluginRef sPlugin;

// The slots of the suites whose functions the plug-in calls; null while not held.
namespace suite_slots {
extern const void* admBasic;
extern const void* admDialog;
extern const void* admDialogGroup;
extern const void* admDrawer;
extern const void* admEntry;
extern const void* admIcon1;
extern const void* admIcon2;
extern const void* admItem;
extern const void* admList;
extern const void* admNotifier;
extern const void* admTracker;
extern const void* aiAnnotator;
extern const void* aiAnnotatorDrawer;
extern const void* aiArt;
extern const void* aiContext;
extern const void* aiDocument;
extern const void* aiDocumentView;
extern const void* aiHitTest;
extern const void* aiLayer;
extern const void* aiMenu;
extern const void* aiNotifier;
extern const void* aiPath;
extern const void* aiPreference;
extern const void* aiRealMath;
extern const void* aiTag;
extern const void* aiTool;
extern const void* aiTransformArt;
extern const void* aiUnicodeString;
extern const void* aiUrl;
extern const void* spAccess;
}  // namespace suite_slots

template <typename Suite>
const Suite* Table(const void* slot) {
    return static_cast<const Suite*>(slot);
}

inline const ADMBasicSuite11* sADMBasic() {
    return Table<ADMBasicSuite11>(suite_slots::admBasic);
}
inline const ADMDialogSuite10* sADMDialog() {
    return Table<ADMDialogSuite10>(suite_slots::admDialog);
}
inline const ADMDialogGroupSuite1* sADMDialogGroup() {
    return Table<ADMDialogGroupSuite1>(suite_slots::admDialogGroup);
}
inline const ADMDrawerSuite7* sADMDrawer() {
    return Table<ADMDrawerSuite7>(suite_slots::admDrawer);
}
inline const ADMEntrySuite2* sADMEntry() {
    return Table<ADMEntrySuite2>(suite_slots::admEntry);
}
inline const ADMIconSuite1* sADMIcon1() {
    return Table<ADMIconSuite1>(suite_slots::admIcon1);
}
inline const ADMIconSuite2* sADMIcon2() {
    return Table<ADMIconSuite2>(suite_slots::admIcon2);
}
inline const ADMItemSuite7* sADMItem() {
    return Table<ADMItemSuite7>(suite_slots::admItem);
}
inline const ADMListSuite1* sADMList() {
    return Table<ADMListSuite1>(suite_slots::admList);
}
inline const ADMNotifierSuite2* sADMNotifier() {
    return Table<ADMNotifierSuite2>(suite_slots::admNotifier);
}
inline const ADMTrackerSuite2* sADMTracker() {
    return Table<ADMTrackerSuite2>(suite_slots::admTracker);
}
inline const AIAnnotatorSuite4* sAIAnnotator() {
    return Table<AIAnnotatorSuite4>(suite_slots::aiAnnotator);
}
inline const AIAnnotatorDrawerSuite1* sAIAnnotatorDrawer() {
    return Table<AIAnnotatorDrawerSuite1>(suite_slots::aiAnnotatorDrawer);
}
inline const AIArtSuite14* sAIArt() {
    return Table<AIArtSuite14>(suite_slots::aiArt);
}
inline const AIContextSuite4* sAIContext() {
    return Table<AIContextSuite4>(suite_slots::aiContext);
}
inline const AIDocumentSuite11* sAIDocument() {
    return Table<AIDocumentSuite11>(suite_slots::aiDocument);
}
inline const AIDocumentViewSuite10* sAIDocumentView() {
    return Table<AIDocumentViewSuite10>(suite_slots::aiDocumentView);
}
inline const AIHitTestSuite3* sAIHitTest() {
    return Table<AIHitTestSuite3>(suite_slots::aiHitTest);
}
inline const AILayerSuite11* sAILayer() {
    return Table<AILayerSuite11>(suite_slots::aiLayer);
}
inline const AIMenuSuite9* sAIMenu() {
    return Table<AIMenuSuite9>(suite_slots::aiMenu);
}
inline const AINotifierSuite2* sAINotifier() {
    return Table<AINotifierSuite2>(suite_slots::aiNotifier);
}
inline const AIPathSuite8* sAIPath() {
    return Table<AIPathSuite8>(suite_slots::aiPath);
}
inline const AIPreferenceSuite4* sAIPreference() {
    return Table<AIPreferenceSuite4>(suite_slots::aiPreference);
}
inline const AIRealMathSuite1* sAIRealMath() {
    return Table<AIRealMathSuite1>(suite_slots::aiRealMath);
}
inline const AITagSuite2* sAITag() {
    return Table<AITagSuite2>(suite_slots::aiTag);
}
inline const AIToolSuite10* sAITool() {
    return Table<AIToolSuite10>(suite_slots::aiTool);
}
inline const AITransformArtSuite1* sAITransformArt() {
    return Table<AITransformArtSuite1>(suite_slots::aiTransformArt);
}
inline const AIUnicodeStringSuite6* sAIUnicodeString() {
    return Table<AIUnicodeStringSuite6>(suite_slots::aiUnicodeString);
}
inline const AIURLSuite1* sAIURL() {
    return Table<AIURLSuite1>(suite_slots::aiUrl);
}
inline const SPAccessSuite3* sSPAccess() {
    return Table<SPAccessSuite3>(suite_slots::spAccess);
}

// True when every suite given is held. A handler checks the suites it needs before using
// them: a suite that came before the dialog manager's basic suite in the table may be
// missing without any alert, and the call goes on.
template <typename... Suite>
bool SuitesPresentes(const Suite*... suites) {
    return ((suites != nullptr) && ...);
}

// Acquires every suite of the table when no call is under way, then counts this call.
// Returns the last acquisition's result (0 when none was made). An error met once the
// dialog manager's basic suite is held is shown in an alert and stops the acquisition.
HostErr AcquerirSuites();

// Shows "Error: ERREUR, suite: NOM, version: VERSION!", the alert of a suite the plug-in
// cannot do without, when the dialog manager's basic suite is there to show it.
void AlerterSuiteManquante(HostErr erreur, const char* nom, int32_t version);

// Ends this call: the outermost one releases every suite it acquired.
void LibererSuites();

// Forgets every hold: after a reload no suite is held.
void OublierSuites();

// How many calls hold the suites: the nesting counter (the panel's own hold counts as one).
int16_t ImbricationSuites();

// Ends the holds taken since the counter stood at NIVEAU, the outermost one releasing the
// table: what a procedure that threw half-way leaves behind.
void RamenerSuites(int16_t niveau);

// One call's hold on the suites: acquired on construction, released on destruction, so
// that a handler that throws still gives them back.
class TenueSuites {
  public:
    TenueSuites() : resultat_(AcquerirSuites()) {}
    ~TenueSuites() { LibererSuites(); }
    TenueSuites(const TenueSuites&) = delete;
    TenueSuites& operator=(const TenueSuites&) = delete;

    // What the acquisition returned (AcquerirSuites).
    HostErr Resultat() const { return resultat_; }

  private:
    HostErr resultat_;
};
