// Runs the plug-in's own functions in this process against the emulator's suites, set up
// through the plug-in's suite table as a host message would.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "emulator/common/json.h"
#include "emulator/core/host.h"
#include "host/messages.h"
#include "settings/globals.h"

class PluginInProcess : public ::testing::Test {
  protected:
    PluginInProcess();
    ~PluginInProcess() override;

    // Places the four anchors of Sommets, handles on the anchors.
    void PlaceVertices(HostRealPoint v1, HostRealPoint v2, HostRealPoint v3, HostRealPoint v4);

    // The document as the JSON state shows it.
    emulator::Json Document() const;
    // The layer at INDEX of the document state.
    emulator::Json LayerState(size_t index) const { return Document().at("layers").at(index); }

    // A click of the tool as the host sends it: the cursor comes to POINT, the button goes
    // down and up there.
    void Click(HostRealPoint point);

    // Answers the next alert after running CHECK while it is on screen.
    void AnswerNextAlert(std::function<void()> check = {});

    emulator::Host host{ORTAQ_PLUGIN_PATH};
    Globals globals{};
    AIToolMessage message{};
};

// The same with the plug-in's panel on screen, made from the library's resources as the
// host's start makes it.
class PluginWithPanel : public PluginInProcess {
  protected:
    PluginWithPanel();
    ~PluginWithPanel() override;

    // The value of the panel's item ID.
    float Field(int32_t id) const;

    HostDialogRef panel_ = nullptr;
};
