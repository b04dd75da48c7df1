// Strain compatibility at one neutral axis: 0.003 at the extreme compression fibre, strains
// linear over the depth, elastic-perfectly-plastic steel, no concrete tension, and the stress
// block of 0.85 f'c over beta1*c.
#include "engine/strain_compat.h"

#include "engine/bar_table.h"
#include "engine/compression_zone.h"
#include "engine/neutral_axis_frame.h"
#include "engine/strength_reduction.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace pmsect {
namespace {

// Counted per thread: load checks run on several threads at once.
thread_local long long evaluations = 0;

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

bool writesLoadAngle(float Pn) {
    return std::fabs(Pn) > 0.001f;
}

long long evaluationCount() {
    return evaluations;
}

namespace {

// What an evaluation works out beyond Pn. Each part is computed by the same statements whatever
// else is asked for, so every part is the same to the last digit in every combination.
struct Parts {
    bool moments = false;   // Mn, with the centroid of the stress block
    bool phi = false;       // with the axial cap
    bool loadAngle = false; // needs moments
    bool detail = false;    // needs all of the above
};
constexpr Parts kAxialForce{};
constexpr Parts kAxialForceAndMoment{true, false, false, false};
constexpr Parts kSectionAxes{true, true, false, false};
constexpr Parts kState{true, true, true, false};
constexpr Parts kDetail{true, true, true, true};

template <Parts kParts>
void evaluate(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state,
              EvaluationDetail* detail, SectionMoments* moments, bool counted) {
    if (counted) {
        ++evaluations;
    }
    if (frame.unmatchedBarSize) {
        model.unmatchedBarSize = frame.unmatchedBarSize;
    }
    if (!(state.c >= kMinDepth)) {
        state.c = kMinDepth;
    }
    const float c = state.c;
    const float theta = frame.theta;
    const RotatedSection& section = frame.section;
    const int barCount = section.barCount;

    // Steel, first the strain and force of each bar: they do not depend on one another, so this
    // loop is free of the order of the sums below. A bar in the compression zone carries its
    // full stress; the concrete it displaces is already left out of Ac.
    const double fy = model.fy;
    const double Es = model.Es;
    const double cd = c;
    std::array<float, kMaxBars> strains;
    std::array<float, kMaxBars> forces;
    std::array<double, kMaxBars> aboutX; // F y, taken off Mxr
    std::array<double, kMaxBars> aboutY; // F x, taken off Myr
    for (int i = 0; i < barCount; ++i) {
        const float strain = static_cast<float>(-0.003 * (cd - frame.barDepth[i]) / cd);
        strains[i] = strain;
        double fs = static_cast<double>(strain) * Es;
        fs = fs < -fy ? -fy : fs;
        fs = fs > fy ? fy : fs;
        const float F = static_cast<float>(frame.barArea[i] * fs / 1000.0);
        forces[i] = F;
        if constexpr (kParts.moments) {
            aboutX[i] = static_cast<double>(F) * frame.barY[i];
            aboutY[i] = static_cast<double>(F) * frame.barX[i];
        }
    }

    // Concrete: one force at the centroid of the compressed area, bars deducted.
    CompressionZone zone;
    if constexpr (kParts.moments) {
        measureCompressionZone(section, model.beta1, c, zone);
    } else {
        zone.Ac = compressedNetArea(section, model.beta1, c);
    }
    const float Cc = static_cast<float>(-0.85 * model.fpc * zone.Ac / 1000.0);
    float C = Cc;
    float Sx = 0;
    float Sy = 0;
    if constexpr (kParts.detail) {
        Sx = static_cast<float>(static_cast<double>(Cc) * zone.centroidX);
        Sy = static_cast<float>(static_cast<double>(Cc) * zone.centroidY);
    }
    float T = 0;
    float Tx = 0;
    float Ty = 0;
    float Mxr = 0;
    float Myr = 0;
    if constexpr (kParts.moments) {
        Mxr = static_cast<float>(-static_cast<double>(Cc) * zone.centroidY);
        Myr = static_cast<float>(-static_cast<double>(Cc) * zone.centroidX);
    }

    // Steel, then the sums in the bars' order. With no bars the strain of an earlier
    // evaluation stands.
    float maxStrain = barCount > 0 ? strains[0] : model.maxSteelStrain;
    for (int i = 0; i < barCount; ++i) {
        const PlacedArea& bar = section.bars[i];
        const float strain = strains[i];
        maxStrain = strain > maxStrain ? strain : maxStrain;
        const float F = forces[i];
        if (F < 0) {
            C = static_cast<float>(static_cast<double>(C) + F);
            if constexpr (kParts.detail) {
                Sx = static_cast<float>(Sx + static_cast<double>(F) * bar.x);
                Sy = static_cast<float>(Sy + static_cast<double>(F) * bar.y);
            }
        } else {
            T = static_cast<float>(static_cast<double>(T) + F);
            if constexpr (kParts.detail) {
                Tx = static_cast<float>(Tx + static_cast<double>(F) * bar.x);
                Ty = static_cast<float>(Ty + static_cast<double>(F) * bar.y);
            }
        }
        if constexpr (kParts.moments) {
            Mxr = static_cast<float>(Mxr - aboutX[i]);
            Myr = static_cast<float>(Myr - aboutY[i]);
        }
    }

    model.maxSteelStrain = maxStrain;

    const float Pn = static_cast<float>(static_cast<double>(C) + T);
    state.Pn = Pn;
    if constexpr (kParts.moments) {
        float Mn = static_cast<float>(
            std::sqrt(static_cast<double>(Mxr) * Mxr + static_cast<double>(Myr) * Myr));
        if (Mxr < 0) {
            Mn = -Mn;
        }
        state.Mn = Mn;
    }
    if constexpr (kParts.phi) {
        const float phi = strengthReductionFactor(model, model.maxSteelStrain);
        state.phi = cappedStrengthReductionFactor(model, phi, Pn);
    }

    float ex = 0;
    float ey = 0;
    if constexpr (kParts.loadAngle) {
        if (writesLoadAngle(Pn)) {
            ex = static_cast<float>(-static_cast<double>(Myr) / Pn);
            ey = static_cast<float>(-static_cast<double>(Mxr) / Pn);
            state.loadAngle = static_cast<float>(loadLineAngle(ex, ey) -
                                                 static_cast<double>(theta) * 180.0 / kPi);
        }
    }

    // Back to the section's own axes, by the turn the section was given.
    const double sinBack = -frame.sinTheta;
    const double cosBack = frame.cosTheta;
    if (moments) {
        moments->Mnx = static_cast<float>(Myr * sinBack + Mxr * cosBack);
        moments->Mny = static_cast<float>(Myr * cosBack - Mxr * sinBack);
    }

    if constexpr (kParts.detail) {
        const bool loadAngleWritten = writesLoadAngle(Pn);
        detail->tensionForce = T;
        detail->compressionForce = C;
        detail->Ac = zone.Ac;
        detail->grossCompArea = zone.grossCompArea;
        detail->Mnx = static_cast<float>(Myr * sinBack + Mxr * cosBack);
        detail->Mny = static_cast<float>(Myr * cosBack - Mxr * sinBack);
        detail->clippedCount = zone.clippedCount;
        std::copy_n(zone.clipped.begin(), zone.clippedCount, detail->clipped.begin());
        std::fill(detail->clipped.begin() + zone.clippedCount, detail->clipped.end(), Point{});
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

} // namespace

void solveNeutralAxis(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state,
                      EvaluationDetail* detail) {
    if (detail) {
        evaluate<kDetail>(model, frame, state, detail, nullptr, true);
    } else {
        evaluate<kState>(model, frame, state, nullptr, nullptr, true);
    }
}

void remeasureNeutralAxis(ProjectModel& model, const NeutralAxisFrame& frame,
                          NeutralAxisState& state) {
    evaluate<kState>(model, frame, state, nullptr, nullptr, false);
}

void solveNeutralAxis(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state,
                      SectionMoments& moments) {
    evaluate<kSectionAxes>(model, frame, state, nullptr, &moments, true);
}

void solveAxialForce(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state) {
    evaluate<kAxialForce>(model, frame, state, nullptr, nullptr, true);
}

void solveAxialForceAndMoment(ProjectModel& model, const NeutralAxisFrame& frame,
                              NeutralAxisState& state) {
    evaluate<kAxialForceAndMoment>(model, frame, state, nullptr, nullptr, true);
}

namespace {

// The frame of the last evaluation made on its own. A caller that moves only the depth (the
// single-point window, a search of its own) then has the section turned once. The model the
// frame was made from is copied, to be compared, from the second evaluation at an angle on, so
// that a caller that turns the neutral axis every time pays nothing for it; any change of the
// angle, outline, reference point or bars turns the section anew.
struct LastFrame {
    bool valid = false;
    bool modelKept = false;
    float angle = 0;
    int pointCount = 0;
    float refX = 0;
    float refY = 0;
    int numPoints = 0;
    int numBars = 0;
    std::array<Point, kMaxPoints> points;
    std::array<Bar, kMaxBars> bars;
    NeutralAxisFrame frame;
};

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

const NeutralAxisFrame& frameFor(const ProjectModel& model, int pointCount, float angle) {
    thread_local LastFrame last;
    const bool sameAngle = last.valid && sameBits(last.angle, angle);
    if (!sameAngle) {
        prepareNeutralAxisFrame(model, pointCount, angle, last.frame);
        last.valid = true;
        last.modelKept = false;
        last.angle = angle;
        return last.frame;
    }
    const auto outline = outlinePoints(model);
    const auto bars = modelBars(model);
    const bool sameModel =
        last.modelKept && last.pointCount == pointCount && sameBits(last.refX, model.refX) &&
        sameBits(last.refY, model.refY) && last.numPoints == static_cast<int>(outline.size()) &&
        last.numBars == static_cast<int>(bars.size()) &&
        std::memcmp(last.points.data(), outline.data(), outline.size_bytes()) == 0 &&
        std::memcmp(last.bars.data(), bars.data(), bars.size_bytes()) == 0;
    if (!sameModel) {
        prepareNeutralAxisFrame(model, pointCount, angle, last.frame);
        last.modelKept = true;
        last.pointCount = pointCount;
        last.refX = model.refX;
        last.refY = model.refY;
        last.numPoints = static_cast<int>(outline.size());
        last.numBars = static_cast<int>(bars.size());
        std::copy(outline.begin(), outline.end(), last.points.begin());
        std::copy(bars.begin(), bars.end(), last.bars.begin());
    }
    return last.frame;
}

} // namespace

void solveNeutralAxis(ProjectModel& model, int pointCount, float angle, NeutralAxisState& state,
                      EvaluationDetail* detail) {
    solveNeutralAxis(model, frameFor(model, pointCount, angle), state, detail);
}

} // namespace pmsect
