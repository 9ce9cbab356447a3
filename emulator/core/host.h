// The emulated host application: one plug-in, the services it calls, and the user's
// actions on it. Its parts own their state: the document, the dialogs, the preferences,
// the menus, the toolbox, the user's input and the application's own. The suites serve the
// host whose plug-in is running (Host::Serving()), so that hosts can live side by side.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/common/file_lock.h"
#include "emulator/core/block_allocator.h"
#include "emulator/core/dialog_manager.h"
#include "emulator/core/event_loop.h"
#include "emulator/core/modals.h"
#include "emulator/core/plugin_connection.h"
#include "emulator/core/suite_registry.h"
#include "emulator/core/trace.h"
#include "emulator/models/action_journal.h"
#include "emulator/models/action_outcome.h"
#include "emulator/models/annotations/annotation_layer.h"
#include "emulator/models/application.h"
#include "emulator/models/dialogs/icon.h"
#include "emulator/models/document/document.h"
#include "emulator/models/document/edit_history.h"
#include "emulator/models/handle_table.h"
#include "emulator/models/menus.h"
#include "emulator/models/notifiers.h"
#include "emulator/models/preferences/preference_store.h"
#include "emulator/models/resources/cursor_resource.h"
#include "emulator/models/tools/selection_tool.h"
#include "emulator/models/tools/toolbox.h"
#include "emulator/models/tools/user_input.h"
#include "host/ai_art.h"

namespace emulator {

class Host {
  public:
    explicit Host(const std::string& pluginPath);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host whose plug-in's code is running on this thread (a message or one of its
    // procedures), found through the plug-in connection that called it. Outside the
    // plug-in's code (a thread of its own, or a test calling as the plug-in would), the
    // only host alive; null when there is none, or several.
    static Host* Serving();

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
    // keys. The host's selection tool handles the mouse itself (it selects and moves art);
    // with any other tool but the plug-in's, nothing happens.
    ActionOutcome SendToCurrentTool(const char* selector, HostRealPoint pointer);
    // The user presses KEY: Delete and Backspace delete the selection, Escape drops it,
    // whatever the tool in hand. Nothing happens when nothing is selected.
    ActionOutcome PressKey(CommandKey key);
    // The user changed art with the host's own tools: every notifier added for "AI Art
    // Selection Changed Notifier" receives "AI Notifier"/"AI Notify", while the plug-in is
    // started and its code loaded.
    void NotifyArtChanged();
    // The user's Undo and Redo. In the middle of a gesture (the button held, or a figure
    // begun), both first abandon it: the tool in hand is deselected and selected again, and
    // the document goes back to where the gesture began; an undo does no more. A changed
    // document is told to the plug-in as art changed with the host's own tools.
    ActionOutcome Undo();
    ActionOutcome Redo();
    // The document becomes DRAWING, a new start: a gesture under way is abandoned, the
    // history forgotten, and the plug-in told the art changed.
    void OpenDrawing(const emulator::Drawing& drawing);
    // The document was kept in a file as it is now.
    void DrawingSaved() { history_.MarkSaved(); }
    // The button is held, or what the current step made includes a guide or an empty group
    // still shown (a figure begun).
    bool GestureUnderWay() const;
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
    bool Unloaded() const { return !plugin_.Loaded(); }

    // The plug-in asks for an alert: it stays on screen until answered.
    void ShowAlert(const std::string& utf8Text);
    // Answers the alert on top of the screen; throws when there is none.
    void AnswerAlert();
    const std::vector<std::string>& AlertsShown() const { return alertsShown_; }

    // Something the plug-in did that a real host would not accept.
    void Misuse(const std::string& what);
    const std::vector<std::string>& Errors() const { return errors_; }

    SPBasicSuite* BasicSuite();

    // The parts. Each changes only through its own methods; what only reads takes the host
    // as const.
    Document& Drawing() { return document_; }
    const Document& Drawing() const { return document_; }
    DialogManager& Dialogs() { return dialogs_; }
    const DialogManager& Dialogs() const { return dialogs_; }
    PreferenceStore& Preferences() { return preferences_; }
    const PreferenceStore& Preferences() const { return preferences_; }
    Menus& MenuBar() { return menus_; }
    const Menus& MenuBar() const { return menus_; }
    Toolbox& Tools() { return toolbox_; }
    const Toolbox& Tools() const { return toolbox_; }
    UserInput& Input() { return input_; }
    const UserInput& Input() const { return input_; }
    Application& App() { return application_; }
    const Application& App() const { return application_; }
    AnnotationLayer& Annotations() { return annotations_; }
    const AnnotationLayer& Annotations() const { return annotations_; }
    EditHistory& History() { return history_; }
    const EditHistory& History() const { return history_; }
    ActionJournal& Journal() { return journal_; }
    const ActionJournal& Journal() const { return journal_; }

    // The handles the plug-in holds for the host's other objects.
    HandleTable<HostUnicodeStringRef, std::string>& Strings() { return strings_; }  // UTF-8
    HandleTable<HostIconRef, Icon>& Icons() { return icons_; }
    HandleTable<HostHitRef, HostToolHitData>& Hits() { return hits_; }  // not yet released
    // In the order they were added.
    HandleTable<HostAnnotatorHandle, Annotator>& Annotators() { return annotators_; }
    const HandleTable<HostAnnotatorHandle, Annotator>& Annotators() const { return annotators_; }
    Notifiers& NotifierList() { return notifiers_; }

    // The machinery between the host and the plug-in.
    PluginConnection& Plugin() { return plugin_; }
    const PluginConnection& Plugin() const { return plugin_; }
    EventLoop& Loop() { return loop_; }
    Modals& ModalWindows() { return modals_; }
    const Modals& ModalWindows() const { return modals_; }
    Trace& TraceLog() { return trace_; }
    BlockAllocator& Blocks() { return blocks_; }
    const BlockAllocator& Blocks() const { return blocks_; }
    SuiteRegistry& Suites() { return suites_; }
    const SuiteRegistry& Suites() const { return suites_; }

  private:
    void RequireLoadedCode() const;
    void RequireNoCallUnderWay() const;
    HostErr SendToolMessage(const Tool& tool, const char* selector, HostRealPoint pointer);
    // The mouse's SELECTOR with the host's selection tool in hand.
    ActionOutcome UseSelectionTool(const char* selector, HostRealPoint pointer);
    // The tools, menu items, notifiers and annotators the plug-in added.
    void ForgetPluginAdditions();
    void AbandonGesture();
    // "AI Annotation"/"AI Draw" to ANNOTATOR with a drawer lent for the message.
    void SendDrawMessage(const Annotator& annotator);
    // "AI Notifier"/"AI Notify" to every notifier of TYPE, in the order they were added.
    void Notify(const char* type);

    // Declared in the order they are made: the connection needs the trace and the
    // registry, the modal windows the loop, the dialogs the host.
    Trace trace_;
    BlockAllocator blocks_;
    SuiteRegistry suites_;
    EventLoop loop_;
    Modals modals_{loop_};
    Notifiers notifiers_;
    Menus menus_;
    PluginConnection plugin_;
    Document document_;
    EditHistory history_{document_};
    HandleTable<HostUnicodeStringRef, std::string> strings_;
    PreferenceStore preferences_;
    DialogManager dialogs_{*this};
    HandleTable<HostIconRef, Icon> icons_;
    HandleTable<HostHitRef, HostToolHitData> hits_;
    Toolbox toolbox_;
    SelectionTool selectionTool_;
    UserInput input_;
    Application application_;
    HandleTable<HostAnnotatorHandle, Annotator> annotators_;
    AnnotationLayer annotations_;
    ActionJournal journal_;

    bool started_ = false;
    bool quitOnce_ = false;
    std::optional<FileLock> preferenceFileOwned_;
    std::vector<std::string> alertsShown_;
    std::vector<std::string> errors_;
};

}  // namespace emulator
