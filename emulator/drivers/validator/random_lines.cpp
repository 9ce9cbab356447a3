#include "emulator/drivers/validator/random_lines.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

// What the user sees of the host: the only reads of its state, but for the actions' own
// `when`.

enum class Situation { kUnderModal, kStopped, kGesture, kRunning };

Situation SituationOf(const Host& host) {
    if (host.ModalWindows().Top() != nullptr) return Situation::kUnderModal;
    if (host.Unloaded() || !host.Started()) return Situation::kStopped;
    if (host.Input().ButtonDown()) return Situation::kGesture;
    return Situation::kRunning;
}

const Dialog* DialogAt(const Host& host, Where where) {
    return where == Where::kPanel ? host.Dialogs().Panel() : host.Dialogs().ModalOnScreen();
}

std::vector<HostRealPoint> Anchors(const Host& host) {
    std::vector<HostRealPoint> anchors;
    for (const Art* path : host.Drawing().Paths())
        for (const HostPathSegment& segment : path->segments) anchors.push_back(segment.p);
    return anchors;
}

// Which tool is in hand, for how soon the user goes back to the plug-in's.
enum class InHand {
    kPluginsOrNone,  // the plug-in's tool, or the plug-in has none
    kHostSelection,  // the host's selection tool, which selects, moves and deletes art
    kOther,
};

InHand ToolInHand(const Host& host) {
    const Tool* tool = host.Tools().OwnedBy(host.Plugin().Ref());
    const Tool& current = host.Tools().Current();
    if (tool == nullptr || &current == tool) return InHand::kPluginsOrNone;
    if (current.owner == nullptr && current.name == Toolbox::kSelectionToolName)
        return InHand::kHostSelection;
    return InHand::kOther;
}

size_t PathCount(const Host& host) {
    return host.Drawing().Paths().size();
}

std::vector<std::string> LayerTitles(const Host& host) {
    std::vector<std::string> titles;
    for (size_t index = 0; index < host.Drawing().LayerCount(); ++index)
        titles.push_back(host.Drawing().LayerAt(index)->title);
    return titles;
}

// The title the host would give the next layer.
std::string NextLayerTitle(const Host& host) {
    return "Calque " + std::to_string(host.Drawing().LayerCount() + 1);
}

// The names of the menu groups, and one another plug-in may make.
std::vector<std::string> GroupNames(const Host& host) {
    std::vector<std::string> names = {"Autres outils"};
    for (size_t g = 0; g < host.MenuBar().GroupCount(); ++g)
        names.push_back(host.MenuBar().GroupAt(g)->name);
    return names;
}

// The texts of the menu items, and one another plug-in may add.
std::vector<std::string> MenuTexts(const Host& host) {
    std::vector<std::string> texts = {"Autres outils..."};
    for (size_t g = 0; g < host.MenuBar().GroupCount(); ++g)
        for (const MenuItem* item : host.MenuBar().GroupAt(g)->items) texts.push_back(item->text);
    return texts;
}

// How often the user does an action, for the kinds of its arguments: the pointer on the
// artwork above all, then the items of the panel and the dialog; seldom what changes the
// layers, as a locked current layer stops every tool; and mostly going back to the
// plug-in's tool while another one is current, but for the host's selection tool, which is
// used a while (a press, a drag, a key) before; now and then a file saved or opened, which
// replaces the whole drawing. A kind with no say weighs 0.
int64_t WeightOf(ArgumentKind kind, InHand inHand) {
    switch (kind) {
        case ArgumentKind::kPoint:
            return 24;
        case ArgumentKind::kItem:
        case ArgumentKind::kFlyoutEntry:
            return 8;
        case ArgumentKind::kLayerTitle:
        case ArgumentKind::kNewLayerTitle:
        case ArgumentKind::kDrawingFile:
            return 1;
        case ArgumentKind::kToolTitle:
            return inHand == InHand::kOther ? 100 : inHand == InHand::kHostSelection ? 12 : 4;
        default:
            return 0;
    }
}

int64_t Weight(const Action& action, InHand inHand) {
    int64_t weight = 0;
    for (const Argument& argument : action.arguments)
        weight = std::max(weight, WeightOf(argument.kind, inHand));
    return weight > 0 ? weight : 4;
}

// A number as a scenario reads it: a point for the decimal separator, no exponent.
std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// WORD as a line writes it: in double quotes when the usage shows it so, or when it would
// not read as one word otherwise.
std::string Written(const std::string& word, bool quoted) {
    if (!quoted && !word.empty() && word.find_first_of(" \t\r\"#\\") == std::string::npos)
        return word;
    std::string written = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') written += '\\';
        written += c;
    }
    return written + "\"";
}

const std::vector<std::string> kToolTitles = {"Adobe Selection Tool", "Adobe Pen Tool",
                                              "Outil Pimsal"};
const std::vector<std::string> kZooms = {"0.03125", "0.5", "1", "2", "8", "64"};
const std::vector<std::string> kWindowSides = {"1", "200", "595", "842", "1920", "16384"};
const std::vector<std::string> kDistances = {"0",   "0.01", "1",  "25.4",
                                             "100", "1000", "-5", "100000"};
const std::vector<std::string> kSliderValues = {"0",   "1",   "45",  "90",   "180",
                                                "359", "360", "-90", "1000", "12.5"};
const std::vector<std::string> kDrawingNames = {"dessin.svg", "autre dessin.svg"};
const std::vector<std::string> kWholeNumbers = {"0", "1", "-1", "2", "-7", "2147483647"};

// The preferences the plug-in keeps, with the type it reads each as.
struct KeptPreference {
    std::string key;
    std::string type;
};
const std::vector<KeptPreference> kPluginPreferences = {
    {"OutilsGroupe", "bool"},        {"Son", "bool"},
    {"MontreAnno", "bool"},          {"Calque", "bool"},
    {"kADM_DPVisibleStr", "bool"},   {"EchelleNum", "real"},
    {"EchelleDen", "real"},          {"EchelleNumPersoReal", "real"},
    {"EchelleDenPersoReal", "real"}, {"TaillePalette", "int"}};
const std::vector<std::string> kHostColours = {"red", "green", "blue"};
const std::vector<std::string> kReals = {"0", "-1", "0.0001",  "0.5",   "1",
                                         "2", "7",  "1000000", "3.4e38"};

bool IsChoice(const Item& item) {
    return item.type == kADMPopupListType && item.list != nullptr && !item.list->entries.empty();
}

bool Fits(const Item& item, Control control) {
    switch (control) {
        case Control::kAny:
            return true;
        case Control::kClickable:
            return item.IsPushButton() || item.type == kADMTextCheckBoxType ||
                   item.type == kADMPictureRadioButtonType;
        case Control::kField:
            return item.type == kADMSpinEditType;
        case Control::kPopup:
            return IsChoice(item);
        case Control::kSlider:
            return item.type == kADMSliderType;
        case Control::kPushButton:
            return item.IsPushButton();
        case Control::kCheckBox:
            return item.type == kADMTextCheckBoxType;
    }
    return false;
}

}  // namespace

int64_t RandomLines::Between(int64_t low, int64_t high) {
    // Written out rather than with std::uniform_int_distribution, whose draws differ between
    // standard libraries: a seed gives the same runs wherever the host is built.
    uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return low + static_cast<int64_t>(random_() % span);
}

std::vector<std::string> RandomLines::SetUp(const Host& host) {
    std::vector<std::string> lines;
    for (int64_t n = Between(1, 4); n > 0; --n) lines.push_back(Line(Role::kSetUp, host));
    return lines;
}

std::string RandomLines::Next(const Host& host) {
    switch (SituationOf(host)) {
        case Situation::kUnderModal:
            return UnderModalLine(host);
        case Situation::kStopped:
            return Line(OneIn(4) ? Role::kSetUp : Role::kLifecycle, host);
        default:
            return UserLine(host);
    }
}

// Mostly an answer to the window; now and then what it hides, the application's lifecycle
// above all: the host must let none of it through while the plug-in's code waits under it.
std::string RandomLines::UnderModalLine(const Host& host) {
    std::optional<std::string> line;
    switch (Between(0, 7)) {
        case 0:
            line = Drawn(Role::kLifecycle, host, true);
            break;
        case 1:
            break;
        default:
            line = Drawn(Role::kAnswer, host);
    }
    return line ? *line : UserLine(host);
}

std::string RandomLines::UserLine(const Host& host) {
    if (SituationOf(host) == Situation::kGesture) return Line(Role::kGesture, host);
    int64_t pick = Between(0, 99);
    if (pick < 3) return Line(Role::kLifecycle, host);
    if (pick < 4) return Line(Role::kSetUp, host);
    return Line(Role::kUser, host);
}

std::string RandomLines::Line(Role role, const Host& host) {
    if (std::optional<std::string> line = Drawn(role, host)) return *line;
    if (std::optional<std::string> line = Drawn(Role::kUser, host)) return *line;
    throw std::logic_error("the action table has nothing a user can do now");
}

std::optional<std::string> RandomLines::Drawn(Role role, const Host& host, bool anytime) {
    InHand inHand = ToolInHand(host);
    std::vector<std::pair<const Action*, int64_t>> actions;  // with their weights
    int64_t total = 0;
    for (const Action& action : HostActions().Actions()) {
        if (action.role != role || (!anytime && action.when != nullptr && !action.when(host)))
            continue;
        actions.push_back({&action, Weight(action, inHand)});
        total += actions.back().second;
    }
    while (!actions.empty()) {
        int64_t pick = Between(0, total - 1);
        auto drawn = actions.begin();
        for (; pick >= drawn->second; ++drawn) pick -= drawn->second;
        if (std::optional<std::string> line = LineOf(*drawn->first, host)) return line;
        total -= drawn->second;
        actions.erase(drawn);
    }
    return std::nullopt;
}

std::optional<std::string> RandomLines::LineOf(const Action& action, const Host& host) {
    std::string text = action.name;
    LineSoFar line;
    bool partLeftOut = false;
    for (const Argument& argument : action.arguments) {
        // What an action does by default is what users mostly ask of it.
        if (argument.presence == Presence::kOptional) partLeftOut = !OneIn(4);
        if (argument.presence != Presence::kRequired && partLeftOut) continue;
        std::optional<std::vector<std::string>> words = Fill(argument, host, line);
        if (!words) return std::nullopt;
        for (const std::string& word : *words) text += " " + Written(word, argument.quoted);
        line.previous = *words;
    }
    return text;
}

std::optional<std::vector<std::string>> RandomLines::Fill(const Argument& argument,
                                                          const Host& host, LineSoFar& line) {
    switch (argument.kind) {
        case ArgumentKind::kPoint:
            return Point(host);
        case ArgumentKind::kPoints:
            return Corners();
        case ArgumentKind::kDistance:
            return {{AnyOf(kDistances)}};
        case ArgumentKind::kPixels:
            return {{std::to_string(Between(-400, 400))}};
        case ArgumentKind::kWindowSide:
            return {{AnyOf(kWindowSides)}};
        case ArgumentKind::kZoom:
            return {{AnyOf(kZooms)}};
        case ArgumentKind::kPathNumber:
            return PathNumber(host);
        case ArgumentKind::kLayerTitle:
            return {{AnyOf(LayerTitles(host))}};
        case ArgumentKind::kNewLayerTitle:
            if (LayerTitles(host).size() >= 3) return std::nullopt;
            return {{NextLayerTitle(host)}};
        case ArgumentKind::kDrawingFile:
            return DrawingFile();
        case ArgumentKind::kItem:
            return ItemNumber(argument, host, line);
        case ArgumentKind::kPopupEntry:
            return Entry(line.item);
        case ArgumentKind::kFlyoutEntry: {
            const Dialog* panel = DialogAt(host, Where::kPanel);
            return Entry(panel != nullptr ? panel->Find(kADMMenuItemID) : nullptr);
        }
        case ArgumentKind::kSliderValue:
            return {{AnyOf(kSliderValues)}};
        case ArgumentKind::kTypedText:
        case ArgumentKind::kText:  // what a user may type anywhere
            return {{FieldText()}};
        case ArgumentKind::kToolTitle:
            return {{AnyOf(kToolTitles)}};
        case ArgumentKind::kMenuGroup:
            return {{AnyOf(GroupNames(host))}};
        case ArgumentKind::kMenuItemText:
            return {{AnyOf(MenuTexts(host))}};
        case ArgumentKind::kPreferencePrefix:
            return {{OneIn(6) ? "-" : "KVTOrtaq"}};
        case ArgumentKind::kPreferenceKey:
            return {{PreferenceKey(line.previous.at(0))}};
        case ArgumentKind::kPreferenceValue:
            return PreferenceValue(argument, line.previous.at(0));
        case ArgumentKind::kWord:
            return {{AnyOf(argument.words)}};
        case ArgumentKind::kWholeNumber:
            return {{AnyOf(kWholeNumbers)}};
    }
    return std::nullopt;
}

// An item of the dialog on screen of the kind the argument is meant for.
std::optional<std::vector<std::string>> RandomLines::ItemNumber(const Argument& argument,
                                                                const Host& host, LineSoFar& line) {
    const Dialog* dialog = DialogAt(host, argument.where);
    if (dialog == nullptr) return std::nullopt;
    std::vector<const Item*> items;
    for (const auto& item : dialog->items)
        if (item->id > 0 && Fits(*item, argument.control)) items.push_back(item.get());
    if (items.empty()) return std::nullopt;
    line.item = AnyOf(items);
    return {{std::to_string(line.item->id)}};
}

std::optional<std::vector<std::string>> RandomLines::PathNumber(const Host& host) {
    size_t paths = PathCount(host);
    if (paths == 0) return std::nullopt;
    return {{std::to_string(Between(1, static_cast<int64_t>(paths)))}};
}

// An entry of the list of ITEM, a popup or the flyout menu.
std::optional<std::vector<std::string>> RandomLines::Entry(const Item* item) {
    if (item == nullptr || item->list == nullptr || item->list->entries.empty())
        return std::nullopt;
    return {{std::to_string(Between(0, static_cast<int64_t>(item->list->entries.size()) - 1))}};
}

std::string RandomLines::Coordinate() {
    switch (Between(0, 19)) {
        case 0:
            return AnyOf<std::string>({"0", "-16000", "16000", "-1000000", "1000000"});
        case 1:
            return Number(static_cast<double>(Between(-100, 100)) / 100.0);
        default:
            return Number(static_cast<double>(Between(0, 6000)) / 10.0);
    }
}

// Often one of the document's anchors, or close to it: where hovers and drags happen.
std::vector<std::string> RandomLines::Point(const Host& host) {
    std::vector<HostRealPoint> anchors = Anchors(host);
    if (!anchors.empty() && OneIn(3)) {
        HostRealPoint anchor = AnyOf(anchors);
        double jitter = OneIn(2) ? 0.0 : static_cast<double>(Between(-30, 30)) / 10.0;
        return {Number(anchor.h + jitter), Number(anchor.v - jitter)};
    }
    return {Coordinate(), Coordinate()};
}

// The corners of a path another tool draws.
std::vector<std::string> RandomLines::Corners() {
    std::vector<std::string> words;
    for (int64_t n = Between(2, 5); n > 0; --n) {
        words.push_back(Coordinate());
        words.push_back(Coordinate());
    }
    return words;
}

// One of a few names in the caller's folder: a run opens what it saved, or a file not saved
// yet, which is refused.
std::optional<std::vector<std::string>> RandomLines::DrawingFile() {
    if (drawings_.empty()) return std::nullopt;
    return {{(std::filesystem::path(drawings_) / AnyOf(kDrawingNames)).string()}};
}

// What a user may type in a field, numbers and not.
std::string RandomLines::FieldText() {
    std::vector<std::string> texts = {"12,5", "0",       "-3",   "1e30",     "abc",
                                      "",     "12,5 mm", "3 in", "99999999", "0,001",
                                      "45",   "2 cm",    "180",  "-720",     " 7 pt "};
    if (OneIn(2)) return Number(static_cast<double>(Between(1, 3000)) / 10.0);
    return AnyOf(texts);
}

// A key the plug-in reads under its PREFIX, or one of the host's own colour keys.
std::string RandomLines::PreferenceKey(const std::string& prefix) {
    if (prefix == "-") return "snapomatic/Color/" + AnyOf(kHostColours);
    return AnyOf(kPluginPreferences).key;
}

// A value for KEY, mostly of the type it is read as, in bounds or not: a type of ARGUMENT's,
// then the value.
std::vector<std::string> RandomLines::PreferenceValue(const Argument& argument,
                                                      const std::string& key) {
    std::string type = "real";  // the host's colours
    for (const KeptPreference& kept : kPluginPreferences)
        if (kept.key == key) type = kept.type;
    if (OneIn(4)) type = AnyOf(argument.words);
    if (type == "bool") return {type, OneIn(2) ? "true" : "false"};
    if (type == "int") return {type, AnyOf(kWholeNumbers)};
    if (type == "real") return {type, AnyOf(kReals)};
    return {type, FieldText()};
}

}  // namespace emulator
