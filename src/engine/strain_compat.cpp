// Strain compatibility at one neutral axis: 0.003 at the extreme compression fibre, strains
// linear over the depth, elastic-perfectly-plastic steel, no concrete tension, and the stress
// block of 0.85 f'c over beta1*c.
#include "engine/strain_compat.h"

#include "engine/bar_table.h"
#include "engine/compression_zone.h"
#include "engine/strength_reduction.h"

#include <cmath>

namespace pmsect {
namespace {

long long evaluations = 0;

constexpr double kPi = 3.1415; // the program's own value of pi for degrees and radians
constexpr float kMinDepth = 0.001f;

// Direction of the line from the reference point to the point (ex, ey) where Pn acts, in
// [0, 180) degrees in the turned frame; a point on the +x axis gives 180.
double loadLineAngle(float ex, float ey) {
    const auto d = [](double v) { return std::atan(v) * 180.0 / kPi; };
    if (ey <= 0) {
        if (ex > 0.0001f) {
            return 180.0 - d(-static_cast<double>(ey) / ex);
        }
        if (ex >= -0.0001f) {
            return 90.0;
        }
        return d(static_cast<double>(ey) / ex);
    }
    if (ex > 0.0001f) {
        return d(static_cast<double>(ey) / ex);
    }
    if (ex >= -0.0001f) {
        return 90.0;
    }
    return 180.0 - d(-static_cast<double>(ey) / ex);
}

} // namespace

long long evaluationCount() {
    return evaluations;
}

void solveNeutralAxis(ProjectModel& model, int pointCount, float angle, NeutralAxisState& state,
                      EvaluationDetail* detail) {
    ++evaluations;
    if (!(state.c >= kMinDepth)) {
        state.c = kMinDepth;
    }
    const float c = state.c;
    const float theta = static_cast<float>(-static_cast<double>(angle) / 180.0 * kPi);

    RotatedSection section;
    rotateSection(model, pointCount, theta, section, &model.unmatchedBarSize);
    CompressionZone zone;
    measureCompressionZone(section, model.beta1, c, zone);

    // Concrete: one force at the centroid of the compressed area, bars deducted.
    const float Cc = static_cast<float>(-0.85 * model.fpc * zone.Ac / 1000.0);
    float C = Cc;
    float Sx = static_cast<float>(static_cast<double>(Cc) * zone.centroidX);
    float Sy = static_cast<float>(static_cast<double>(Cc) * zone.centroidY);
    float T = 0;
    float Tx = 0;
    float Ty = 0;
    float Mxr = static_cast<float>(-static_cast<double>(Cc) * zone.centroidY);
    float Myr = static_cast<float>(-static_cast<double>(Cc) * zone.centroidX);

    // Steel: a bar in the compression zone carries its full stress; the concrete it displaces
    // is already left out of Ac.
    const double fy = model.fy;
    const double Es = model.Es;
    // With no bars the strain of an earlier evaluation stands.
    float maxStrain = model.maxSteelStrain;
    for (int i = 0; i < section.barCount; ++i) {
        const PlacedArea& bar = section.bars[i];
        const float strain = static_cast<float>(
            -0.003 * (static_cast<double>(c) - (static_cast<double>(section.ymax) - bar.y)) / c);
        if (i == 0 || strain > maxStrain) {
            maxStrain = strain;
        }
        double fs = static_cast<double>(strain) * Es;
        if (fs < -fy) {
            fs = -fy;
        }
        if (fs > fy) {
            fs = fy;
        }
        const double area = bar.area;
        const float F = static_cast<float>(area * fs / 1000.0);
        if (F < 0) {
            C = static_cast<float>(static_cast<double>(C) + F);
            Sx = static_cast<float>(Sx + static_cast<double>(F) * bar.x);
            Sy = static_cast<float>(Sy + static_cast<double>(F) * bar.y);
        } else {
            T = static_cast<float>(static_cast<double>(T) + F);
            Tx = static_cast<float>(Tx + static_cast<double>(F) * bar.x);
            Ty = static_cast<float>(Ty + static_cast<double>(F) * bar.y);
        }
        Mxr = static_cast<float>(Mxr - static_cast<double>(F) * bar.y);
        Myr = static_cast<float>(Myr - static_cast<double>(F) * bar.x);
    }

    model.maxSteelStrain = maxStrain;

    const float Pn = static_cast<float>(static_cast<double>(C) + T);
    float Mn = static_cast<float>(
        std::sqrt(static_cast<double>(Mxr) * Mxr + static_cast<double>(Myr) * Myr));
    if (Mxr < 0) {
        Mn = -Mn;
    }
    float phi = strengthReductionFactor(model, model.maxSteelStrain);
    phi = cappedStrengthReductionFactor(model, phi, Pn);

    const bool loadAngleWritten = std::fabs(Pn) > 0.001f;
    float ex = 0;
    float ey = 0;
    if (loadAngleWritten) {
        ex = static_cast<float>(-static_cast<double>(Myr) / Pn);
        ey = static_cast<float>(-static_cast<double>(Mxr) / Pn);
        state.loadAngle =
            static_cast<float>(loadLineAngle(ex, ey) - static_cast<double>(theta) * 180.0 / kPi);
    }
    state.Pn = Pn;
    state.Mn = Mn;
    state.phi = phi;

    if (detail) {
        const double minusTheta = -static_cast<double>(theta);
        detail->tensionForce = T;
        detail->compressionForce = C;
        detail->Ac = zone.Ac;
        detail->grossCompArea = zone.grossCompArea;
        detail->Mnx = static_cast<float>(Myr * std::sin(minusTheta) + Mxr * std::cos(minusTheta));
        detail->Mny = static_cast<float>(Myr * std::cos(minusTheta) - Mxr * std::sin(minusTheta));
        detail->clippedCount = zone.clippedCount;
        detail->clipped = zone.clipped;
        detail->neutralAxisY = static_cast<float>(static_cast<double>(section.ymax) - c);
        detail->compressionResultant = {C != 0 ? Sx / C : 0.0f, C != 0 ? Sy / C : 0.0f};
        if (T > 0.0001f) {
            detail->tensionResultant = {Tx / T, Ty / T};
        } else {
            detail->tensionResultant = {3 * (section.xmax - section.xmin),
                                        3 * (section.ymax - section.ymin)};
        }
        detail->loadPoint =
            loadAngleWritten ? Point{ex, ey} : Point{3 * section.xmax, 3 * section.ymax};
        detail->loadAngleWritten = loadAngleWritten;
        detail->theta = theta;
    }
}

} // namespace pmsect
