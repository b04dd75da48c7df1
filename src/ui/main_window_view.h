// Everything the main window shows, as plain data: the inputs with their texts and enable
// states, the options, lists and buttons, the material lines, the section summary and the title.
// The toolkit window redraws itself from it after every event.
#pragma once

#include "model/project_model.h"
#include "ui/summary_labels.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pmsect {

// The main window's text inputs (their windows' controls: txtRectb, txtRecth, txtCdiam,
// txtClrCov, TxtClrSpace, txtTotBars, txtFAngle, txtfpc, txtUnitWt, txtStlStren).
enum class MainInput {
    Width,
    Depth,
    Diameter,
    Cover,
    Spacing,
    BarCount,
    FirstBarAngle,
    Fpc,
    UnitWeight,
    Fy,
};
inline constexpr std::size_t kMainInputCount = 10;

// The options (optRect, optRounc, optArbitrary; optBRect, optRCirc, optBarbit; optTied,
// optSpiral).
enum class MainOption {
    Rectangular,
    Round,
    Arbitrary,
    BarSets,
    Circle,
    PlacedBars,
    Tied,
    Spiral,
};

// The buttons that open a window (cmdLoads, cmdPnMn, cmdResults, cmdEdPnts, cmdEditBars,
// cmdEdBarSet, cmdDesign, cmdLoadCases, cmdSlenderness).
enum class MainButton {
    Loads,
    SinglePoint,
    Results,
    EditPoints,
    EditBars,
    EditBarSets,
    Design,
    LoadCases,
    Slenderness
};

enum class MainMenu { Output, DefaultDirectory, Units, Information };

// Items of the two bar-size lists, in list order.
inline constexpr std::array<std::string_view, 11> kLongBarItems{"3", "4",  "5",  "6",  "7", "8",
                                                                "9", "10", "11", "14", "18"};
inline constexpr std::array<std::string_view, 3> kTieBarItems{"3", "4", "5"};

// Items of cmbCode, in the order of kDesignCodes.
inline constexpr std::array<std::string_view, 3> kDesignCodeItems{"ACI 318-05", "ACI 318-14",
                                                                  "ACI 318-19"};

// Title before any file is named, and the prefix of the title once one is (ACI 318-05); the
// stems that the other editions' titles are made of.
inline constexpr std::string_view kInitialTitle =
    "PMSECT:  R.C. Section Axial & Flexural Strength Analysis (ACI 318-05)";
inline constexpr std::string_view kTitlePrefix =
    "PMSECT: R.C. Section Axial & Flexural Strength Analysis - ";
inline constexpr std::string_view kInitialTitleStem =
    "PMSECT:  R.C. Section Axial & Flexural Strength Analysis ";
inline constexpr std::string_view kNamedTitleStem =
    "PMSECT: R.C. Section Axial & Flexural Strength Analysis ";
// The name in the title and in the unsaved-work question of a project never saved.
inline constexpr std::string_view kUntitledName = "Untitled";

// One text input with its caption label and its unit label.
struct InputView {
    std::string text;
    bool enabled = true;
    bool labelEnabled = true;
    bool unitLabelEnabled = true;
    std::string unitLabel; // empty for an input without one
};

struct MainWindowView {
    std::string title{kInitialTitle};

    std::array<InputView, kMainInputCount> inputs{};
    InputView& input(MainInput which) { return inputs[static_cast<std::size_t>(which)]; }
    const InputView& input(MainInput which) const {
        return inputs[static_cast<std::size_t>(which)];
    }

    // Option groups: the chosen section type and bar layout (1..3), and the confinement.
    int16_t sectionOption = kRectangular;
    int16_t barLayoutOption = kBarSets;
    bool spiralSelected = false;
    bool spiralEnabled = false;

    // Bar-size lists: 0-based selections; the tie list is always enabled. The bar list is blank
    // (-1) when the layout mixes bar sizes.
    int longBarIndex = 2;
    bool longBarListEnabled = true;
    bool longBarLabelEnabled = true;
    int tieBarIndex = 0;
    int designCodeIndex = 0; // cmbCode, in the order of kDesignCodes

    bool editPointsEnabled = false; // cmdEdPnts
    bool editBarsEnabled = false;   // cmdEditBars
    bool editBarSetEnabled = true;  // cmdEdBarSet
    bool autoRecompute = true;      // chkAReComp

    std::string lblEc;
    std::string lblEs;
    std::string lblBeta1;
    std::string flexuralUnits; // "Flexural Units: ..."

    SummaryLabels summary;
    // Which load governs and how many fail, or how far the checks have come; empty without
    // loads.
    std::string loadVerdict;
    // Goes up each time the summary has run, so that the window redraws picGeom.
    int summaryRevision = 0;
};

} // namespace pmsect
