// One of the four pure-bending runs of the section summary, as the main window shows it.
#pragma once

namespace pmsect {

struct PureBendingResult {
    float neutralAxisAngle = 0; // degrees
    float Mn = 0;               // kip-in, signed as shown
    float phiMn = 0;            // kip-in, signed as shown
    float maxSteelStrain = 0;   // the net tensile strain of the run's own evaluation
};

} // namespace pmsect
