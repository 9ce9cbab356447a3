#include "tests/support/annotation_lookup.h"

#include <cmath>

namespace {

Point Corner(const emulator::Json& coords, int first) {
    return {coords.at(first).get<double>(), coords.at(first + 1).get<double>()};
}

Point Toward(const Point& from, const Point& to, double length) {
    double dh = to.first - from.first, dv = to.second - from.second;
    double scale = length / std::hypot(dh, dv);
    return {from.first + dh * scale, from.second + dv * scale};
}

bool Near(const Point& a, const Point& b) {
    return std::abs(a.first - b.first) <= 1 && std::abs(a.second - b.second) <= 1;
}

}  // namespace

Point InView(const Point& point, double zoom) {
    return {point.first * zoom, (842 - point.second) * zoom};
}

std::vector<emulator::Json> Drawn(const emulator::Json& state, const std::string& op) {
    std::vector<emulator::Json> found;
    for (const emulator::Json& drawn : state.at("annotations").at("drawing"))
        if (drawn.at("op") == op) found.push_back(drawn);
    return found;
}

std::vector<Label> Labels(const emulator::Json& state) {
    const emulator::Json& drawing = state.at("annotations").at("drawing");
    std::vector<Label> labels;
    for (size_t i = 0; i + 1 < drawing.size(); ++i)
        if (drawing[i].at("op") == "rect" && drawing[i + 1].at("op") == "text")
            labels.push_back({drawing[i], drawing[i + 1]});
    return labels;
}

std::vector<Mark> Marks(const emulator::Json& state) {
    std::vector<emulator::Json> lines = Drawn(state, "line");
    std::vector<Mark> marks;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const emulator::Json &first = lines[i].at("coords"), &second = lines[i + 1].at("coords");
        if (Corner(first, 2) != Corner(second, 2)) continue;
        marks.push_back({Corner(first, 0), Corner(second, 0), Corner(first, 2)});
        ++i;
    }
    return marks;
}

Mark ExpectedMark(const Point& v, const Point& n1, const Point& n2, double side) {
    Point q = Toward(v, n1, side), r = Toward(v, n2, side);
    return {q, r, {q.first + r.first - v.first, q.second + r.second - v.second}};
}

bool SameMark(const Mark& a, const Mark& b) {
    return Near(a.q, b.q) && Near(a.r, b.r) && Near(a.p, b.p);
}
