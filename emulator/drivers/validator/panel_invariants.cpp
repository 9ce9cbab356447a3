#include "emulator/drivers/validator/panel_invariants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "emulator/core/host.h"

namespace emulator {
namespace {

using Broken = std::optional<BrokenInvariant>;
using Point = std::array<double, 2>;
using Quad = std::array<Point, 4>;

constexpr const char* kToolTag = "qqq";

// The panel's items: the six lengths in the panel's order, the position, the slider and
// the area read-out.
constexpr int32_t kLengthItems[6] = {3, 5, 7, 9, 11, 13};
constexpr int32_t kPositionH = 22, kPositionV = 24, kSlider = 15, kArea = 18;

double Length(const Point& a, const Point& b) {
    return std::hypot(b[0] - a[0], b[1] - a[1]);
}

Quad Anchors(const Art& path) {
    Quad q{};
    for (size_t i = 0; i < 4; ++i) q[i] = {path.segments[i].p.h, path.segments[i].p.v};
    return q;
}

// Sides 1 to 4, then diagonals 1 and 2, in document points.
std::array<double, 6> Lengths(const Quad& q) {
    return {Length(q[0], q[1]), Length(q[1], q[2]), Length(q[2], q[3]),
            Length(q[3], q[0]), Length(q[0], q[2]), Length(q[1], q[3])};
}

double Area(const Quad& q) {
    auto x = [&](int i) { return q[i][0] - q[0][0]; };
    auto y = [&](int i) { return q[i][1] - q[0][1]; };
    return std::fabs(x(1) * y(2) - y(1) * x(2) + x(2) * y(3) - y(2) * x(3)) / 2;
}

// How far a measure may be from the panel's and still be the same: float32 constructions
// and turns leave a few units in the last place of each coordinate.
double Slack(const Quad& q) {
    double size = 0, position = 0;
    for (const Point& p : q) position = std::max({position, std::fabs(p[0]), std::fabs(p[1])});
    for (double length : Lengths(q)) size = std::max(size, length);
    return 1e-4 * size + 1e-6 * position + 1e-3;
}

bool Tagged(const Art& path) {
    for (const Tag& tag : path.tags)
        if (tag.name == kToolTag) return true;
    return false;
}

const Item* Find(const Dialog& panel, int32_t id) {
    for (const auto& item : panel.items)
        if (item->id == id) return item.get();
    return nullptr;
}

// The number and the square unit of "Aire=1244,52 mm2"; nothing for an empty read-out. An
// area too large for the read-out's digits is written "####": its value is then NaN.
struct AreaShown {
    double value;
    std::string unit;
};
constexpr const char* kUnwritable = "####";
// Areas from here up may not fit the read-out's digits; below, one must be written out.
constexpr double kBeyondTheReadout = 1e20;
std::optional<AreaShown> ReadArea(const std::string& text) {
    const std::string prefix = "Aire=";
    if (text.rfind(prefix, 0) != 0 || text.size() == prefix.size()) return std::nullopt;
    std::string number = text.substr(prefix.size());
    size_t space = number.find(' ');
    if (space == std::string::npos) return std::nullopt;
    std::string unit = number.substr(space + 1);
    number.resize(space);
    if (number == kUnwritable) return AreaShown{std::numeric_limits<double>::quiet_NaN(), unit};
    std::replace(number.begin(), number.end(), ',', '.');
    return AreaShown{std::strtod(number.c_str(), nullptr), unit};
}

// Square units per square point: mm2, cm2, po2; points are shown without the scale.
std::optional<double> PerSquarePoint(const std::string& unit) {
    if (unit == "mm2") return 645.16 / 5184;
    if (unit == "cm2") return 6.4516 / 5184;
    if (unit == "po2") return 1.0 / 5184;
    return std::nullopt;
}

// Whether the panel's numbers are those of the figure Q. SHOWN: the six lengths.
bool ShowsFigure(const Dialog& panel, const std::array<double, 6>& shown, const Quad& q) {
    std::array<double, 6> lengths = Lengths(q);
    double sumShown = 0, sumLengths = 0;
    for (size_t i = 0; i < 6; ++i) sumShown += shown[i], sumLengths += lengths[i];
    // The drawing scale: document lengths over the lengths the panel holds.
    double scale = sumShown > 0 ? sumLengths / sumShown : 1;
    double slack = Slack(q);
    for (size_t i = 0; i < 6; ++i)
        if (std::fabs(shown[i] * scale - lengths[i]) > slack + 1e-4 * lengths[i]) return false;
    const Item* h = Find(panel, kPositionH);
    const Item* v = Find(panel, kPositionV);
    if (h == nullptr || v == nullptr) return false;
    double positionSlack = 1e-6 * std::max(std::fabs(q[0][0]), std::fabs(q[0][1])) + 1e-3;
    if (std::fabs(h->value - q[0][0]) > positionSlack ||
        std::fabs(v->value - q[0][1]) > positionSlack)
        return false;
    // Side 4's direction is as sure as its ends: a short side far from the origin has few
    // digits to show it.
    if (const Item* slider = Find(panel, kSlider); slider != nullptr && lengths[3] > 2 * slack) {
        double direction =
            std::atan2(q[3][1] - q[0][1], q[3][0] - q[0][0]) * 180 / std::numbers::pi;
        double turn = std::remainder(slider->value - direction, 360.0);
        if (std::fabs(turn) > 0.05 + std::asin(slack / lengths[3]) * 180 / std::numbers::pi)
            return false;
    }
    const Item* area = Find(panel, kArea);
    std::optional<AreaShown> read = area ? ReadArea(area->ShownText()) : std::nullopt;
    if (!read) return true;
    double truth = Area(q);
    if (std::optional<double> factor = PerSquarePoint(read->unit))
        truth = truth * *factor / (scale * scale);
    if (std::isnan(read->value)) return !(truth < kBeyondTheReadout);
    return std::fabs(read->value - truth) <= 0.0051 + 1e-5 * truth + slack * slack;
}

// A guide, or an empty group the tool made, is in the document: a figure is being clicked
// and the panel shows its clicks.
bool CreationUnderWay(const Document& document) {
    for (const Art* path : document.Paths())
        if (path->guide) return true;
    for (size_t i = 0; i < document.LayerCount(); ++i)
        for (const Art* art : document.LayerAt(i)->group->children)
            if (art->type == kHostGroupArt && art->children.empty()) return true;
    return false;
}

}  // namespace

Broken CheckPanelShowsAFigure(const Host& host) {
    const Dialog* panel = host.Dialogs().Panel();
    if (panel == nullptr || !host.Started() || host.ModalWindows().Top() != nullptr)
        return std::nullopt;
    if (CreationUnderWay(host.Drawing())) return std::nullopt;
    std::array<double, 6> shown{};
    double sum = 0;
    for (size_t i = 0; i < 6; ++i) {
        const Item* item = Find(*panel, kLengthItems[i]);
        shown[i] = item != nullptr ? item->value : 0;
        sum += shown[i];
    }
    if (sum == 0) return std::nullopt;
    for (const Art* path : host.Drawing().Paths())
        if (Tagged(*path) && path->segments.size() == 4 &&
            ShowsFigure(*panel, shown, Anchors(*path)))
            return std::nullopt;
    return BrokenInvariant{"panel shows no figure of the document",
                           "side 1 " + std::to_string(shown[0]) + ", position " +
                               std::to_string(Find(*panel, kPositionH)->value) + ", " +
                               std::to_string(Find(*panel, kPositionV)->value)};
}

}  // namespace emulator
