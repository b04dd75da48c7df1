// The Slenderness window: whether the project's loads are checked on moments magnified for a
// slender member, and the member's data for that, per axis (its length, its effective length
// factors, whether its storey sways and what gives the sway magnifier) and for the project (the
// effective stiffness and beta_dns). Every accepted edit goes into the project at once and the
// summary runs again, so that every load's check follows; Done (or Escape) closes.
#pragma once

#include "model/project_model.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

enum class SlenderAxis { X, Y };

// The boxes of one axis, in the order the window shows them.
enum class AxisBox { Lu, K, KSway, SumPu, SumPc, Q, DeltaS, BetaDs };
inline constexpr std::size_t kAxisBoxCount = 8;

// What gives the sway magnifier delta_s of a sway storey (ACI 318-19 6.6.4.6.1).
enum class SwaySource { StoreySums, StabilityIndex, Magnifier };

enum class ProjectBox { GivenEI, BetaDns };

struct AxisView {
    std::string title;                             // "Bending about x"
    std::array<std::string, kAxisBoxCount> labels; // with their units
    std::array<std::string, kAxisBoxCount> boxes;
    std::array<bool, kAxisBoxCount> enabled{};
    bool sway = false;
    int swaySource = 0; // a SwaySource
    // The member's slenderness as its section gives it: "r = 6.00 in., k lu / r = 40.0", and on a
    // line of its own for a sway storey the member's share of the storey's sum Pc.
    std::string slenderness;
};

struct SlendernessView {
    std::string caption = "Slenderness";
    bool checked = false; // "Check slenderness"
    std::array<AxisView, 2> axes;
    std::vector<std::string> swaySources;
    std::vector<std::string> stiffnessChoices;
    int stiffness = 0; // a StiffnessChoice
    std::string givenEI;
    bool givenEnabled = false;
    std::string betaDns;
    std::string note; // how the loads are checked
    bool visible = false;
};

class SlendernessPresenter {
public:
    SlendernessPresenter(ProjectModel& model, Platform& platform, SummaryChain& chain);

    const SlendernessView& view() const { return view_; }

    void open();
    // The project, its section or the units changed elsewhere: the view drawn again.
    void refresh();

    // On: the project takes slenderness data (the defaults: non-sway, k = 1, lu = 0, EI (a));
    // off: it has none, and the loads are checked on their own moments again.
    void setChecked(bool on);
    // A typed box; false when refused with a message naming it and its range: it then shows
    // again what the project holds.
    bool editAxis(SlenderAxis axis, AxisBox box, std::string_view text);
    bool editProject(ProjectBox box, std::string_view text);
    void setSway(SlenderAxis axis, bool sway);
    void setSwaySource(SlenderAxis axis, SwaySource source);
    void setStiffness(StiffnessChoice choice);

    void done() { view_.visible = false; }

private:
    // The project takes data (already checked) and the summary runs on it.
    void apply(const SlendernessData& data);
    // Refuses data the files would refuse, with a message naming the box; true when it holds.
    bool accepts(const SlendernessData& data, std::string_view what);
    void fill();
    void fillAxis(SlenderAxis axis);

    ProjectModel& model_;
    Platform& platform_;
    SummaryChain& chain_;
    SlendernessView view_;
};

} // namespace pmsect
