// Strain compatibility at one neutral axis: the design code's limiting strain at the extreme
// compression fibre, strains linear over the depth, the code's steel law, no concrete tension,
// and the code's stress block.
#include "engine/strain_compat.h"

#include "engine/compression_zone.h"
#include "engine/neutral_axis_frame.h"
#include "engine/shortened_pi.h"
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

constexpr float kMinDepth = 0.001f;

// Direction of the line from the reference point to the point (ex, ey) where Pn acts, in
// [0, 180) degrees in the turned frame; a point on the +x axis gives 180.
double loadLineAngle(float ex, float ey) {
    const auto d = [](double v) { return std::atan(v) * 180.0 / kShortPi; };
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
void evaluate(const EngineInputs& inputs, const NeutralAxisFrame& frame, NeutralAxisState& state,
              EvaluationDetail* detail, SectionMoments* moments, bool counted) {
    if (counted) {
        ++evaluations;
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
    const SteelLaw steel = frame.steel;
    const double limitingStrain = frame.block.limitingStrain;
    const double cd = c;
    std::array<float, kMaxBars> strains;
    std::array<float, kMaxBars> forces;
    std::array<double, kMaxBars> aboutX; // F y, taken off Mxr
    std::array<double, kMaxBars> aboutY; // F x, taken off Myr
    for (int i = 0; i < barCount; ++i) {
        const float strain = static_cast<float>(-limitingStrain * (cd - frame.barDepth[i]) / cd);
        strains[i] = strain;
        const double fs = steel.stress(strain);
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
        measureCompressionZone(section, frame.block.depthFactor, c, zone);
    } else {
        zone.Ac = compressedNetArea(section, frame.block.depthFactor, c);
    }
    const float Cc =
        static_cast<float>(-frame.block.stressFactor * inputs.materials.fpc * zone.Ac / 1000.0);
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

    // Steel, then the sums in the bars' order.
    float maxStrain = barCount > 0 ? strains[0] : 0.0f;
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

    state.netTensileStrain = maxStrain;

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
        // A section without bars has no tension steel: compression-controlled.
        const float phi = barCount > 0
                              ? strengthReductionFactor(inputs, maxStrain)
                              : inputs.code->strengthFactors(inputs.confinement).phiCompression;
        state.phi = cappedStrengthReductionFactor(frame.phiPnMax, phi, Pn);
    }

    float ex = 0;
    float ey = 0;
    if constexpr (kParts.loadAngle) {
        if (writesLoadAngle(Pn)) {
            ex = static_cast<float>(-static_cast<double>(Myr) / Pn);
            ey = static_cast<float>(-static_cast<double>(Mxr) / Pn);
            state.loadAngle = static_cast<float>(loadLineAngle(ex, ey) -
                                                 static_cast<double>(theta) * 180.0 / kShortPi);
        }
    }

    if (moments) {
        moments->Mnx = static_cast<float>(Myr * frame.sinMinusTheta + Mxr * frame.cosMinusTheta);
        moments->Mny = static_cast<float>(Myr * frame.cosMinusTheta - Mxr * frame.sinMinusTheta);
    }

    if constexpr (kParts.detail) {
        const bool loadAngleWritten = writesLoadAngle(Pn);
        detail->tensionForce = T;
        detail->compressionForce = C;
        detail->Ac = zone.Ac;
        detail->grossCompArea = zone.grossCompArea;
        detail->Mnx = static_cast<float>(Myr * frame.sinMinusTheta + Mxr * frame.cosMinusTheta);
        detail->Mny = static_cast<float>(Myr * frame.cosMinusTheta - Mxr * frame.sinMinusTheta);
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

void solveNeutralAxis(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                      NeutralAxisState& state, EvaluationDetail* detail) {
    if (detail) {
        evaluate<kDetail>(inputs, frame, state, detail, nullptr, true);
    } else {
        evaluate<kState>(inputs, frame, state, nullptr, nullptr, true);
    }
}

void remeasureNeutralAxis(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                          NeutralAxisState& state) {
    evaluate<kState>(inputs, frame, state, nullptr, nullptr, false);
}

void solveNeutralAxis(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                      NeutralAxisState& state, SectionMoments& moments) {
    evaluate<kSectionAxes>(inputs, frame, state, nullptr, &moments, true);
}

void solveAxialForce(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                     NeutralAxisState& state) {
    evaluate<kAxialForce>(inputs, frame, state, nullptr, nullptr, true);
}

void solveAxialForceAndMoment(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                              NeutralAxisState& state) {
    evaluate<kAxialForceAndMoment>(inputs, frame, state, nullptr, nullptr, true);
}

namespace {

// The frame of the last evaluation made on its own. A caller that moves only the depth (the
// single-point window, a search of its own) then has the section turned once. The inputs the
// frame was made from are copied, to be compared, from the second evaluation at an angle on, so
// that a caller that turns the neutral axis every time pays nothing for it; any change of the
// angle or of the inputs (bit for bit) prepares the frame anew.
struct LastFrame {
    bool valid = false;
    bool inputsKept = false;
    float angle = 0;
    EngineInputs inputs;
    NeutralAxisFrame frame;
};

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

template <class T> bool sameBytes(const std::vector<T>& a, const std::vector<T>& b) {
    // An empty vector may hold no storage at all, and memcmp must not be given a null pointer.
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool sameInputs(const EngineInputs& a, const EngineInputs& b) {
    const SectionGeometry& s = a.section;
    const SectionGeometry& t = b.section;
    const Materials& m = a.materials;
    const Materials& n = b.materials;
    return a.code == b.code && a.confinement == b.confinement && sameBits(m.fpc, n.fpc) &&
           m.fy == n.fy && m.Es == n.Es && sameBits(s.reference.x, t.reference.x) &&
           sameBits(s.reference.y, t.reference.y) && sameBits(s.grossArea, t.grossArea) &&
           sameBytes(s.outline, t.outline) && sameBytes(s.bars, t.bars);
}

const NeutralAxisFrame& frameFor(const EngineInputs& inputs, float angle) {
    thread_local LastFrame last;
    const bool sameAngle = last.valid && sameBits(last.angle, angle);
    if (!sameAngle) {
        prepareNeutralAxisFrame(inputs, angle, last.frame);
        last.valid = true;
        last.inputsKept = false;
        last.angle = angle;
        return last.frame;
    }
    if (!last.inputsKept || !sameInputs(last.inputs, inputs)) {
        prepareNeutralAxisFrame(inputs, angle, last.frame);
        last.inputsKept = true;
        last.inputs = inputs;
    }
    return last.frame;
}

} // namespace

void solveNeutralAxis(const EngineInputs& inputs, float angle, NeutralAxisState& state,
                      EvaluationDetail* detail) {
    solveNeutralAxis(inputs, frameFor(inputs, angle), state, detail);
}

StrainCompatibility evaluateNeutralAxis(const EngineInputs& inputs, float angle, float c) {
    NeutralAxisState state;
    state.c = c;
    SectionMoments moments;
    solveNeutralAxis(inputs, frameFor(inputs, angle), state, moments);
    return {state.c, state.Pn, moments.Mnx, moments.Mny, state.netTensileStrain, state.phi};
}

} // namespace pmsect
