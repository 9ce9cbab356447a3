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

    // Answers the next alert after running CHECK while it is on screen.
    void AnswerNextAlert(std::function<void()> check = {});

    emulator::Host host{ORTAQ_PLUGIN_PATH};
    Globals globals{};
    AIToolMessage message{};
};
