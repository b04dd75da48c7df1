// The main window's summary labels: the texts and colours made from the section summary in the
// current display units, and why a value is shown in red.
#pragma once

#include "engine/section_results.h"
#include "model/project_model.h"

#include <string>

namespace pmsect {

// Palette colours of the labels.
inline constexpr int kColourBlack = 0;
inline constexpr int kColourBrightRed = 12;

struct LabelText {
    std::string text;
    int colour = kColourBlack;
    // Why a value is shown in red; empty otherwise.
    std::string reason;
};

inline constexpr const char* kReinforcementOutsideLimitsReason =
    "The steel area is outside 1% to 8% of the gross area";
// "The steel strain is below the tension-controlled limit of 0.005"
std::string strainBelowTensionLimitReason(double limit);

// The pure-bending entries read "-" when the last summary found no strengths (a section without
// bars): nothing of an earlier section is left on screen.
inline constexpr const char* kNoPureBendingText = "-";

struct SummaryLabels {
    LabelText As, percentRein, grossArea, Po, phiPnMax, To, phiTnMax;
    LabelText posMnx, posPhiMnx, posStrainX; // compression on +y
    LabelText negMnx, negPhiMnx, negStrainX; // compression on -y
    LabelText posMny, posPhiMny, posStrainY; // compression on +x
    LabelText negMny, negPhiMny, negStrainY; // compression on -x
    // The design warnings, one a line (empty when there are none), in red.
    LabelText warnings;
};

// The labels of the summary whose results are section. strainCaptionColour is the colour of the
// "Pure Bending" caption, used for tension-controlled strains.
SummaryLabels summaryLabels(const ProjectModel& model, const SectionResults& section,
                            int strainCaptionColour = kColourBlack);

} // namespace pmsect
