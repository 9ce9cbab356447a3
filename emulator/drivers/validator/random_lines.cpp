#include "emulator/drivers/validator/random_lines.h"

#include <cstdio>

#include "emulator/core/host.h"

namespace emulator {
namespace {

// A number as a scenario reads it: a point for the decimal separator, no exponent.
std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

const std::vector<std::string> kLayerTitles = {"Calque 1", "Calque 2", "Calque 3"};
const std::vector<std::string> kOtherTools = {"Adobe Selection Tool", "Adobe Pen Tool",
                                              "Outil Pimsal"};

bool IsChoice(const Item& item) {
    return item.type == kADMPopupListType && item.list != nullptr && !item.list->entries.empty();
}

bool IsField(const Item& item) {
    return item.type == kADMSpinEditType;
}

bool IsClickable(const Item& item) {
    return item.IsPushButton() || item.type == kADMTextCheckBoxType ||
           item.type == kADMPictureRadioButtonType;
}

// The items of DIALOG that pass KEEP.
template <typename Keep>
std::vector<const Item*> ItemsOf(const Dialog& dialog, Keep keep) {
    std::vector<const Item*> items;
    for (const auto& item : dialog.items)
        if (item->id > 0 && keep(*item)) items.push_back(item.get());
    return items;
}

}  // namespace

int64_t RandomLines::Between(int64_t low, int64_t high) {
    // Written out rather than with std::uniform_int_distribution, whose draws differ between
    // standard libraries: a seed gives the same runs wherever the host is built.
    uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return low + static_cast<int64_t>(random_() % span);
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
std::string RandomLines::Point(const Host& host) {
    std::vector<Art*> paths = host.Drawing().Paths();
    if (!paths.empty() && OneIn(3)) {
        const Art* path = AnyOf(paths);
        if (!path->segments.empty()) {
            const HostPathSegment& segment = AnyOf(path->segments);
            double jitter = OneIn(2) ? 0.0 : static_cast<double>(Between(-30, 30)) / 10.0;
            return Number(segment.p.h + jitter) + " " + Number(segment.p.v - jitter);
        }
    }
    return Coordinate() + " " + Coordinate();
}

std::string RandomLines::Length() {
    return AnyOf<std::string>({"0", "0.01", "1", "25.4", "100", "1000", "-5", "100000"});
}

// What a user may type in a field, numbers and not.
std::string RandomLines::FieldText() {
    std::vector<std::string> texts = {"12,5", "0",           "-3",       "1e30",     "abc",
                                      "\"\"", "\"12,5 mm\"", "\"3 in\"", "99999999", "0,001",
                                      "45",   "\"2 cm\"",    "180",      "-720",     "\" 7 pt \""};
    if (OneIn(2)) return Number(static_cast<double>(Between(1, 3000)) / 10.0);
    return AnyOf(texts);
}

// A preference another session may have left, of the right type or not, in bounds or not.
std::string RandomLines::Preference() {
    const std::vector<std::string> booleans = {"OutilsGroupe", "Son", "MontreAnno", "Calque",
                                               "kADM_DPVisibleStr"};
    const std::vector<std::string> reals = {"EchelleNum", "EchelleDen", "EchelleNumPersoReal",
                                            "EchelleDenPersoReal"};
    const std::vector<std::string> realValues = {"0", "-1",      "0.0001", "1",
                                                 "7", "1000000", "3.4e38"};
    switch (Between(0, 5)) {
        case 0:
            return "pref KVTOrtaq " + AnyOf(booleans) + " bool " + (OneIn(2) ? "true" : "false");
        case 1:
            return "pref KVTOrtaq " + AnyOf(reals) + " real " + AnyOf(realValues);
        case 2:
            return "pref KVTOrtaq " + AnyOf(booleans) + " int " +
                   AnyOf<std::string>({"0", "1", "-1", "2147483647"});
        case 3:
            return "pref KVTOrtaq TaillePalette int " + AnyOf<std::string>({"0", "1", "2", "-7"});
        case 4:
            return "pref - snapomatic/Color/" + AnyOf<std::string>({"red", "green", "blue"}) +
                   " real " + AnyOf<std::string>({"0", "0.5", "1", "2", "-1"});
        default:
            return "pref-remove KVTOrtaq " + AnyOf(OneIn(2) ? booleans : reals);
    }
}

std::vector<std::string> RandomLines::SetUp() {
    std::vector<std::string> lines;
    if (OneIn(3)) lines.push_back("tool-installed \"Outil Pimsal\"");
    if (OneIn(3))
        lines.push_back("menu-group \"Autres outils\" under \"About\" \"Autres outils...\"");
    for (int64_t n = Between(0, 3); n > 0; --n) lines.push_back(Preference());
    return lines;
}

std::string RandomLines::ModalLine(const Host& host) {
    const Dialog* dialog = host.Dialogs().ModalOnScreen();
    if (dialog == nullptr) return "alert ok";
    std::vector<const Item*> clickable = ItemsOf(*dialog, IsClickable);
    std::vector<const Item*> fields = ItemsOf(*dialog, IsField);
    int64_t pick = Between(0, 9);
    if (pick < 2 && !fields.empty())
        return "dialog type " + std::to_string(AnyOf(fields)->id) + " " + FieldText();
    if (pick == 2)
        return "dialog move " + std::to_string(Between(-400, 400)) + " " +
               std::to_string(Between(-400, 400));
    if (pick == 3) {
        std::vector<const Item*> boxes =
            ItemsOf(*dialog, [](const Item& item) { return item.type == kADMTextCheckBoxType; });
        if (!boxes.empty())
            return "dialog check " + std::to_string(AnyOf(boxes)->id) + (OneIn(2) ? " on" : " off");
    }
    if (!clickable.empty()) return "dialog click " + std::to_string(AnyOf(clickable)->id);
    // A dialog with nothing to click is closed the only way left: the input ends.
    return "dialog move 0 0";
}

std::string RandomLines::PanelLine(const Host& host) {
    const Dialog* panel = host.Dialogs().Panel();
    if (panel == nullptr) return "about";
    const Item* menu = panel->Find(kADMMenuItemID);
    std::vector<const Item*> fields = ItemsOf(*panel, IsField);
    std::vector<const Item*> choices = ItemsOf(*panel, IsChoice);
    std::vector<const Item*> sliders =
        ItemsOf(*panel, [](const Item& item) { return item.type == kADMSliderType; });
    std::vector<const Item*> buttons =
        ItemsOf(*panel, [](const Item& item) { return item.IsPushButton(); });
    std::vector<const Item*> any = ItemsOf(*panel, [](const Item&) { return true; });
    switch (Between(0, 6)) {
        case 0:
            if (!fields.empty())
                return "panel type " + std::to_string(AnyOf(fields)->id) + " " + FieldText();
            break;
        case 1:
            if (!choices.empty()) {
                const Item* popup = AnyOf(choices);
                return "panel choose " + std::to_string(popup->id) + " " +
                       std::to_string(
                           Between(0, static_cast<int64_t>(popup->list->entries.size()) - 1));
            }
            break;
        case 2:
            if (!sliders.empty())
                return "panel slide " + std::to_string(AnyOf(sliders)->id) + " " +
                       AnyOf<std::string>(
                           {"0", "1", "45", "90", "180", "359", "360", "-90", "1000", "12.5"});
            break;
        case 3:
            if (!buttons.empty())
                return "panel press " + std::to_string(AnyOf(buttons)->id) +
                       (OneIn(2) ? " shift" : "");
            break;
        case 4:
            if (menu != nullptr && menu->list != nullptr && !menu->list->entries.empty())
                return "panel menu " +
                       std::to_string(
                           Between(0, static_cast<int64_t>(menu->list->entries.size()) - 1));
            break;
        default:
            if (!any.empty()) return "panel click " + std::to_string(AnyOf(any)->id);
    }
    return "panel click " + std::to_string(Between(1, 30));
}

std::string RandomLines::PointerLine(const Host& host) {
    if (host.Input().ButtonDown()) return (OneIn(4) ? "up " : "drag ") + Point(host);
    const Tool* ours = host.Tools().OwnedBy(host.Plugin().Ref());
    bool ourToolCurrent = ours != nullptr && &host.Tools().Current() == ours;
    if (!ourToolCurrent && OneIn(3)) return "select-tool";
    switch (Between(0, 19)) {
        case 0:
            return "select-tool " + Quoted(AnyOf(kOtherTools));
        case 1:
            return "select-tool";
        case 2:
            return "options";
        case 3:
            return std::string(host.Input().Keys().IsDown(ModifierKey::kAlt) ? "release" : "hold") +
                   " alt";
        case 4:
            return std::string(host.Input().Keys().IsDown(ModifierKey::kShift) ? "release"
                                                                               : "hold") +
                   " shift";
        case 5:
            return "zoom " + AnyOf<std::string>({"0.03125", "0.5", "1", "2", "8", "64"});
        case 6:
        case 7:
        case 8:
            return "down " + Point(host);
        case 9:
        case 10:
        case 11:
        case 12:
            return "move " + Point(host);
        default:
            return "click " + Point(host);
    }
}

std::string RandomLines::DocumentLine(const Host& host) {
    size_t paths = host.Drawing().Paths().size();
    switch (Between(0, 6)) {
        case 0:
            if (paths > 0)
                return "delete-art " + std::to_string(Between(1, static_cast<int64_t>(paths)));
            break;
        case 1:
            if (paths > 0)
                return "move-art " + std::to_string(Between(1, static_cast<int64_t>(paths))) + " " +
                       Length() + " " + Length();
            break;
        case 2:
            return "layer-lock " + Quoted(AnyOf(kLayerTitles));
        case 3:
            return "layer-unlock " + Quoted(AnyOf(kLayerTitles));
        case 4:
            return "layer-current " + Quoted(AnyOf(kLayerTitles));
        case 5:
            if (host.Drawing().LayerCount() < kLayerTitles.size())
                return "layer " + Quoted(kLayerTitles[host.Drawing().LayerCount()]) +
                       (OneIn(3) ? " locked" : "") + (OneIn(2) ? " current" : "");
            break;
        default:
            break;
    }
    std::string line = "add-path";
    for (int64_t n = Between(2, 5); n > 0; --n) line += " " + Coordinate() + " " + Coordinate();
    return line;
}

std::string RandomLines::ApplicationLine(const Host& host) {
    switch (Between(0, 9)) {
        case 0:
            return "about";
        case 1:
            return "quit";
        case 2:
            if (!host.Plugin().KeptLoaded()) return "unload";
            break;
        case 3:
            return Preference();
        default:
            break;
    }
    std::vector<std::string> texts;
    for (size_t g = 0; g < host.MenuBar().GroupCount(); ++g)
        for (const MenuItem* item : host.MenuBar().GroupAt(g)->items) texts.push_back(item->text);
    if (texts.empty()) return "about";
    return "menu " + Quoted(AnyOf(texts));
}

std::string RandomLines::Next(const Host& host) {
    if (host.ModalWindows().Top() != nullptr) return UnderModalLine(host);
    if (host.Unloaded()) return "reload";
    if (!host.Started()) return OneIn(4) ? Preference() : "start";
    return UserLine(host);
}

// Mostly an answer to the window; now and then what it hides, the application's lifecycle
// above all: the host must let none of it through while the plug-in's code waits under it.
std::string RandomLines::UnderModalLine(const Host& host) {
    switch (Between(0, 7)) {
        case 0:
            return AnyOf<std::string>({"start", "quit", "unload", "reload", "about"});
        case 1:
            return UserLine(host);
        default:
            return ModalLine(host);
    }
}

std::string RandomLines::UserLine(const Host& host) {
    if (host.Input().ButtonDown()) return PointerLine(host);
    int64_t pick = Between(0, 99);
    if (pick < 50) return PointerLine(host);
    if (pick < 78) return PanelLine(host);
    if (pick < 90) return DocumentLine(host);
    return ApplicationLine(host);
}

std::vector<std::string> RandomLines::ActionsUsed() {
    return {"start",        "quit",         "unload",      "reload",         "about",
            "alert",        "layer",        "layer-lock",  "layer-unlock",   "layer-current",
            "add-path",     "delete-art",   "move-art",    "zoom",           "menu-group",
            "menu",         "pref",         "pref-remove", "panel click",    "panel type",
            "panel choose", "panel slide",  "panel press", "panel menu",     "dialog click",
            "dialog type",  "dialog check", "dialog move", "tool-installed", "select-tool",
            "options",      "hold",         "release",     "move",           "down",
            "drag",         "up",           "click"};
}

// Raw pairs with zeroed records, suites withheld before start and snapshots test the
// host's own bookkeeping rather than the plug-in's answers to what a user does.
std::vector<std::string> RandomLines::ActionsLeftOut() {
    return {"call", "without-suite", "snapshot"};
}

}  // namespace emulator
