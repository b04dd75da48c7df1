// Texts of the information window's pages.
#include "ui/information_pages.h"

namespace pmsect {
namespace {

constexpr InformationPage kPages[] = {
    {"Overview",
     "PMSECT computes the axial and flexural strength of one reinforced concrete cross section "
     "by the strength method of ACI 318-05. Every section is treated as a beam-column, so it "
     "serves for columns and beams alike.\n\n"
     "Describe the section (rectangular, round or an arbitrary polygon), its bars (bar sets in a "
     "rectangular pattern, bars on a circle, or bars placed one by one), the materials and the "
     "ties or spiral. The main window then shows the section summary: areas, reinforcement "
     "ratio, the axial limits and the pure-bending strengths about both axes.\n\n"
     "Load Analysis checks factored load combinations (Pu, Mux, Muy) against the design "
     "strength. P-M Diagrams draws interaction curves, the biaxial moment contour and the "
     "three-dimensional failure surface. Pn & Mn evaluates one neutral axis that you set. "
     "Output writes a text report."},
    {"Theory of Operation",
     "Plane sections remain plane. The concrete strain at the extreme compression fibre is "
     "0.003 at failure, and concrete carries no tension.\n\n"
     "Concrete compression is the equivalent rectangular stress block: 0.85 f'c over a depth "
     "beta1 times c, where c is the neutral-axis depth. beta1 is 0.85 up to 4000 psi, 0.05 less "
     "for each 1000 psi above that, and never below 0.65.\n\n"
     "Steel is elastic-perfectly plastic: stress is Es times strain, limited to fy in tension and "
     "compression.\n\n"
     "For a neutral axis at a given angle and depth the section outline is clipped to the "
     "compression zone, the bar strains follow from the strain plane, and the forces are summed "
     "into Pn and the moments Mnx and Mny about the centroid of the gross section. Searches on "
     "the depth (and the angle) find the neutral axis that gives a required axial load, "
     "eccentricity or direction of bending.\n\n"
     "The strength reduction factor phi is 0.65 for tied and 0.70 for spiral sections when the "
     "net tensile strain in the extreme tension steel is 0.002 or less, 0.90 when it is 0.005 or "
     "more, and varies linearly in between. Design compression is capped at phi*Pn(max), which "
     "is 0.80 Po for tied and 0.85 Po for spiral sections."},
    {"Terminology",
     "Pu, Mux, Muy: factored axial load and moments of a load combination.\n"
     "Pn, Mn: nominal axial strength and moment strength.\n"
     "phi: strength reduction factor.\n"
     "Po: nominal strength in pure compression, 0.85 f'c (Ag - As) + fy As.\n"
     "phi*Pn(max): the cap on design compression.\n"
     "To: nominal strength in pure tension, fy As.\n"
     "Ag: gross area of the concrete section. As: total area of the bars.\n"
     "c: depth of the neutral axis from the extreme compression fibre.\n"
     "e: eccentricity, the moment divided by the axial load.\n"
     "beta1: depth factor of the rectangular stress block.\n"
     "Extreme steel strain: strain in the bar farthest from the compression face; 0.005 or more "
     "means the section is tension-controlled.\n\n"
     "Sign convention: compression is negative, tension is positive."},
    {"Tips",
     "Press Enter, or move to another input, to confirm a typed value; text that is not a number "
     "is refused and the previous value comes back.\n\n"
     "With Auto Recompute checked, a change of the section also lays the bars again. A typed "
     "diameter of a round section changes the outline only; click Round again or change the "
     "cover to lay the bars anew.\n\n"
     "To start an arbitrary bar layout from a generated one, lay the bars first and then choose "
     "Arbitrary: the bars are kept and can be edited with Edit Bars.\n\n"
     "Enter compression loads as negative values.\n\n"
     "Choose the units under Preferences; project files always hold the same internal values, "
     "whatever units were shown when they were saved."},
    {"Limitations",
     "One cross section at a time, with one concrete and one grade of steel.\n"
     "Strength only: no slenderness or second-order effects, no serviceability checks, no "
     "shear or torsion, no prestressing, no added strength from confinement beyond the phi "
     "factors of ties and spirals.\n"
     "ACI 318-05 strength design with bar sizes #3 to #11, #14 and #18.\n"
     "At most 100 outline points, 100 bars, 20 bar sets and 40 load combinations.\n"
     "The round section is drawn and analysed as a polygon of 20 points."},
    {"References",
     "ACI Committee 318, Building Code Requirements for Structural Concrete (ACI 318-05) and "
     "Commentary (ACI 318R-05), American Concrete Institute, Farmington Hills, Michigan, 2005.\n\n"
     "J. G. MacGregor and J. K. Wight, Reinforced Concrete: Mechanics and Design, 4th edition, "
     "Prentice Hall, 2005."},
    {"Future Releases",
     "Ideas for later versions include moment magnification for slender columns, metric bar "
     "sizes, and the strength provisions of later editions of ACI 318. None of these is "
     "scheduled."},
    {"Contacting the Developer",
     "Questions and reports of problems go to whoever supplied your copy of PMSECT. Please send "
     "the project file (.rcs), the units you had chosen and the steps that led to the problem, "
     "so that it can be repeated."},
};

} // namespace

std::span<const InformationPage> informationPages() {
    return kPages;
}

} // namespace pmsect
