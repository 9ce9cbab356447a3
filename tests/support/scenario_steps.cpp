#include "tests/support/scenario_steps.h"

std::string Step(const std::string& action, const Point& point) {
    return action + " " + std::to_string(point.first) + " " + std::to_string(point.second) + "\n";
}

std::string Clicks(const std::vector<Point>& points) {
    std::string steps;
    for (const Point& point : points) steps += Step("click", point);
    return steps;
}
