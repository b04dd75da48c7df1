// A slender member as the moment magnifier takes it: the member's data and its section's values
// about each axis (the gross moment of inertia, that of the bars, the depth along the bending
// direction, the radius of gyration).
#pragma once

#include "model/slenderness_data.h"

namespace pmsect {

// The radius of gyration of a rectangle or a circle may be taken from its depth (ACI 318-19
// 6.2.5.2, 318-05 10.11.2); any other outline's is sqrt(Ig / Ag).
enum class SectionShape { Rectangular, Round, Other };

struct AxisSection {
    double Ig = 0;  // in^4, of the outline about its centroid
    double Ise = 0; // in^4, of the bars about the outline's centroid
    double h = 0;   // in, the outline's depth along the bending direction
    double r = 0;   // in
};

struct SlenderSection {
    double Ag = 0; // in^2
    AxisSection x; // bending about x: depth along y
    AxisSection y;
    double Ec = 0;  // psi
    double Es = 0;  // psi
    double fpc = 0; // psi
};

// The member and its section, as the engine's inputs carry them.
struct MemberSlenderness {
    SlendernessData member;
    SlenderSection section;
};

} // namespace pmsect
