// The emulated host application: one plug-in, the services it calls, and the user's
// actions on it. One Host exists at a time; the suites find it through Host::Current().
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/common/file_lock.h"
#include "emulator/core/action_outcome.h"
#include "emulator/core/block_allocator.h"
#include "emulator/core/event_loop.h"
#include "emulator/core/handle_table.h"
#include "emulator/core/modals.h"
#include "emulator/core/plugin_connection.h"
#include "emulator/core/suite_registry.h"
#include "emulator/core/trace.h"
#include "emulator/models/annotations/annotation_layer.h"
#include "emulator/models/dialogs/dialog_manager.h"
#include "emulator/models/dialogs/icon.h"
#include "emulator/models/document/document.h"
#include "emulator/models/menus.h"
#include "emulator/models/notifiers.h"
#include "emulator/models/preferences/preference_store.h"
#include "emulator/models/resources/cursor_resource.h"
#include "emulator/models/tools/keyboard.h"
#include "emulator/models/tools/toolbox.h"
#include "host/ai_art.h"

namespace emulator {

class Host {
  public:
    explicit Host(const std::string& pluginPath);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host the suites serve, or null.
    static Host* Current();

    // Loads the plug-in's code. False with one line in ERROR when it cannot.
    bool LoadPlugin(std::string& error);

    // What the user and the application do to the plug-in. Each throws std::runtime_error
    // when the plug-in is not in a state where the host would do it.
    void Start();   // start-up, then the application-started notification if it succeeded
    void Quit();    // shut-down
    void Unload();  // unload message, then the code is dropped
    void Reload();  // the code is loaded again, then the reload message
    void About();
    HostErr Call(const std::string& caller, const std::string& selector);
    // The user chooses ITEM: its owner receives "AI Menu"/"AI Go". Nothing happens for a
    // disabled item, one that opens a submenu or one that no plug-in of ours owns.
    ActionOutcome ChooseMenuItem(const MenuItem& item);
    // The user clicks TOOL's button: the current tool receives "AI Tool"/"AI Deselect" and
    // TOOL "AI Tool"/"AI Select", each only when the plug-in owns it. Nothing happens when
    // TOOL is already current.
    ActionOutcome SelectTool(Tool& tool);
    // "AI Tool"/SELECTOR to the current tool, with POINTER (artwork points) and the held
    // keys. Nothing happens when the current tool is not the plug-in's.
    ActionOutcome SendToCurrentTool(const char* selector, HostRealPoint pointer);
    // The user changed art with the host's own tools: every notifier added for "AI Art
    // Selection Changed Notifier" receives "AI Notifier"/"AI Notify", while the plug-in is
    // started and its code loaded.
    void NotifyArtChanged();
    // The input is over: a started plug-in is shut down as when the host quits.
    void Finish();
    // Redraws the annotation layer of the first view: each active annotator receives "AI
    // Annotation"/"AI Draw" while the plug-in is started. Done when idle after each event.
    void RedrawAnnotations();

    // Takes the file PATH for this host until it ends (another host waits for it up to
    // kPreferenceFileWait, then gives up: std::runtime_error), then reads the preferences
    // from it (PreferenceStore::Load); the host's own keys the file lacks take their
    // defaults. Answers the line to tell the user, if any.
    std::optional<std::string> LoadPreferences(const std::string& path);
    static constexpr std::chrono::milliseconds kPreferenceFileWait{10000};

    bool Started() const { return started_; }
    // The code was dropped by an unload (the host loads it before anything plays).
    bool Unloaded() const { return !plugin.Loaded(); }

    // The plug-in asks for an alert: it stays on screen until answered.
    void ShowAlert(const std::string& utf8Text);
    // Answers the alert on top of the screen; throws when there is none.
    void AnswerAlert();
    const std::vector<std::string>& AlertsShown() const { return alertsShown_; }

    // Something the plug-in did that a real host would not accept.
    void Misuse(const std::string& what);
    const std::vector<std::string>& Errors() const { return errors_; }

    SPBasicSuite* BasicSuite();

    Trace trace;
    BlockAllocator blocks;
    SuiteRegistry suites;
    EventLoop loop;
    Modals modals{loop};
    Notifiers notifiers;
    Menus menus;
    PluginConnection plugin;
    Document document;
    HandleTable<HostUnicodeStringRef, std::string> strings;  // UTF-8
    std::optional<int32_t> cursor;                           // the cursor resource last set
    std::optional<CursorImage> cursorImage;  // its image, when the plug-in has that resource
    PreferenceStore preferences;
    DialogManager dialogs{*this};
    HandleTable<HostIconRef, Icon> icons;
    HandleTable<HostHitRef, HostToolHitData> hits;  // hit tests not yet released
    int64_t appContextDepth = 0;
    std::vector<std::string> pagesOpened;  // by the web browser, UTF-8
    Toolbox toolbox;
    Keyboard keyboard;
    bool mouseButtonDown = false;                // between a mouse down and its mouse up
    std::optional<HostRealPoint> mousePosition;  // where the mouse was last, artwork points
    HandleTable<HostAnnotatorHandle, Annotator> annotators;  // in the order they were added
    AnnotationLayer annotations;
    std::vector<BeepSound> beeps;
    int64_t redrawsRequested = 0;  // the plug-in asked for the document to be drawn again
    // The drivers' actions begun or ended since a watch last looked, by name ("click",
    // "panel type"), so that it can tell who changed what. The oldest go beyond kActionsKept.
    std::deque<std::string> actionsBegun;
    static constexpr size_t kActionsKept = 64;

  private:
    void RequireLoadedCode() const;
    void RequireNoCallUnderWay() const;
    HostErr SendToolMessage(const Tool& tool, const char* selector, HostRealPoint pointer);
    // The tools, menu items, notifiers and annotators the plug-in added.
    void ForgetPluginAdditions();
    // "AI Annotation"/"AI Draw" to ANNOTATOR with a drawer lent for the message.
    void SendDrawMessage(const Annotator& annotator);
    // "AI Notifier"/"AI Notify" to every notifier of TYPE, in the order they were added.
    void Notify(const char* type);

    bool started_ = false;
    bool quitOnce_ = false;
    std::optional<FileLock> preferenceFileOwned_;
    std::vector<std::string> alertsShown_;
    std::vector<std::string> errors_;
};

}  // namespace emulator
