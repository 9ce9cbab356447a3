// A page's session with the host. Each request of the page is a scenario action line,
// compiled through the same action table as a scenario and played as an event on the
// host's user-interface queue; what the page shows next is read there too, since the host
// answers only on that thread. The HTTP server's threads call in and wait for the answer.
#pragma once

#include <atomic>
#include <functional>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "emulator/common/json.h"
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/notices.h"
#include "emulator/output/state.h"

namespace emulator {

constexpr const char* kJsonType = "application/json; charset=utf-8";

// An answer to the page: an HTTP status and its body.
struct WebReply {
    int status = 200;
    std::string body;
    // The screen goes out as it is: compressing it (the server would for a browser that
    // accepts it, as any browser does) costs more time than it saves on this machine's own
    // connection, and the server leaves a JSON type with a charset alone.
    std::string contentType = kJsonType;
};

// What the recorded scenario is named in notices.
constexpr const char* kRecordingName = "page";

class WebSession {
  public:
    // The drawings the page uploads are kept in the folder DRAWINGS, so that the scenario
    // the page saves opens them again.
    WebSession(Host& host, std::string drawings) : host_(host), drawings_(std::move(drawings)) {}

    // Each of these is safe from any thread but the user-interface thread, which must be
    // running the host's loop. They answer 503 once the host is quitting.

    // Plays LINE as the user's action, then answers the screen (Screen's JSON, with the
    // notices the action gave and, if it could not be carried out, "error"). 400 with the
    // reason for a line that is not one well-formed action; 409 for an action the host
    // cannot carry out as things stand (the run goes on).
    WebReply Act(const std::string& line);
    // What the user sees now: the state (without the message log, which only grows), the
    // view's picture without the cursor, the pictures of the dialogs on screen and the
    // modal window on top.
    WebReply Screen();
    // The host's whole state with the snapshots, as `ortaq-host play --json` writes it.
    WebReply State();
    // Keeps TEXT, a drawing file the page uploaded, in the drawings' folder and plays
    // `open FILE` on it as Act does. 400 with the reason for a file that is no drawing, which
    // is neither kept nor played.
    WebReply OpenDrawing(const std::string& text);
    // The document as a drawing file (SVG).
    WebReply DrawingFile();
    // Every action line played since the host started, as a scenario file.
    WebReply Scenario();
    // The plug-in's cursor NUMBER as an SVG picture, or its group icon NUMBER as a .ico
    // file; 404 when it has none.
    WebReply CursorPicture(int number);
    WebReply IconPicture(int number);
    // Nothing more is played: the host's loop runs dry and the host quits.
    void Quit();

    // On the user-interface thread, once the loop is over: the state to keep.
    Json FinalState() const { return emulator::FinalState(host_, snapshots_); }

  private:
    class LineContext;
    struct Played;

    // Posts RUN and then READ (which paints nothing) together, and waits for READ's answer.
    // RUN may be empty.
    WebReply Post(std::function<void()> run, std::function<WebReply()> read);
    // Reads on the user-interface thread.
    Json ScreenJson() const;

    Host& host_;
    std::string drawings_;
    std::atomic<int> uploads_ = 0;
    std::mutex mutex_;
    bool quitting_ = false;  // under mutex_
    // The user-interface thread's own.
    std::vector<std::string> recorded_;
    Snapshots snapshots_;
    Notices notices_{std::cerr};
};

}  // namespace emulator
