#include "emulator/host/scenario/player.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>
#include <sstream>

#include "emulator/host/state.h"
#include "emulator/host/text_encoding.h"
#include "host/ai_art.h"

namespace host {
namespace {

// The arguments of one action, checked as they are read.
class Arguments {
  public:
    Arguments(const std::vector<Word>& words) : words_(words) {}

    const std::string& Verb() const { return words_[0].text; }

    void ExpectCount(size_t count, const char* usage) const {
        if (words_.size() != count + 1) throw SyntaxError(std::string("usage: ") + usage);
    }
    const std::string& Text(size_t index) const { return words_.at(index + 1).text; }

    // A word passed to the plug-in, which reads Windows-1252.
    std::string HostText(size_t index) const {
        auto encoded = Utf8ToCp1252(Text(index));
        if (!encoded)
            throw SyntaxError("\"" + Text(index) + "\" has a character Windows-1252 lacks");
        return *encoded;
    }
    // A word the plug-in may read back: kept as UTF-8, once it is known to have no
    // character Windows-1252 lacks.
    const std::string& HostReadableText(size_t index) const {
        HostText(index);
        return Text(index);
    }

    int32_t Integer(size_t index) const {
        const std::string& word = Text(index);
        int32_t value = 0;
        auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc() || end != word.data() + word.size())
            throw SyntaxError("\"" + word + "\" is not a whole number");
        return value;
    }

    double Real(size_t index) const {
        const std::string& word = Text(index);
        double value = 0;
        auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
            throw SyntaxError("\"" + word + "\" is not a finite number");
        return value;
    }

    bool TruthValue(size_t index) const {
        if (Text(index) == "true") return true;
        if (Text(index) == "false") return false;
        throw SyntaxError("\"" + Text(index) + "\" is not true or false");
    }

    // The word after INDEX, read as the preference type the word at INDEX names.
    PreferenceValue Preference(size_t index) const {
        const std::string& type = Text(index);
        if (type == "bool") return TruthValue(index + 1);
        if (type == "int") return Integer(index + 1);
        if (type == "real") return Real(index + 1);
        if (type == "string") return HostReadableText(index + 1);
        throw SyntaxError("\"" + type + "\" is not bool, int, real or string");
    }

  private:
    const std::vector<Word>& words_;
};

}  // namespace

Player::Step Player::Compile(const std::vector<Word>& words, int line) {
    Arguments args(words);
    const std::string& verb = args.Verb();
    if (verb == "start") {
        args.ExpectCount(0, "start");
        return [this] { host_.Start(); };
    }
    if (verb == "quit") {
        args.ExpectCount(0, "quit");
        return [this] { host_.Quit(); };
    }
    if (verb == "unload") {
        args.ExpectCount(0, "unload");
        return [this] { host_.Unload(); };
    }
    if (verb == "reload") {
        args.ExpectCount(0, "reload");
        return [this] { host_.Reload(); };
    }
    if (verb == "about") {
        args.ExpectCount(0, "about");
        return [this] { host_.About(); };
    }
    if (verb == "call") {
        args.ExpectCount(2, "call CALLER SELECTOR");
        return [this, caller = args.HostText(0), selector = args.HostText(1)] {
            host_.Call(caller, selector);
        };
    }
    if (verb == "snapshot") {
        args.ExpectCount(1, "snapshot NAME");
        return [this, name = args.Text(0)] { snapshots_.emplace_back(name, HostState(host_)); };
    }
    if (verb == "alert") {
        args.ExpectCount(1, "alert ok");
        if (args.Text(0) != "ok") throw SyntaxError("usage: alert ok");
        return [this] { host_.AnswerAlert(); };
    }
    if (verb == "without-suite") {
        args.ExpectCount(2, "without-suite \"NAME\" VERSION");
        return [this, name = args.Text(0), version = args.Integer(1)] {
            if (host_.Started() || !host_.plugin.Calls().empty())
                throw std::runtime_error("without-suite must come before start");
            if (!host_.suites.LeaveOut(name, version))
                throw std::runtime_error("the host serves no suite \"" + name + "\" version " +
                                         std::to_string(version));
        };
    }
    if (verb == "layer") return CompileLayer(words);
    if (verb == "panel" || verb == "dialog") return CompileDialogAction(words, line);
    if (verb == "layer-lock" || verb == "layer-unlock" || verb == "layer-current") {
        args.ExpectCount(1, (verb + " \"TITLE\"").c_str());
        return [this, verb, title = args.Text(0)] {
            Layer* layer = host_.document.LayerTitled(title);
            if (layer == nullptr) throw std::runtime_error("no layer is titled \"" + title + "\"");
            if (verb == "layer-current")
                host_.document.SetCurrent(layer);
            else
                layer->locked = verb == "layer-lock";
        };
    }
    if (verb == "pref") {
        args.ExpectCount(4, "pref PREFIX KEY bool|int|real|string VALUE");
        // "-" names the host's own keys.
        std::string prefix = args.Text(0) == "-" ? std::string() : args.HostReadableText(0);
        return [this, prefix, key = args.HostReadableText(1), value = args.Preference(2)] {
            host_.preferences.Put(prefix, key, value);
        };
    }
    if (verb == "menu-group") return CompileMenuGroup(words);
    if (verb == "menu") return CompileMenuChoice(words, line);
    throw SyntaxError("unknown action \"" + verb + "\"");
}

namespace {

// The dialog a "panel" or "dialog" action acts on.
Dialog& DialogFor(Host& host, bool panel) {
    Dialog* dialog = panel ? host.dialogs.Panel() : host.dialogs.ModalOnScreen();
    if (dialog == nullptr)
        throw std::runtime_error(panel ? "there is no panel" : "no dialog is on screen");
    return *dialog;
}

constexpr const char* kPanelUsage =
    "usage: panel click N | type N TEXT | choose N INDEX | slide N VALUE | press N [shift] | "
    "menu INDEX";
constexpr const char* kDialogUsage = "usage: dialog click N | type N TEXT | check N on|off";

}  // namespace

Player::Step Player::CompileDialogAction(const std::vector<Word>& words, int line) {
    Arguments args(words);
    bool panel = args.Verb() == "panel";
    const char* usage = panel ? kPanelUsage : kDialogUsage;
    if (words.size() < 3) throw SyntaxError(usage);
    const std::string action = args.Text(0);
    using Act = std::function<std::string(DialogManager&, Dialog&)>;
    Act act;
    size_t count = words.size() - 1;
    if (action == "click" && count == 2) {
        act = [id = args.Integer(1)](DialogManager& m, Dialog& d) { return m.Click(d, id); };
    } else if (action == "type" && count == 3) {
        act = [id = args.Integer(1), text = args.Text(2)](DialogManager& m, Dialog& d) {
            return m.Type(d, id, text);
        };
    } else if (panel && action == "choose" && count == 3) {
        act = [id = args.Integer(1), index = args.Integer(2)](DialogManager& m, Dialog& d) {
            return m.Choose(d, id, index);
        };
    } else if (panel && action == "slide" && count == 3) {
        act = [id = args.Integer(1), value = args.Real(2)](DialogManager& m, Dialog& d) {
            return m.Slide(d, id, static_cast<float>(value));
        };
    } else if (panel && action == "press" &&
               (count == 2 || (count == 3 && args.Text(2) == "shift"))) {
        act = [id = args.Integer(1), shift = count == 3](DialogManager& m, Dialog& d) {
            return m.Press(d, id, shift);
        };
    } else if (panel && action == "menu" && count == 2) {
        act = [index = args.Integer(1)](DialogManager& m, Dialog& d) {
            return m.ChooseMenu(d, index);
        };
    } else if (!panel && action == "check" && count == 3 &&
               (args.Text(2) == "on" || args.Text(2) == "off")) {
        act = [id = args.Integer(1), on = args.Text(2) == "on"](DialogManager& m, Dialog& d) {
            return m.Check(d, id, on);
        };
    } else {
        throw SyntaxError(usage);
    }
    return [this, panel, act, line] {
        std::string why = act(host_.dialogs, DialogFor(host_, panel));
        if (!why.empty()) Notice(line, why);
    };
}

Player::Step Player::CompileLayer(const std::vector<Word>& words) {
    Arguments args(words);
    constexpr const char* kUsage = "usage: layer \"TITLE\" [locked] [current]";
    if (words.size() < 2 || words.size() > 4) throw SyntaxError(kUsage);
    bool locked = false, current = false;
    for (size_t i = 1; i + 1 < words.size(); ++i) {
        const std::string& option = args.Text(i);
        if (option == "locked" && !locked)
            locked = true;
        else if (option == "current" && !current)
            current = true;
        else
            throw SyntaxError(kUsage);
    }
    return [this, title = args.Text(0), locked, current] {
        Layer* layer = host_.document.InsertLayer(nullptr, kHostPlaceAboveAll);
        layer->title = title;
        layer->locked = locked;
        if (current) host_.document.SetCurrent(layer);
    };
}

Player::Step Player::CompileMenuGroup(const std::vector<Word>& words) {
    Arguments args(words);
    bool under = words.size() == 5 && args.Text(1) == "under";
    if (words.size() != 2 && !under)
        throw SyntaxError("usage: menu-group \"NAME\" [under \"PARENT_GROUP\" \"ITEM TEXT\"]");
    struct Parent {
        std::string group;
        std::string itemText;
    };
    std::optional<Parent> parent;
    if (under) parent = Parent{args.Text(2), args.Text(3)};
    return [this, name = args.HostReadableText(0), parent] {
        Menus& menus = host_.menus;
        if (menus.GroupNamed(name) != nullptr)
            throw std::runtime_error("a menu group is already named \"" + name + "\"");
        MenuItem* parentItem = nullptr;
        if (parent) {
            MenuGroup* group = menus.GroupNamed(parent->group);
            if (group == nullptr)
                throw std::runtime_error("no menu group is named \"" + parent->group + "\"");
            MenuItem item;
            item.text = parent->itemText;  // owned by no plug-in of ours
            parentItem = &menus.AddItem(*group, std::move(item));
        }
        menus.AddGroup(name, parentItem);
    };
}

Player::Step Player::CompileMenuChoice(const std::vector<Word>& words, int line) {
    Arguments args(words);
    args.ExpectCount(1, "menu \"TEXT\"");
    return [this, line, text = args.Text(0)] {
        const MenuItem* item = host_.menus.FirstItemReading(text);
        if (item == nullptr) throw std::runtime_error("no menu item reads \"" + text + "\"");
        // A real interface does nothing either: the item is greyed, or its submenu opens.
        std::string why = host_.ChooseMenuItem(*item);
        if (!why.empty())
            Notice(line, "the menu item \"" + text + "\" " + why + "; nothing happens");
    };
}

void Player::Load(const std::string& file, const std::string& text) {
    file_ = file;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        try {
            std::vector<Word> words = SplitWords(line);
            if (words.empty()) continue;
            host_.loop.Post({number, Compile(words, number)});
        } catch (const SyntaxError& error) {
            throw ScenarioError(file_ + ":" + std::to_string(number) + ": " + error.what());
        }
    }
    host_.loop.Close();
}

void Player::Play(const std::function<void()>& beforeQuitting) {
    host_.loop.Run();
    if (!host_.loop.Failure()) {
        if (beforeQuitting) beforeQuitting();
        try {
            host_.Finish();
        } catch (const std::exception& error) {
            throw ScenarioError(file_ + ": at the end: " + error.what());
        }
    }
    if (const auto& failure = host_.loop.Failure())
        throw ScenarioError(file_ + ":" + std::to_string(failure->Line()) + ": " + failure->what());
}

Json Player::State() const {
    Json state = HostState(host_);
    Json snapshots = Json::object();
    for (const auto& [name, snapshot] : snapshots_) snapshots[name] = snapshot;
    state["snapshots"] = std::move(snapshots);
    return state;
}

}  // namespace host
