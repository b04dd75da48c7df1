// The strength reduction factor phi, the cap on design compression, and the section's axial
// limits Po, phi*Pn(max), To and phi*Tn(max).
#pragma once

#include "model/project_model.h"

namespace pmsect {

inline constexpr float kPhiTied = 0.65f;
inline constexpr float kPnMaxTied = 0.80f;
inline constexpr float kPhiSpiral = 0.70f;
inline constexpr float kPnMaxSpiral = 0.85f;
inline constexpr float kPhiTension = 0.90f;

// Stores the tied or the spiral constants.
void applyConfinement(ProjectModel& model, bool spiral);

// phi for a net tensile strain (positive in tension): phiCompression up to 0.002, phiTension
// beyond 0.005, linear between.
float strengthReductionFactor(const ProjectModel& model, float netTensileStrain);

// The factor after the cap: a solution whose design compression would exceed phi*Pn(max) gets
// the phi that brings phi*Pn to exactly phi*Pn(max). Pn in kips.
float cappedStrengthReductionFactor(const ProjectModel& model, float phi, float Pn);

// Sum of the bar areas over bars 1..numBars, in^2.
float totalSteelArea(ProjectModel& model);

// Stores steelArea, Po, tenthFcAg, phiPnMax, To and phiTnMax (forces in lb).
void computeAxialLimits(ProjectModel& model);

} // namespace pmsect
