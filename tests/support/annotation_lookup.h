// Reading the annotation layer's last draw cycle from the host's JSON state: its drawing
// operations, its labels and its right-angle marks, in view pixels.
#pragma once

#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "tests/support/state_lookup.h"

// The pixel of the first view showing the artwork point POINT at ZOOM: the view opens on
// the A4 page with its top-left corner (0, 842) at pixel (0, 0), vertical axis down.
Point InView(const Point& point, double zoom = 1);

// The last cycle's drawing operations OP ("line", "rect", "ellipse", "text"), in order.
std::vector<emulator::Json> Drawn(const emulator::Json& state, const std::string& op);

// A label: its filled box and the text drawn in it right after.
struct Label {
    emulator::Json box;
    emulator::Json text;
};
std::vector<Label> Labels(const emulator::Json& state);

// A right-angle mark: the strokes Q to P and R to P, drawn one after the other.
struct Mark {
    Point q, r, p;
};
std::vector<Mark> Marks(const emulator::Json& state);

// The strokes of the right angle at vertex V between the sides to N1 and N2, SIDE pixels
// long: Q and R on the sides, P closing the square inside the angle.
Mark ExpectedMark(const Point& v, const Point& n1, const Point& n2, double side);

// Whether A and B are the same pixels, within a pixel for rounding.
bool SameMark(const Mark& a, const Mark& b);
