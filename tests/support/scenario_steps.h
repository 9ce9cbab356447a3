// Writing the lines of a scenario from points, as tests build them.
#pragma once

#include <string>
#include <vector>

#include "tests/support/state_lookup.h"

// The scenario line "ACTION X Y" (move, down, drag, up, click) at POINT.
std::string Step(const std::string& action, const Point& point);

// A click at each of POINTS in turn.
std::string Clicks(const std::vector<Point>& points);
