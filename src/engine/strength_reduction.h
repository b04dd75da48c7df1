// The strength reduction factor phi, the cap on design compression, and the section's axial
// limits Po, phi*Pn(max), To and phi*Tn(max). phi follows the project's edition of ACI 318:
// 318-05 9.3.2 (limits 0.002 and 0.005), 318-14 Table 21.2.2 (eps_ty and 0.005) and 318-19
// Table 21.2.2 (eps_ty and eps_ty + 0.003), with a spiral's base 0.70 in 318-05, 0.75 after.
#pragma once

#include "model/project_model.h"

namespace pmsect {

inline constexpr float kPhiTied = 0.65f;
inline constexpr float kPnMaxTied = 0.80f;
inline constexpr float kPhiSpiral = 0.70f; // ACI 318-05
inline constexpr float kPhiSpiralSince2014 = 0.75f;
inline constexpr float kPnMaxSpiral = 0.85f;
inline constexpr float kPhiTension = 0.90f;

// Stores the tied or the spiral constants of the model's design code edition.
void applyConfinement(ProjectModel& model, bool spiral);

// The model keeps the factors, not the choice; the spiral's axial cap factor, the same in every
// edition, is what marks a spiral.
inline bool isSpiral(const ProjectModel& model) {
    return model.pnMaxFactor == kPnMaxSpiral;
}

// Sets the edition and the confinement constants that follow from it.
void applyDesignCode(ProjectModel& model, DesignCode code);

// The net tensile strains that bound the transition of phi: at or below `compression` a section
// is compression-controlled, beyond `tension` tension-controlled.
struct StrainLimits {
    double compression;
    double tension;
};
StrainLimits strainLimits(const ProjectModel& model);

// phi for a net tensile strain (positive in tension): phiCompression up to the compression-
// controlled limit, phiTension beyond the tension-controlled limit, linear between.
float strengthReductionFactor(const ProjectModel& model, float netTensileStrain);

// The factor after the cap: a solution whose design compression would exceed phi*Pn(max) gets
// the phi that brings phi*Pn to exactly phi*Pn(max). Pn in kips.
float cappedStrengthReductionFactor(const ProjectModel& model, float phi, float Pn);

// Sum of the bar areas over bars 1..numBars, in^2.
float totalSteelArea(ProjectModel& model);

// Stores steelArea, Po, tenthFcAg, phiPnMax, To and phiTnMax (forces in lb).
void computeAxialLimits(ProjectModel& model);

} // namespace pmsect
