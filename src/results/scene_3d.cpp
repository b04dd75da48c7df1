// Moment scale, model coordinates, projection and fit of the 3D scene.
#include "results/scene_3d.h"

#include "engine/shortened_pi.h"
#include "project/checked_load_points.h"
#include "project/project_summary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pmsect {
namespace {

constexpr double kMargin = 1.2;

bool positiveFinite(double v) {
    return std::isfinite(v) && v > 0;
}

MomentScale withK(MomentScale m) {
    const double k = 1.5 * (static_cast<double>(m.pMax) - m.pMin) / (2.0 * m.mMax);
    // Without moments or without an axial range the ratio means nothing; moments then keep
    // their own size.
    m.k = positiveFinite(k) ? k : 1.0;
    return m;
}

struct Bounds {
    double uMin = 0;
    double uMax = 0;
    double wMin = 0;
    double wMax = 0;
    void add(const Projected& p) {
        if (!std::isfinite(p.u) || !std::isfinite(p.w)) {
            return;
        }
        uMin = std::min(uMin, p.u);
        uMax = std::max(uMax, p.u);
        wMin = std::min(wMin, p.w);
        wMax = std::max(wMax, p.w);
    }
};

} // namespace

MomentScale momentScaleFromExtents(const SurfaceExtents& extents) {
    MomentScale m;
    m.mMax = extents.MnMax;
    m.pMax = extents.PnMax;
    m.pMin = extents.PnMin;
    return withK(m);
}

MomentScale momentScaleFromPoints(const SurfaceData& surface) {
    MomentScale m;
    for (int j = 1; j <= surface.sections && j <= kMaxSurfaceSections; ++j) {
        for (int i = 1; i <= surface.rowCount && i <= kMaxCurveRows; ++i) {
            if (!surface.isFound(j, i)) {
                continue;
            }
            m.mMax = std::max(m.mMax, surface.Mn(j, i));
            m.pMax = std::max(m.pMax, surface.Pn(j, i));
            m.pMin = std::min(m.pMin, surface.Pn(j, i));
        }
    }
    return withK(m);
}

double directionPlaneAngle(int j, int sections) {
    if (sections <= 0) {
        return 0;
    }
    const auto degrees = static_cast<int16_t>((j - 1) * 360);
    return static_cast<double>(degrees) / sections * kShortPi / 180.0;
}

ModelPoint nominalPoint(const SurfaceData& surface, int j, int i, double k) {
    const double phiAngle = directionPlaneAngle(j, surface.sections);
    const double Mn = surface.Mn(j, i);
    return {Mn * k * std::cos(phiAngle), surface.Pn(j, i), -Mn * k * std::sin(phiAngle)};
}

ModelPoint reducedPoint(const SurfaceData& surface, int j, int i, double k, float phiPnMaxKips) {
    const double phiAngle = directionPlaneAngle(j, surface.sections);
    const double phi = surface.phi(j, i);
    const double Mn = phi * surface.Mn(j, i);
    // The cap on design compression flattens the top of the reduced surface.
    const double Y = std::max(phi * surface.Pn(j, i), static_cast<double>(phiPnMaxKips));
    return {Mn * k * std::cos(phiAngle), Y, -Mn * k * std::sin(phiAngle)};
}

Projected projectPoint(const ModelPoint& p, double H, double V) {
    return {p.X * std::cos(H) + p.Z * std::sin(H),
            p.X * std::sin(H) * std::sin(V) + p.Y * std::cos(V) - p.Z * std::cos(H) * std::sin(V)};
}

Scene3D::Scene3D(const SurfaceData& surface, double hDeg, double vDeg, double width, double height,
                 MomentScaleSource source, const ProjectModel* loads, const SectionResults* section)
    : scale_(source == MomentScaleSource::Extents ? momentScaleFromExtents(surface.extents)
                                                  : momentScaleFromPoints(surface)),
      H_(hDeg * kShortPi / 180.0), V_(vDeg * kShortPi / 180.0), width_(width), height_(height) {
    momentAxisHalf_ = scale_.mMax * scale_.k;
    pAxisLow_ = 1.1 * scale_.pMin;
    pAxisHigh_ = 1.1 * scale_.pMax;
    if (!(momentAxisHalf_ > 0) && !(pAxisHigh_ > pAxisLow_)) {
        momentAxisHalf_ = 1;
        pAxisLow_ = -1.1;
        pAxisHigh_ = 1.1;
    }
    fit(surface, loads, section);
}

void Scene3D::fit(const SurfaceData& surface, const ProjectModel* loads,
                  const SectionResults* section) {
    Bounds b;
    for (int j = 1; j <= surface.sections && j <= kMaxSurfaceSections; ++j) {
        for (int i = 1; i <= surface.rowCount && i <= kMaxCurveRows; ++i) {
            if (surface.isFound(j, i)) {
                b.add(project(nominalPoint(surface, j, i, scale_.k)));
            }
        }
    }
    surfaceExtent_ = b.uMax - b.uMin > 0 || b.wMax - b.wMin > 0;
    // The axes run past the surface at some angles; they are framed with it, and the loads
    // with their capacities, so that nothing drawn leaves the picture.
    const double m = momentAxisHalf_;
    for (const ModelPoint& p :
         {ModelPoint{-m, 0, 0}, ModelPoint{m, 0, 0}, ModelPoint{0, 0, -m}, ModelPoint{0, 0, m},
          ModelPoint{0, pAxisLow_, 0}, ModelPoint{0, pAxisHigh_, 0}}) {
        b.add(project(p));
    }
    if (loads && section && surfaceExtent_) {
        const double k = scale_.k;
        const std::vector<CheckedLoadPoint> points = checkedLoadPoints(*loads);
        for (int n = 1; n <= loads->loads.count(); ++n) {
            const LoadResult r =
                storedLoadCheck(*section, *loads, static_cast<std::size_t>(n)).result;
            const CheckedLoadPoint& load = points[static_cast<std::size_t>(n - 1)];
            b.add(project({load.Mx * 12.0 * k, load.Pu, load.My * 12.0 * k}));
            b.add(project({r.phiMnx * 12.0 * k, r.phiPn, r.phiMny * 12.0 * k}));
        }
    }
    uMin_ = b.uMin;
    du_ = b.uMax - b.uMin;
    wMax_ = b.wMax;
    dw_ = b.wMax - b.wMin;

    // The smaller candidate, so that the scene fits both ways with a margin; a zero extent gives
    // no candidate.
    double s = std::numeric_limits<double>::infinity();
    if (dw_ > 0) {
        s = std::min(s, height_ / (kMargin * dw_));
    }
    if (du_ > 0) {
        s = std::min(s, width_ / (kMargin * du_));
    }
    s_ = positiveFinite(s) ? s : 1.0;
}

void Scene3D::zoom(double factor) {
    if (positiveFinite(factor)) {
        s_ *= factor;
    }
}

ScreenPoint Scene3D::toScreen(const ModelPoint& p) const {
    const Projected q = project(p);
    return {width_ / 2 + s_ * (q.u - (uMin_ + du_ / 2)),
            height_ / 2 + s_ * (q.w - (wMax_ - dw_ / 2))};
}

} // namespace pmsect
