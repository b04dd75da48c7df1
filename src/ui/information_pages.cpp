// Texts of the information window's pages.
#include "ui/information_pages.h"

namespace pmsect {
namespace {

std::string edition(DesignCode code) {
    return "ACI " + std::string(designCodeName(code));
}

// How phi varies with the net tensile strain, edition by edition.
std::string strengthReductionText(DesignCode code) {
    std::string text;
    switch (code) {
    case DesignCode::Aci318_05:
        text = "The strength reduction factor phi (ACI 318-05 9.3.2) is 0.65 for tied and 0.70 for "
               "spiral sections when the net tensile strain in the extreme tension steel is 0.002 "
               "or less, 0.90 when it is 0.005 or more, and varies linearly in between. The limits "
               "0.002 and 0.005 are fixed, whatever the grade of steel.";
        break;
    case DesignCode::Aci318_14:
        text = "The strength reduction factor phi (ACI 318-14 Table 21.2.2) is 0.65 for tied and "
               "0.75 for spiral sections when the net tensile strain in the extreme tension steel "
               "is at most the yield strain fy/Es, 0.90 when it is 0.005 or more, and varies "
               "linearly in between.";
        break;
    case DesignCode::Aci318_19:
        text = "The strength reduction factor phi (ACI 318-19 Table 21.2.2) is 0.65 for tied and "
               "0.75 for spiral sections when the net tensile strain in the extreme tension steel "
               "is at most the yield strain fy/Es, 0.90 when it is fy/Es + 0.003 or more, and "
               "varies linearly in between.";
        break;
    }
    text += " Design compression is capped at phi*Pn(max), which is 0.80 phi Po for tied and "
            "0.85 phi Po for spiral sections.\n\n"
            "ACI 318-14 and 318-19 start the transition at the yield strain: with fy = 60,000 psi "
            "and Es = 29,000,000 psi it is 0.0020690 instead of 0.002, so in the transition a "
            "tied section gets a slightly smaller phi than under ACI 318-05, and a spiral section "
            "a larger one, its base being 0.75 instead of 0.70. ACI 318-19 also moves the "
            "tension-controlled limit to fy/Es + 0.003 (0.0050690 for Grade 60 steel, 0.0057586 "
            "for Grade 80). Everything else is the same in the three editions. The edition is "
            "chosen under Design Code in the main window.";
    return text;
}

std::string tensionControlledLimitText(DesignCode code) {
    return code == DesignCode::Aci318_19 ? "fy/Es + 0.003 or more" : "0.005 or more";
}

} // namespace

std::vector<InformationPage> informationPages(DesignCode code) {
    const std::string ed = edition(code);
    return {
        {"Overview",
         "PMSECT computes the axial and flexural strength of one reinforced concrete cross "
         "section by the strength method of " +
             ed +
             ", the design code edition of this project. Every section is treated as a "
             "beam-column, so it serves for columns and beams alike.\n\n"
             "Describe the section (rectangular, round or an arbitrary polygon), its bars (bar "
             "sets in a rectangular pattern, bars on a circle, or bars placed one by one), the "
             "materials, the design code edition and the ties or spiral. The main window then "
             "shows the section summary: areas, reinforcement ratio, the axial limits and the "
             "pure-bending strengths about both axes.\n\n"
             "Load Analysis checks factored load combinations (Pu, Mux, Muy) against the design "
             "strength. P-M Diagrams draws interaction curves, the biaxial moment contour and the "
             "three-dimensional failure surface. Pn & Mn evaluates one neutral axis that you set. "
             "Output writes a text report."},
        {"Theory of Operation",
         "Plane sections remain plane. The concrete strain at the extreme compression fibre is "
         "0.003 at failure, and concrete carries no tension.\n\n"
         "Concrete compression is the equivalent rectangular stress block: 0.85 f'c over a depth "
         "beta1 times c, where c is the neutral-axis depth. beta1 is 0.85 up to 4000 psi, 0.05 "
         "less for each 1000 psi above that, and never below 0.65.\n\n"
         "Steel is elastic-perfectly plastic: stress is Es times strain, limited to fy in tension "
         "and compression.\n\n"
         "For a neutral axis at a given angle and depth the section outline is clipped to the "
         "compression zone, the bar strains follow from the strain plane, and the forces are "
         "summed into Pn and the moments Mnx and Mny about the centroid of the gross section. "
         "Searches on the depth (and the angle) find the neutral axis that gives a required "
         "axial load, eccentricity or direction of bending.\n\n" +
             strengthReductionText(code)},
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
         "Extreme steel strain: strain in the bar farthest from the compression face; " +
             tensionControlledLimitText(code) + " means the section is tension-controlled under " +
             ed +
             ".\n\n"
             "Sign convention: compression is negative, tension is positive."},
        {"Tips",
         "Press Enter, or move to another input, to confirm a typed value; text that is not a "
         "number is refused and the previous value comes back.\n\n"
         "With Auto Recompute checked, a change of the section also lays the bars again. A typed "
         "diameter of a round section changes the outline only; click Round again or change the "
         "cover to lay the bars anew.\n\n"
         "To start an arbitrary bar layout from a generated one, lay the bars first and then "
         "choose Arbitrary: the bars are kept and can be edited with Edit Bars.\n\n"
         "Enter compression loads as negative values.\n\n"
         "A new project takes the design code edition chosen last.\n\n"
         "Choose the units under Preferences; project files always hold the same internal "
         "values, whatever units were shown when they were saved."},
        {"Limitations",
         "One cross section at a time, with one concrete and one grade of steel.\n"
         "Slender columns by the moment magnifier method only (Slenderness... in the main "
         "window): no second-order frame analysis, and the member's data (lengths, effective "
         "length factors, the storey's sway) is the engineer's.\n"
         "Strength only otherwise: no serviceability checks, no shear or torsion, no "
         "prestressing, no added strength from confinement beyond the phi factors of ties and "
         "spirals.\n" +
             ed +
             " strength design (ACI 318-05, 318-14 or 318-19 can be chosen) with bar sizes #3 to "
             "#11, #14 and #18.\n"
             "At most 100 outline points, 100 bars and 20 bar sets; any number of load "
             "combinations.\n"
             "The round section is drawn and analysed as a polygon of 96 points, whose area is "
             "within 0.1 % of the circle's; the gross area shown is the polygon's."},
        {"References",
         "ACI Committee 318, Building Code Requirements for Structural Concrete (ACI 318-05) and "
         "Commentary (ACI 318R-05), American Concrete Institute, Farmington Hills, Michigan, "
         "2005.\n\n"
         "ACI Committee 318, Building Code Requirements for Structural Concrete (ACI 318-14) and "
         "Commentary (ACI 318R-14), American Concrete Institute, Farmington Hills, Michigan, "
         "2014.\n\n"
         "ACI Committee 318, Building Code Requirements for Structural Concrete (ACI 318-19) and "
         "Commentary (ACI 318R-19), American Concrete Institute, Farmington Hills, Michigan, "
         "2019.\n\n"
         "J. G. MacGregor and J. K. Wight, Reinforced Concrete: Mechanics and Design, 4th "
         "edition, Prentice Hall, 2005.\n\n"
         "This project follows " +
             ed + "."},
        {"Future Releases",
         "Ideas for later versions include metric bar sizes. None of these is scheduled."},
        {"Contacting the Developer",
         "Questions and reports of problems go to whoever supplied your copy of PMSECT. Please "
         "send the project file (.rcs), the units you had chosen and the steps that led to the "
         "problem, so that it can be repeated."},
    };
}

} // namespace pmsect
