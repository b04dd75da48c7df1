// Generating the strength combinations: the factor table row by row, each lateral case in both
// senses, then the user's combinations.
#include "engine/load_combinations.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <utility>

namespace pmsect {
namespace {

using enum LoadKind;
using enum TermPresence;

constexpr std::array<LoadKind, 3> kRoofKinds = {Lr, S, R};

bool isLateral(LoadKind kind) {
    return kind == W || kind == E;
}

// ASCE 7-22 §2.3.1 combinations 1 to 5 and §2.3.6 combinations 6 and 7.
std::vector<FactorRow> buildStandardTable() {
    std::vector<FactorRow> rows;
    rows.push_back({{{D, 1.4, Required}}});
    for (const LoadKind roof : kRoofKinds) { // 1.2D + 1.6L + 0.5(Lr or S or R)
        rows.push_back({{{D, 1.2, Droppable}, {L, 1.6, Required}, {roof, 0.5, Alternative}}});
    }
    for (const LoadKind roof : kRoofKinds) { // 1.2D + 1.6(Lr or S or R) + (L or 0.5W)
        rows.push_back(
            {{{D, 1.2, Droppable}, {roof, 1.6, Required}, {L, 1.0, Droppable}}, 0, true});
        rows.push_back({{{D, 1.2, Droppable}, {roof, 1.6, Required}, {W, 0.5, Required}}});
    }
    for (const LoadKind roof : kRoofKinds) { // 1.2D + 1.0W + L + 0.5(Lr or S or R)
        rows.push_back({{{D, 1.2, Droppable},
                         {W, 1.0, Required},
                         {L, 1.0, Droppable},
                         {roof, 0.5, Alternative}},
                        0,
                        true});
    }
    rows.push_back({{{D, 0.9, Droppable}, {W, 1.0, Required}}}); // 0.9D + 1.0W
    // 1.2D + Ev + Eh + L + 0.2S
    rows.push_back(
        {{{D, 1.2, Droppable}, {E, 1.0, Required}, {L, 1.0, Droppable}, {S, 0.2, Droppable}},
         1,
         true});
    rows.push_back({{{D, 0.9, Droppable}, {E, 1.0, Required}}, -1}); // 0.9D - Ev + Eh
    return rows;
}

// Sums factor x case into a combination, keeping the parts the sustained force and the end
// moments need.
class CombinationSum {
public:
    explicit CombinationSum(double liveFraction) : liveFraction_(liveFraction) {}

    void add(const LoadCase& c, double factor) {
        if (factor == 0) {
            return;
        }
        out_.Pu += factor * c.P;
        out_.Mux += factor * c.Mx;
        out_.Muy += factor * c.My;
        if (c.kind == D) {
            dead_ += factor * c.P;
        } else if (c.kind == L) {
            live_ += factor * c.P;
        }
        const bool givesEnds = c.sway || std::any_of(c.ends.begin(), c.ends.end(),
                                                     [](auto v) { return v.has_value(); });
        if (givesEnds) {
            out_.ends.emplace(); // value-initialised: zeros
        }
        const std::array<double, 4> whole = {
            c.ends[kMxTop].value_or(c.Mx), c.ends[kMxBot].value_or(c.Mx),
            c.ends[kMyTop].value_or(c.My), c.ends[kMyBot].value_or(c.My)};
        for (std::size_t i = 0; i < 4; ++i) {
            ends_[i] += factor * whole[i];
            ends_[i + 4] += factor * c.ends[i + 4].value_or(c.sway ? whole[i] : 0.0);
        }
        any_ = true;
    }

    bool empty() const { return !any_; }

    LoadCombination finish(std::string name) {
        out_.name = std::move(name);
        out_.PuSustained = dead_ + liveFraction_ * live_;
        if (out_.ends) {
            out_.ends = ends_;
        }
        return std::move(out_);
    }

private:
    double liveFraction_;
    LoadCombination out_;
    double dead_ = 0;
    double live_ = 0;
    std::array<double, kEndMomentCount> ends_{};
    bool any_ = false;
};

class Generator {
public:
    explicit Generator(const LoadCaseSet& set) : set_(set) {
        for (std::size_t i = 0; i < set.cases.size(); ++i) {
            byKind_[static_cast<std::size_t>(set.cases[i].kind)].push_back(i);
        }
    }

    std::vector<LoadCombination> run() {
        for (const FactorRow& row : factorTableOf(set_.options)) {
            addRow(row);
        }
        for (const UserCombination& user : set_.options.userCombinations) {
            CombinationSum sum(set_.options.sustainedLiveFraction);
            for (const auto& [caseName, factor] : user.factors) {
                const std::string& name = caseName; // a lambda may not capture a binding
                const auto c =
                    std::find_if(set_.cases.begin(), set_.cases.end(),
                                 [&name](const LoadCase& lc) { return lc.name == name; });
                if (c != set_.cases.end()) {
                    sum.add(*c, factor);
                }
            }
            out_.push_back(sum.finish(user.name));
        }
        return std::move(out_);
    }

private:
    const std::vector<std::size_t>& casesOf(LoadKind kind) const {
        return byKind_[static_cast<std::size_t>(kind)];
    }
    bool has(LoadKind kind) const { return !casesOf(kind).empty(); }

    // The row's terms that enter, with the project's factors; nothing when the row is left out.
    std::optional<std::vector<FactorTerm>> entering(const FactorRow& row) const {
        const bool anyRoof =
            std::any_of(kRoofKinds.begin(), kRoofKinds.end(), [&](LoadKind k) { return has(k); });
        std::vector<FactorTerm> terms;
        for (FactorTerm t : row.terms) {
            if (!has(t.kind)) {
                if (t.presence == Required || (t.presence == Alternative && anyRoof)) {
                    return std::nullopt;
                }
                continue;
            }
            t.factor = termFactor(row, t, set_.options);
            if (t.kind == D) {
                t.factor += row.verticalSeismic * 0.2 * set_.options.SDS;
            }
            if (t.factor != 0) {
                terms.push_back(t);
            }
        }
        return terms;
    }

    void addRow(const FactorRow& row) {
        const auto terms = entering(row);
        if (!terms || terms->empty()) {
            return;
        }
        const auto lateral = std::find_if(terms->begin(), terms->end(),
                                          [](const FactorTerm& t) { return isLateral(t.kind); });
        if (lateral == terms->end()) {
            addCombination(*terms, std::nullopt, 1);
            return;
        }
        for (const std::size_t lateralCase : casesOf(lateral->kind)) {
            for (const int sense : {1, -1}) {
                addCombination(*terms, lateralCase, sense);
            }
        }
    }

    void addCombination(const std::vector<FactorTerm>& terms,
                        std::optional<std::size_t> lateralCase, int sense) {
        std::vector<std::pair<std::size_t, double>> key;
        CombinationSum sum(set_.options.sustainedLiveFraction);
        std::string name;
        for (const FactorTerm& t : terms) {
            const bool lateral = isLateral(t.kind);
            const double factor = lateral ? sense * t.factor : t.factor;
            const std::vector<std::size_t> single = {lateralCase.value_or(0)};
            for (const std::size_t i : lateral ? single : casesOf(t.kind)) {
                sum.add(set_.cases[i], factor);
                key.emplace_back(i, factor);
            }
            if (!name.empty() || factor < 0) {
                name += factor < 0 ? (name.empty() ? "-" : " - ") : " + ";
            }
            name += factorText(std::fabs(factor)) + std::string(loadKindName(t.kind));
            if (lateral && casesOf(t.kind).size() > 1) {
                name += "[" + set_.cases[*lateralCase].name + "]";
            }
        }
        std::sort(key.begin(), key.end());
        if (!seen_.insert(key).second) {
            return;
        }
        out_.push_back(sum.finish(std::move(name)));
    }

    const LoadCaseSet& set_;
    std::array<std::vector<std::size_t>, kLoadKinds.size()> byKind_;
    std::set<std::vector<std::pair<std::size_t, double>>> seen_;
    std::vector<LoadCombination> out_;
};

} // namespace

const std::vector<FactorRow>& standardFactorTable() {
    static const std::vector<FactorRow> table = buildStandardTable();
    return table;
}

const std::vector<FactorRow>& factorTableOf(const CombinationOptions& options) {
    return options.factorTable.empty() ? standardFactorTable() : options.factorTable;
}

double termFactor(const FactorRow& row, const FactorTerm& term, const CombinationOptions& options) {
    return term.kind == LoadKind::L && row.halvableLive && options.halfLive ? 0.5 : term.factor;
}

std::string factorText(double factor) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", factor);
    std::string s = text;
    while (s.size() > 1 && s.back() == '0' && s[s.size() - 2] != '.') {
        s.pop_back();
    }
    return s;
}

std::vector<LoadCombination> generateCombinations(const LoadCaseSet& set) {
    return Generator(set).run();
}

} // namespace pmsect
