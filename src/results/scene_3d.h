// The 3D scene shared by the results window's view and the large view: the moment scale that
// proportions the surface, the model coordinates of its points, the projection for two viewing
// angles and the fit of the projected scene into a picture.
#pragma once

#include "engine/interaction_surface.h"
#include "engine/section_results.h"
#include "model/project_model.h"

namespace pmsect {

// The results window sizes the scene from the stored extents, the large view from the points.
enum class MomentScaleSource { Extents, Points };

struct MomentScale {
    float mMax = 0; // largest Mn, kip-in
    float pMax = 0; // largest Pn, kips
    float pMin = 0; // smallest Pn, kips
    double k = 1;   // model units per kip-in: 1.5*(pMax - pMin)/(2*mMax), or 1 when that is not
                    // a positive finite number (no moment or no axial range)
};

MomentScale momentScaleFromExtents(const SurfaceExtents& extents);
// Over the found points of directions 1..sections and rows 1..rowCount, each value from 0.
MomentScale momentScaleFromPoints(const SurfaceData& surface);

struct ModelPoint {
    double X = 0; // Mnx * k
    double Y = 0; // Pn, kips
    double Z = 0; // Mny * k
};

// The plane angle of direction j in radians: (j - 1)*360/sections degrees.
double directionPlaneAngle(int j, int sections);
ModelPoint nominalPoint(const SurfaceData& surface, int j, int i, double k);
// phi*Pn is held at phiPnMaxKips (phiPnMax/1000) when it would be more compressive.
ModelPoint reducedPoint(const SurfaceData& surface, int j, int i, double k, float phiPnMaxKips);

struct Projected {
    double u = 0;
    double w = 0;
};

// Angles in radians.
Projected projectPoint(const ModelPoint& p, double H, double V);

struct ScreenPoint {
    double x = 0;
    double y = 0;
};

class Scene3D {
public:
    // hDeg, vDeg: the viewing angles as the views show them; width, height: the picture. The
    // fit frames the surface's nominal points, the axes and, when given, the model's loads and
    // their capacity points as section keeps their checks, at the smaller of the two scales, so
    // that all of them stay inside the picture with a margin at every angle.
    Scene3D(const SurfaceData& surface, double hDeg, double vDeg, double width, double height,
            MomentScaleSource source, const ProjectModel* loads = nullptr,
            const SectionResults* section = nullptr);

    // Enlarges the fitted scene about the picture's centre; factors that are not positive and
    // finite are ignored.
    void zoom(double factor);

    const MomentScale& scale() const { return scale_; }
    double k() const { return scale_.k; }
    double screenScale() const { return s_; }
    // Whether there is anything besides the axes to draw: found points with an extent and a
    // positive largest moment to size the loads and the section by.
    bool hasSurface() const { return surfaceExtent_ && scale_.mMax > 0; }

    // The axes: moment axes along X and Z from -momentAxisHalf to +momentAxisHalf, the Pn axis
    // from pAxisLow to pAxisHigh. An empty surface gets unit axes so that they still show.
    double momentAxisHalf() const { return momentAxisHalf_; }
    double pAxisLow() const { return pAxisLow_; }
    double pAxisHigh() const { return pAxisHigh_; }

    Projected project(const ModelPoint& p) const { return projectPoint(p, H_, V_); }
    ScreenPoint toScreen(const ModelPoint& p) const;

private:
    void fit(const SurfaceData& surface, const ProjectModel* loads, const SectionResults* section);

    MomentScale scale_;
    double H_ = 0;
    double V_ = 0;
    double width_ = 0;
    double height_ = 0;
    double s_ = 1;
    double uMin_ = 0;
    double du_ = 0;
    double wMax_ = 0;
    double dw_ = 0;
    bool surfaceExtent_ = false;
    double momentAxisHalf_ = 0;
    double pAxisLow_ = 0;
    double pAxisHigh_ = 0;
};

} // namespace pmsect
