// The main window's events: boxes, options, lists and buttons, and the view state they leave.
#include "ui/main_window_presenter.h"

#include "building/new_project.h"
#include "building/section_generators.h"
#include "engine/bar_table.h"
#include "format/number_format.h"
#include "io/project_file_format.h"
#include "project/design_code_choice.h"
#include "ui/load_verdict_line.h"
#include "ui/main_window_texts.h"
#include "ui/main_window_title.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

std::string layoutMessage(const BarLayoutResult& r) {
    std::string text;
    if (r.cutAtCapacity) {
        text = "The layout asks for " + std::to_string(r.requested) + " bars; only the first " +
               std::to_string(kMaxBars) + " have been placed.";
    }
    if (r.spacingTooSmall) {
        if (!text.empty()) {
            text += " ";
        }
        text += "The bars of a bar set do not fit side by side at this spacing; they have been "
                "placed one bar to a row.";
    }
    return text;
}

// What a box holding a physical quantity may take (building/input_limits.h), and the name its
// refusal gives it.
struct BoxRange {
    const char* name;
    InputQuantity quantity;
};
BoxRange boxRange(MainInput input) {
    switch (input) {
    case MainInput::Width:
        return {"Width", InputQuantity::SectionSize};
    case MainInput::Depth:
        return {"Depth", InputQuantity::SectionSize};
    case MainInput::Diameter:
        return {"Diameter", InputQuantity::SectionSize};
    case MainInput::Cover:
        return {"Clear Cover", InputQuantity::CoverOrSpacing};
    case MainInput::Spacing:
        return {"Clear spacing", InputQuantity::CoverOrSpacing};
    case MainInput::BarCount:
        return {"# of Bars", InputQuantity::CircleBars};
    case MainInput::FirstBarAngle:
        return {"Angle to first bar", InputQuantity::FirstBarAngle};
    case MainInput::Fpc:
        return {"28 day strength", InputQuantity::ConcreteStrength};
    case MainInput::UnitWeight:
        return {"Concrete Unit Weight", InputQuantity::UnitWeight};
    case MainInput::Fy:
        return {"Steel Strength", InputQuantity::SteelStrength};
    }
    return {"", InputQuantity::SectionSize};
}

bool inBarTable(float size) {
    return findBarSize(size).has_value();
}

// A bar size the last rebuild met that the bar table does not hold, for the message.
std::optional<float> unmatchedLayoutSize(const ProjectModel& m) {
    if (!inBarTable(m.tieBarSize)) {
        return m.tieBarSize;
    }
    if (m.barLayout == kCircular && !inBarTable(m.longBarSize)) {
        return m.longBarSize;
    }
    const int n = std::clamp<int>(m.numBarSets, 0, kMaxBarSets);
    for (int j = 1; j <= n; ++j) {
        const float size = m.barSets[static_cast<std::size_t>(j)].size;
        if (!inBarTable(size)) {
            return size;
        }
    }
    return std::nullopt;
}

// The one bar size of the current layout, or nothing when its bars mix sizes. A layout without
// bars has the size the list chose last.
std::optional<float> layoutBarSize(const ProjectModel& m) {
    std::optional<float> size;
    bool mixed = false;
    const auto take = [&](float s) {
        mixed = mixed || (size && *size != s);
        size = s;
    };
    if (m.barLayout == kBarSets) {
        const int n = std::clamp<int>(m.numBarSets, 0, kMaxBarSets);
        for (int j = 1; j <= n; ++j) {
            take(m.barSets[static_cast<std::size_t>(j)].size);
        }
    } else if (m.barLayout == kPlacedBars) {
        for (const Bar& b : modelBars(m)) {
            take(b.size);
        }
    }
    if (mixed) {
        return std::nullopt;
    }
    return size.value_or(m.longBarSize);
}

} // namespace

MainWindowPresenter::MainWindowPresenter(ProjectModel& model, Platform& platform,
                                         BusyPointer& pointer, SummaryChain& chain,
                                         WaitPresenter& wait)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain), wait_(wait) {
    view_.input(MainInput::FirstBarAngle).unitLabel = "deg.";
    showUnits();
    showProject();
    // No summary has run yet: the Application runs the first once the window is loaded.
    view_.summary = summaryLabels(model_, SectionResults{});
    markSaved();
}

// ---- Steps shared by the events ----

void MainWindowPresenter::markStale() {
    chain_.markResultsStale();
}

void MainWindowPresenter::autoStep() {
    if (chain_.autoRecompute()) {
        setBarSetOutline(model_);
        rebuild();
    }
}

void MainWindowPresenter::rebuild() {
    const BarLayoutResult result = rebuildBars(model_);
    if (result.cutAtCapacity || result.spacingTooSmall) {
        BarLayoutResult notice = result;
        if (layoutNotice_) {
            notice.cutAtCapacity = notice.cutAtCapacity || layoutNotice_->cutAtCapacity;
            notice.spacingTooSmall = notice.spacingTooSmall || layoutNotice_->spacingTooSmall;
        }
        layoutNotice_ = notice;
    }
    unknownSizeSeen_ = unknownSizeSeen_ || result.unknownBarSize;
}

void MainWindowPresenter::finishCommand() {
    if (layoutNotice_) {
        const std::string text = layoutMessage(*layoutNotice_);
        layoutNotice_.reset();
        platform_.showMessage(text);
    }
    const SectionResults& section = chain_.sectionResults();
    std::optional<float> unmatched;
    if (section.revision != reportedSummary_) {
        reportedSummary_ = section.revision;
        unmatched = section.unmatchedBarSize;
    }
    if (!unmatched && unknownSizeSeen_) {
        unmatched = unmatchedLayoutSize(model_);
    }
    unknownSizeSeen_ = false;
    if (unmatched) {
        platform_.showMessage(unmatchedBarSizeMessage(*unmatched));
    }
}

// ---- Text boxes ----

bool MainWindowPresenter::boxAccepts(MainInput input) const {
    switch (input) {
    case MainInput::Width:
    case MainInput::Depth:
        return model_.sectionType == kRectangular;
    case MainInput::Diameter:
        return model_.sectionType == kRound;
    default:
        return true;
    }
}

void MainWindowPresenter::reject(MainInput input, const std::string& message,
                                 std::string restored) {
    platform_.showMessage(message);
    view_.input(input).text = std::move(restored);
}

std::string MainWindowPresenter::rangeRefusal(MainInput input) const {
    const BoxRange box = boxRange(input);
    const DisplayUnits& u = model_.units;
    switch (input) {
    case MainInput::Width:
    case MainInput::Depth:
    case MainInput::Diameter:
    case MainInput::Cover:
    case MainInput::Spacing:
        return outOfRangeText(box.name, box.quantity, u, Quantity::Length);
    case MainInput::Fpc:
    case MainInput::Fy:
        return outOfRangeText(box.name, box.quantity, u, Quantity::Stress);
    case MainInput::UnitWeight:
        return outOfRangeText(box.name, box.quantity, u, Quantity::UnitWeight);
    case MainInput::BarCount:
        return outOfRangeText(box.name, box.quantity);
    case MainInput::FirstBarAngle:
        return outOfRangeText(box.name, box.quantity, "deg.");
    }
    return {};
}

std::string MainWindowPresenter::shownLengthText(float inches) const {
    return shownNumberText(model_.units, Quantity::Length, inches);
}

float MainWindowPresenter::valueFromBox(MainInput input, float current, Quantity shownAs) {
    InputView& box = view_.input(input);
    if (const auto value = parseNumber(box.text)) {
        return static_cast<float>(typed(model_.units, shownAs, *value));
    }
    box.text = shownNumberText(model_.units, shownAs, current);
    return current;
}

float MainWindowPresenter::lengthFromBox(MainInput input, float current) {
    return valueFromBox(input, current, Quantity::Length);
}

float MainWindowPresenter::valueWithinFromBox(MainInput input, float current, Quantity shownAs,
                                              InputQuantity range) {
    const float value = valueFromBox(input, current, shownAs);
    if (withinLimit(range, value)) {
        return value;
    }
    view_.input(input).text = shownNumberText(model_.units, shownAs, current);
    return current;
}

float MainWindowPresenter::dimensionFromBox(MainInput input, float current) {
    return valueWithinFromBox(input, current, Quantity::Length, InputQuantity::SectionSize);
}

bool MainWindowPresenter::undoWhenNotFinite(const ProjectBefore& before) {
    if (keepFiniteChange(model_, before, chain_, platform_)) {
        return false;
    }
    layoutNotice_.reset();
    unknownSizeSeen_ = false;
    showProject();
    return true;
}

void MainWindowPresenter::onTextConfirmed(MainInput input, std::string_view text) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    if (applyText(input, text) && !undoWhenNotFinite(before)) {
        finishCommand();
    }
}

bool MainWindowPresenter::applyText(MainInput input, std::string_view text) {
    view_.input(input).text = std::string(text);
    if (!boxAccepts(input)) {
        return false;
    }
    const std::optional<double> value = parseNumber(text);
    const DisplayUnits& u = model_.units;
    switch (input) {
    case MainInput::Width:
        if (!value) {
            reject(input, "Width must be numeric", shownLengthText(model_.rectB));
            return false;
        }
        if (!withinLimit(InputQuantity::SectionSize, typedDimension(*value))) {
            reject(input, rangeRefusal(input), shownLengthText(model_.rectB));
            return false;
        }
        confirmRectangle(input, *value);
        break;
    case MainInput::Depth:
        if (!value) {
            reject(input, "Depth must be numeric", shownLengthText(model_.rectH));
            return false;
        }
        if (!withinLimit(InputQuantity::SectionSize, typedDimension(*value))) {
            reject(input, rangeRefusal(input), shownLengthText(model_.rectH));
            return false;
        }
        confirmRectangle(input, *value);
        break;
    case MainInput::Diameter:
        if (!value) {
            reject(input, "Diameter must be numeric", shownLengthText(model_.circDiam));
            return false;
        }
        if (!withinLimit(InputQuantity::SectionSize, typedDimension(*value))) {
            reject(input, rangeRefusal(input), shownLengthText(model_.circDiam));
            return false;
        }
        // With Auto Recompute the generated bars follow the new circle, as they follow a new
        // width or depth.
        markStale();
        enterDiameter(model_, typedDimension(*value));
        autoStep();
        chain_.refresh();
        break;
    case MainInput::Cover:
        if (!value) {
            reject(input, "Clear Cover must be numeric", shownLengthText(model_.clearCover));
            return false;
        }
        if (!withinLimit(InputQuantity::CoverOrSpacing, std::fabs(typedDimension(*value)))) {
            reject(input, rangeRefusal(input), shownLengthText(model_.clearCover));
            return false;
        }
        confirmCoverOrSpacing(input, *value);
        break;
    case MainInput::Spacing:
        if (!value) {
            reject(input, "Clear spacing must be numeric", shownLengthText(model_.clearSpacing));
            return false;
        }
        if (!withinLimit(InputQuantity::CoverOrSpacing, std::fabs(typedDimension(*value)))) {
            reject(input, rangeRefusal(input), shownLengthText(model_.clearSpacing));
            return false;
        }
        confirmCoverOrSpacing(input, *value);
        break;
    case MainInput::BarCount:
        // A rejected count still rebuilds, with the box's fixed replacement.
        if (!value) {
            reject(input, "Total Bars in Circle must be numeric", "6");
        } else if (!withinLimit(InputQuantity::CircleBars, roundHalfEven32(*value))) {
            // More bars than the table holds would be cut, not laid: the count stays as it was.
            reject(input, rangeRefusal(input), std::to_string(model_.totBars));
            return false;
        }
        markStale();
        model_.totBars = barCountFromValue(value.value_or(6));
        rebuild();
        chain_.refresh();
        break;
    case MainInput::FirstBarAngle:
        if (!value) {
            reject(input, "Angle to first bar must be numeric", "0");
        } else if (!withinLimit(InputQuantity::FirstBarAngle, static_cast<float>(*value))) {
            reject(input, rangeRefusal(input), boxNumberText(model_.firstBarAngle));
            return false;
        }
        markStale();
        model_.firstBarAngle = static_cast<float>(value.value_or(0));
        rebuild();
        chain_.refresh();
        break;
    case MainInput::Fpc:
        if (!value) {
            reject(input, "28 day strength must be numeric",
                   shownNumberText(u, Quantity::Stress, model_.fpc));
            return false;
        }
        if (!withinLimit(InputQuantity::ConcreteStrength,
                         static_cast<float>(typedStress(u, *value)))) {
            reject(input, rangeRefusal(input), shownNumberText(u, Quantity::Stress, model_.fpc));
            return false;
        }
        confirmMaterial(input, *value);
        break;
    case MainInput::UnitWeight:
        if (!value) {
            reject(input, "Concrete Unit Weight must be numeric",
                   shownNumberText(u, Quantity::UnitWeight, model_.unitWt));
            return false;
        }
        if (!withinLimit(InputQuantity::UnitWeight, static_cast<float>(typedUnitWt(u, *value)))) {
            reject(input, rangeRefusal(input),
                   shownNumberText(u, Quantity::UnitWeight, model_.unitWt));
            return false;
        }
        confirmMaterial(input, *value);
        break;
    case MainInput::Fy:
        if (!value) {
            reject(input, "Steel Strength must be numeric",
                   shownNumberText(u, Quantity::Stress, model_.fy));
            return false;
        }
        // fy is stored as a whole number of psi, judged as stored.
        if (!withinLimit(InputQuantity::SteelStrength, roundHalfEven32(typedStress(u, *value)))) {
            reject(input, rangeRefusal(input), shownNumberText(u, Quantity::Stress, model_.fy));
            return false;
        }
        confirmMaterial(input, *value);
        break;
    }
    return true;
}

float MainWindowPresenter::typedDimension(double shown) const {
    return static_cast<float>(typedLength(model_.units, shown));
}

void MainWindowPresenter::confirmRectangle(MainInput input, double value) {
    markStale();
    const float typed = typedDimension(value);
    const bool width = input == MainInput::Width;
    const float b = width ? typed : dimensionFromBox(MainInput::Width, model_.rectB);
    const float h = width ? dimensionFromBox(MainInput::Depth, model_.rectH) : typed;
    enterRectangleDimension(model_, b, h, width ? DimensionTyped::Width : DimensionTyped::Depth);
    autoStep();
    chain_.refresh();
}

void MainWindowPresenter::confirmCoverOrSpacing(MainInput input, double value) {
    markStale();
    const float length = static_cast<float>(std::fabs(typedLength(model_.units, value)));
    if (value < 0) {
        view_.input(input).text = shownLengthText(length);
    }
    if (input == MainInput::Cover) {
        model_.clearCover = length;
        // The square on which a round section's bar sets are laid is measured from the inside
        // of the ties, so it moves with the cover.
        if (model_.sectionType == kRound) {
            setBarSetOutline(model_);
        }
    } else {
        model_.clearSpacing = length;
    }
    rebuild();
    chain_.refresh();
}

void MainWindowPresenter::confirmMaterial(MainInput input, double value) {
    const DisplayUnits& u = model_.units;
    if (input == MainInput::Fpc) {
        markStale();
        model_.fpc = static_cast<float>(typedStress(u, value));
        model_.Ec = concreteModulusOf(model_);
        model_.beta1 = stressBlockDepthFactorOf(model_);
    } else if (input == MainInput::UnitWeight) {
        // The modulus is not used by the strength computation: the curves stay valid.
        model_.unitWt = static_cast<float>(typedUnitWt(u, value));
        model_.Ec = concreteModulusOf(model_);
    } else {
        markStale();
        model_.fy = roundHalfEven32(typedStress(u, value));
    }
    showMaterialLines();
    chain_.refresh();
}

// ---- Options, lists and buttons ----

void MainWindowPresenter::onOption(MainOption option) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    switch (option) {
    case MainOption::Rectangular: {
        markStale();
        showSectionEnables(kRectangular);
        const float b = dimensionFromBox(MainInput::Width, model_.rectB);
        const float h = dimensionFromBox(MainInput::Depth, model_.rectH);
        chooseRectangularSection(model_, b, h);
        autoStep();
        chain_.setSummaryEnabled(true);
        chain_.recompute();
        break;
    }
    case MainOption::Round:
        markStale();
        showSectionEnables(kRound);
        chooseRoundSection(model_, dimensionFromBox(MainInput::Diameter, model_.circDiam));
        autoStep();
        applyRoundPolygonArea(model_);
        chain_.setSummaryEnabled(true);
        chain_.recompute();
        break;
    case MainOption::Arbitrary:
        markStale();
        chooseArbitrarySection(model_);
        showSectionEnables(kArbitrary);
        break;
    case MainOption::BarSets:
        markStale();
        applyConfinement(model_, Confinement::Tied);
        view_.spiralSelected = false;
        model_.barLayout = kBarSets;
        showLayoutEnables(kBarSets);
        setBarSetOutline(model_);
        rebuild();
        chain_.setSummaryEnabled(true);
        chain_.recompute();
        break;
    case MainOption::Circle:
        markStale();
        model_.barLayout = kCircular;
        showLayoutEnables(kCircular);
        setBarSetOutline(model_);
        rebuild();
        chain_.setSummaryEnabled(true);
        chain_.recompute();
        break;
    case MainOption::PlacedBars:
        // The bars of the previous layout stay, as the starting point of the bar editor.
        markStale();
        model_.barLayout = kPlacedBars;
        showLayoutEnables(kPlacedBars);
        break;
    case MainOption::Tied:
        applyConfinement(model_, Confinement::Tied);
        view_.spiralSelected = false;
        chain_.recompute();
        break;
    case MainOption::Spiral:
        if (!view_.spiralEnabled) {
            return;
        }
        applyConfinement(model_, Confinement::Spiral);
        view_.spiralSelected = true;
        chain_.recompute();
        break;
    }
    if (undoWhenNotFinite(before)) {
        return;
    }
    finishCommand();
}

void MainWindowPresenter::onLongBarSelected(int index) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    if (index < 0 || index >= static_cast<int>(kLongBarList.size())) {
        return;
    }
    markStale();
    view_.longBarIndex = index;
    const auto k = static_cast<float>(kLongBarList[static_cast<std::size_t>(index)]);
    model_.longBarSize = k;
    const int nBars = std::clamp<int>(model_.numBars, 0, kMaxBars);
    for (int i = 1; i <= nBars; ++i) {
        model_.bars[static_cast<std::size_t>(i)].size = k;
    }
    if (view_.barLayoutOption == kBarSets) {
        const int nSets = std::clamp<int>(model_.numBarSets, 0, kMaxBarSets);
        for (int j = 1; j <= nSets; ++j) {
            model_.barSets[static_cast<std::size_t>(j)].size = k;
        }
    }
    rebuild();
    chain_.recompute();
    if (undoWhenNotFinite(before)) {
        return;
    }
    finishCommand();
}

void MainWindowPresenter::onTieBarSelected(int index) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    if (index < 0 || index >= static_cast<int>(kTieBarList.size())) {
        return;
    }
    markStale();
    view_.tieBarIndex = index;
    model_.tieBarSize = static_cast<float>(kTieBarList[static_cast<std::size_t>(index)]);
    if (model_.sectionType == kRound) {
        setBarSetOutline(model_); // measured from the inside of the ties, as for the cover
    }
    rebuild();
    chain_.recompute();
    if (undoWhenNotFinite(before)) {
        return;
    }
    finishCommand();
}

void MainWindowPresenter::onDesignCodeSelected(int index) {
    if (index < 0 || index >= static_cast<int>(kDesignCodes.size())) {
        return;
    }
    const DesignCode code = kDesignCodes[static_cast<std::size_t>(index)];
    view_.designCodeIndex = index;
    newProjectCode_ = code;
    if (saveDesignCode_) {
        saveDesignCode_(code);
    }
    if (code == model_.designCode) {
        return;
    }
    const ProjectBefore before{model_, chain_.sectionResults()};
    markStale();
    applyDesignCode(model_, code);
    showTitle();
    chain_.recompute();
    if (undoWhenNotFinite(before)) {
        return;
    }
    finishCommand();
}

void MainWindowPresenter::onAutoRecompute(bool checked) {
    chain_.setAutoRecompute(checked);
    view_.autoRecompute = checked;
}

WindowRequest MainWindowPresenter::onButton(MainButton button) {
    switch (button) {
    case MainButton::Loads:
        chain_.setSummaryEnabled(false);
        return {WindowId::Loads};
    case MainButton::SinglePoint:
        chain_.setSummaryEnabled(false);
        return {WindowId::SinglePoint};
    case MainButton::Results:
        // Released by the results window once it has drawn.
        pointer_.setPointer(kPointerBusy);
        chain_.setSummaryEnabled(false);
        return {WindowId::Results};
    case MainButton::EditPoints:
        markStale();
        return {WindowId::PointEditor};
    case MainButton::EditBars:
        markStale();
        return {WindowId::BarEditor};
    case MainButton::EditBarSets:
        markStale();
        return {WindowId::BarSetEditor};
    case MainButton::Design:
        return {WindowId::Design};
    case MainButton::LoadCases:
        return {WindowId::LoadCases};
    case MainButton::Slenderness:
        return {WindowId::Slenderness};
    }
    return {};
}

WindowRequest MainWindowPresenter::onMenu(MainMenu entry) {
    switch (entry) {
    case MainMenu::Output:
        return {WindowId::Report};
    case MainMenu::DefaultDirectory:
        return {WindowId::DefaultDirectory, true};
    case MainMenu::Units:
        return {WindowId::Units};
    case MainMenu::Information:
        return {WindowId::Information, true};
    }
    return {};
}

void MainWindowPresenter::onActivated() {
    pointer_.setPointer(kPointerNormal);
}

// ---- Start-up, units and the summary ----

void MainWindowPresenter::showStartupDefaults() {
    view_.spiralEnabled = false;
    model_.designCode = newProjectCode_;
    chain_.setSectionResults(resetToNewProject(model_));
    chain_.setAutoRecompute(true);
    view_.autoRecompute = true;
    showProject();
    view_.lblEs = steelModulusLabel(model_);
    markSaved();
    finishCommand();
}

void MainWindowPresenter::showUnits() {
    const DisplayUnits& u = model_.units;
    for (MainInput length : {MainInput::Width, MainInput::Depth, MainInput::Diameter,
                             MainInput::Cover, MainInput::Spacing}) {
        view_.input(length).unitLabel = u.lengthLabel;
    }
    view_.input(MainInput::Fpc).unitLabel = u.stressLabel;
    view_.input(MainInput::Fy).unitLabel = u.stressLabel;
    view_.input(MainInput::UnitWeight).unitLabel = u.unitWtLabel;

    const MainWindowUnitTexts t = mainWindowUnitTexts(model_);
    view_.lblEc = t.concreteModulusLine;
    view_.lblEs = t.steelModulusLine;
    view_.flexuralUnits = t.flexuralUnitsLine;
    view_.input(MainInput::Width).text = t.rectB;
    view_.input(MainInput::Depth).text = t.rectH;
    view_.input(MainInput::Diameter).text = t.circDiam;
    view_.input(MainInput::UnitWeight).text = t.unitWt;
    view_.input(MainInput::Fpc).text = t.fpc;
    view_.input(MainInput::Fy).text = t.fy;
    view_.input(MainInput::Cover).text = t.clearCover;
    view_.input(MainInput::Spacing).text = t.clearSpacing;
}

void MainWindowPresenter::rebuildFromInputs() {
    const ProjectBefore before{model_, chain_.sectionResults()};
    const DisplayUnits& u = model_.units;
    model_.rectB = dimensionFromBox(MainInput::Width, model_.rectB);
    model_.rectH = dimensionFromBox(MainInput::Depth, model_.rectH);
    model_.circDiam = dimensionFromBox(MainInput::Diameter, model_.circDiam);
    for (const auto& [box, field] : {std::pair{MainInput::Cover, &model_.clearCover},
                                     std::pair{MainInput::Spacing, &model_.clearSpacing}}) {
        const float length = std::fabs(lengthFromBox(box, *field));
        if (withinLimit(InputQuantity::CoverOrSpacing, length)) {
            *field = length;
        } else {
            view_.input(box).text = shownLengthText(*field);
        }
    }
    model_.fpc = valueWithinFromBox(MainInput::Fpc, model_.fpc, Quantity::Stress,
                                    InputQuantity::ConcreteStrength);
    model_.unitWt = valueWithinFromBox(MainInput::UnitWeight, model_.unitWt, Quantity::UnitWeight,
                                       InputQuantity::UnitWeight);
    InputView& fyBox = view_.input(MainInput::Fy);
    const auto fy = parseNumber(fyBox.text);
    if (fy && withinLimit(InputQuantity::SteelStrength, roundHalfEven32(typedStress(u, *fy)))) {
        model_.fy = roundHalfEven32(typedStress(u, *fy));
    } else {
        fyBox.text = shownNumberText(u, Quantity::Stress, model_.fy);
    }
    model_.Ec = concreteModulusOf(model_);
    model_.beta1 = stressBlockDepthFactorOf(model_);
    showMaterialLines();

    if (model_.sectionType == kRectangular) {
        chooseRectangularSection(model_, model_.rectB, model_.rectH);
    } else if (model_.sectionType == kRound) {
        chooseRoundSection(model_, model_.circDiam);
    }
    if (model_.barLayout == kBarSets || model_.barLayout == kCircular) {
        setBarSetOutline(model_);
        rebuild();
    }
    if (model_.sectionType == kRound) {
        applyRoundPolygonArea(model_);
    }
    chain_.refresh();
    if (undoWhenNotFinite(before)) {
        return;
    }
    finishCommand();
}

void MainWindowPresenter::onSummaryComputed() {
    showLongBarSize();
    view_.summary = summaryLabels(model_, chain_.sectionResults());
    ++view_.summaryRevision;
    onLoadChecksAdvanced();
}

void MainWindowPresenter::onLoadChecksAdvanced() {
    view_.loadVerdict =
        loadVerdictLine(model_, chain_.sectionResults(), chain_.loadCheckProgress());
}

// ---- View ----

void MainWindowPresenter::showSectionEnables(int16_t sectionType) {
    view_.sectionOption = sectionType;
    const bool rectangle = sectionType == kRectangular;
    const bool round = sectionType == kRound;
    for (MainInput box : {MainInput::Width, MainInput::Depth}) {
        InputView& in = view_.input(box);
        in.enabled = in.labelEnabled = in.unitLabelEnabled = rectangle;
    }
    InputView& diameter = view_.input(MainInput::Diameter);
    diameter.enabled = diameter.labelEnabled = diameter.unitLabelEnabled = round;
    view_.editPointsEnabled = sectionType == kArbitrary;
}

void MainWindowPresenter::showLayoutEnables(int16_t barLayout) {
    view_.barLayoutOption = barLayout;
    const bool placed = barLayout == kPlacedBars;
    const bool circle = barLayout == kCircular;
    for (MainInput box : {MainInput::Cover, MainInput::Spacing}) {
        InputView& in = view_.input(box);
        in.enabled = in.labelEnabled = in.unitLabelEnabled = !placed;
    }
    view_.longBarListEnabled = view_.longBarLabelEnabled = !placed;
    for (MainInput box : {MainInput::BarCount, MainInput::FirstBarAngle}) {
        InputView& in = view_.input(box);
        in.enabled = in.labelEnabled = in.unitLabelEnabled = circle;
    }
    view_.editBarSetEnabled = barLayout == kBarSets;
    view_.editBarsEnabled = placed;
    view_.spiralEnabled = barLayout != kBarSets;
}

void MainWindowPresenter::showLongBarSize() {
    const std::optional<float> size = layoutBarSize(model_);
    view_.longBarIndex = size ? barListPosition(kLongBarList, *size).value_or(-1) : -1;
}

void MainWindowPresenter::showMaterialLines() {
    view_.lblEc = concreteModulusLabel(model_);
    view_.lblBeta1 = beta1Label(model_);
}

void MainWindowPresenter::showProject() {
    const DisplayUnits& u = model_.units;
    view_.input(MainInput::Width).text = shownLengthText(model_.rectB);
    view_.input(MainInput::Depth).text = shownLengthText(model_.rectH);
    view_.input(MainInput::Diameter).text = shownLengthText(model_.circDiam);
    view_.input(MainInput::Cover).text = shownLengthText(model_.clearCover);
    view_.input(MainInput::Spacing).text = shownLengthText(model_.clearSpacing);
    view_.input(MainInput::BarCount).text = std::to_string(model_.totBars);
    view_.input(MainInput::FirstBarAngle).text = boxNumberText(model_.firstBarAngle);
    view_.input(MainInput::Fpc).text = shownNumberText(u, Quantity::Stress, model_.fpc);
    view_.input(MainInput::UnitWeight).text =
        shownNumberText(u, Quantity::UnitWeight, model_.unitWt);
    view_.input(MainInput::Fy).text = shownNumberText(u, Quantity::Stress, model_.fy);
    showMaterialLines();

    showLongBarSize();
    view_.tieBarIndex = barListPosition(kTieBarList, model_.tieBarSize).value_or(0);
    showSectionEnables(model_.sectionType);
    showLayoutEnables(model_.barLayout);
    view_.spiralSelected = isSpiral(model_);
    showTitle();
}

void MainWindowPresenter::showProjectInputs() {
    showProject();
}

void MainWindowPresenter::showTitle() {
    const auto code = std::find(kDesignCodes.begin(), kDesignCodes.end(), model_.designCode);
    view_.designCodeIndex = static_cast<int>(code - kDesignCodes.begin());
    view_.title = mainWindowTitle(model_.designCode, titleName_);
}

} // namespace pmsect
