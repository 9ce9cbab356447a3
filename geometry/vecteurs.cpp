#include "geometry/vecteurs.h"

#include <cmath>

float Distance(HostRealPoint p, HostRealPoint q) {
    double dx = double{q.h} - p.h;
    double dy = double{q.v} - p.v;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

float Direction(HostRealPoint p, HostRealPoint q) {
    return static_cast<float>(std::atan2(double{q.v} - p.v, double{q.h} - p.h));
}

HostRealPoint PointPolaire(float r, double a) {
    return {static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a))};
}

HostRealPoint Somme(HostRealPoint p, HostRealPoint v) {
    return {p.h + v.h, p.v + v.v};
}

HostRealPoint Difference(HostRealPoint p, HostRealPoint v) {
    return {p.h - v.h, p.v - v.v};
}

HostRealPoint Projection(HostRealPoint p, HostRealPoint a, HostRealPoint b) {
    if (Distance(a, b) < kTolerance) return a;
    HostRealPoint u = Difference(b, a);
    float t = ((p.h - a.h) * u.h + (p.v - a.v) * u.v) / (u.h * u.h + u.v * u.v);
    return {a.h + t * u.h, a.v + t * u.v};
}

float ProduitVectoriel(HostRealPoint a, HostRealPoint b, HostRealPoint c, HostRealPoint d) {
    return (b.h - a.h) * (d.v - c.v) - (b.v - a.v) * (d.h - c.h);
}
