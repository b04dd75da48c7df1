// What one strain-compatibility evaluation at a neutral axis gives its caller: the state a
// search carries from step to step, and the detail the single-point window draws.
#pragma once

#include "engine/compression_zone.h"
#include "model/section_geometry.h"

#include <array>

namespace pmsect {

// The caller's variables of one evaluation. c may be raised to the minimum depth; the load
// angle is left as the caller had it when the axial force is practically zero.
struct NeutralAxisState {
    float c = 0;         // depth of the neutral axis below the extreme compression fibre, in
    float Pn = 0;        // kips, negative in compression
    float Mn = 0;        // kip-in, signed by its component about the rotated x axis
    float loadAngle = 0; // degrees
    float phi = 0;
    // The largest bar strain, positive in tension; 0 for a section without bars, which has no
    // tension steel and is compression-controlled.
    float netTensileStrain = 0;
};

// What the single-point window shows of one evaluation. Positions are in the frame turned by
// the neutral-axis angle, measured from the reference point.
struct EvaluationDetail {
    float tensionForce = 0;     // kips
    float compressionForce = 0; // kips
    float Ac = 0;               // concrete area in compression, bars deducted, in^2
    float grossCompArea = 0;    // stress-block area before the bars are deducted, in^2
    float Mnx = 0;              // kip-in about the section's own axes
    float Mny = 0;
    int clippedCount = 0;
    std::array<Point, kMaxClippedPoints> clipped{}; // 0-based
    float neutralAxisY = 0;
    Point compressionResultant{};
    Point tensionResultant{};
    Point loadPoint{};
    bool loadAngleWritten = false;
    float theta = 0; // radians, the turn applied to the section
};

} // namespace pmsect
