#include "tests/support/plugin_in_process.h"

#include "annotations/annotateur.h"
#include "emulator/output/state.h"
#include "geometry/quadrilatere.h"
#include "panel/panneau.h"
#include "plugin/hote/garde.h"
#include "plugin/hote/suites.h"
#include "resources/ressources.h"
#include "tool/creation.h"

PluginInProcess::PluginInProcess() {
    // Nothing more will be posted but what a test posts itself: an alert that no test
    // answers is closed at once (and recorded) instead of waiting for ever.
    host.Loop().Close();
    gGlobals = &globals;
    sSPBasic = host.BasicSuite();
    sPlugin = host.Plugin().Ref();
    globals.FacteurEchelle = 1;
    globals.Constructible = 1;
    message.d.self = host.Plugin().Ref();
    message.d.basic = host.BasicSuite();
    EXPECT_EQ(AcquerirSuites(), kHostNoError);
}

PluginInProcess::~PluginInProcess() {
    LibererSuites();
    gGlobals = nullptr;
}

void PluginInProcess::PlaceVertices(HostRealPoint v1, HostRealPoint v2, HostRealPoint v3,
                                    HostRealPoint v4) {
    HostRealPoint points[4] = {v1, v2, v3, v4};
    for (int i = 0; i < 4; ++i) PlacerSommet(globals.Sommets[i], points[i]);
}

void PluginInProcess::Click(HostRealPoint point) {
    message.cursor = point;
    EXPECT_EQ(SuiviCurseur(&message), kHostNoError);
    EXPECT_EQ(SourisEnfoncee(&message), kHostNoError);
    EXPECT_EQ(SourisRelachee(&message), kHostNoError);
}

emulator::Json PluginInProcess::Document() const {
    return emulator::HostState(host).at("document");
}

void PluginInProcess::AnswerNextAlert(std::function<void()> check) {
    host.Loop().Post({0, [this, check] {
                          if (check) check();
                          host.AnswerAlert();
                      }});
}

PluginWithPanel::PluginWithPanel() {
    std::string error;
    EXPECT_TRUE(host.LoadPlugin(error)) << error;  // the panel's resources
    globals.EchelleNum = globals.EchelleDen = 1;
    // As at start-up: the tool's selection turns the annotator on and off.
    EXPECT_EQ(AjouterAnnotateur(message.d), kHostNoError);
    panel_ = sADMDialog()->Create(sPlugin, "KVTOrtaq", ORTAQ_DIALOGUE_PANNEAU,
                                  kADMTabbedFloatingDialogStyle,
                                  Procedure<InitialisationPanneau, kHostErrInternal>, nullptr, 1);
}

PluginWithPanel::~PluginWithPanel() {
    sADMDialog()->Destroy(panel_);
    LibererSuites();  // the hold the panel's initialisation took
}

float PluginWithPanel::Field(int32_t id) const {
    return host.Dialogs().FindDialog(panel_)->Find(id)->value;
}
