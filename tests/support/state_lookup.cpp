#include "tests/support/state_lookup.h"

#include <functional>
#include <stdexcept>

namespace {

// Calls VISIT on every art object of the document, depth-first from the top layer.
void EachArt(const emulator::Json& state, const std::function<void(const emulator::Json&)>& visit) {
    std::function<void(const emulator::Json&)> walk = [&](const emulator::Json& art) {
        for (const emulator::Json& entry : art) {
            visit(entry);
            if (entry.at("type") == "group") walk(entry.at("art"));
        }
    };
    for (const emulator::Json& layer : state.at("document").at("layers")) walk(layer.at("art"));
}

std::vector<emulator::Json> PathsWhere(const emulator::Json& state,
                                       const std::function<bool(const emulator::Json&)>& keep) {
    std::vector<emulator::Json> found;
    EachArt(state, [&](const emulator::Json& art) {
        if (art.at("type") == "path" && keep(art)) found.push_back(art);
    });
    return found;
}

}  // namespace

const emulator::Json& Snapshot(const emulator::Json& state, const std::string& name) {
    return state.at("snapshots").at(name);
}

const emulator::Json& Panel(const emulator::Json& state) {
    for (const emulator::Json& dialog : state.at("dialogs"))
        if (dialog.at("name") == "KVTOrtaq") return dialog;
    throw std::runtime_error("no panel");
}

const emulator::Json& PanelItem(const emulator::Json& state, int id) {
    for (const emulator::Json& item : Panel(state).at("items"))
        if (item.at("id").get<int>() == id) return item;
    throw std::runtime_error("no item " + std::to_string(id));
}

double PanelValue(const emulator::Json& state, int id) {
    return PanelItem(state, id).at("value").get<double>();
}

std::vector<emulator::Json> Paths(const emulator::Json& state) {
    return PathsWhere(state, [](const emulator::Json&) { return true; });
}

std::vector<emulator::Json> Guides(const emulator::Json& state) {
    return PathsWhere(state, [](const emulator::Json& path) { return path.at("guide") == true; });
}

std::vector<emulator::Json> ArtPaths(const emulator::Json& state) {
    return PathsWhere(state, [](const emulator::Json& path) { return path.at("guide") == false; });
}

std::vector<emulator::Json> Groups(const emulator::Json& state) {
    std::vector<emulator::Json> found;
    EachArt(state, [&](const emulator::Json& art) {
        if (art.at("type") == "group") found.push_back(art);
    });
    return found;
}

std::vector<Point> Anchors(const emulator::Json& path) {
    std::vector<Point> anchors;
    for (const emulator::Json& segment : path.at("segments"))
        anchors.emplace_back(segment.at("p").at(0).get<double>(),
                             segment.at("p").at(1).get<double>());
    return anchors;
}

const emulator::Json& ToolNamed(const emulator::Json& state, const std::string& name) {
    for (const emulator::Json& tool : state.at("tools"))
        if (tool.at("name") == name) return tool;
    throw std::runtime_error("no tool named " + name);
}

std::vector<std::string> NullsIn(const emulator::Json& value) {
    std::vector<std::string> nulls;
    std::function<void(const emulator::Json&, const std::string&)> walk =
        [&](const emulator::Json& at, const std::string& pointer) {
            if (at.is_null()) nulls.push_back(pointer);
            if (at.is_structured())
                for (const auto& [key, inner] : at.items()) walk(inner, pointer + "/" + key);
        };
    walk(value, "");
    return nulls;
}
