// What the check of one factored load gives: where its load line points, the design capacity
// found on it and the check ratio.
#pragma once

namespace pmsect {

// In the program's units: the eccentricity in inches (negative for a tensile load; 10000 stands
// for the infinite one of a load without axial force), the moment direction in degrees, phi*Pn in
// kips and phi*Mnx, phi*Mny in kip-ft with the signs of the load's moments. A load whose capacity
// was not found on its load line keeps its eccentricity and angle only, and fails.
struct LoadResult {
    float eccentricity = 0;
    float angle = 0;
    float phiPn = 0;
    float phiMnx = 0;
    float phiMny = 0;
    float ratio = 0;
    bool capacityFound = true;
};

} // namespace pmsect
