// The end moments of a member and their sway parts, and the sustained axial force, as an analysis
// gives them with a load or a load case: what the moment magnifier needs beyond Pu, Mux and Muy.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace pmsect {

// The end moments of a member and their sway parts, about x and y (kip-ft), in the moment-diagram
// sign of analysis output. Each is optional: a case that gives none stands for equal end moments
// Mx and My (single curvature).
enum EndMoment : std::size_t {
    kMxTop,
    kMxBot,
    kMyTop,
    kMyBot,
    kMxTopSway,
    kMxBotSway,
    kMyTopSway,
    kMyBotSway,
    kEndMomentCount
};

inline constexpr std::array<std::string_view, kEndMomentCount> kCaseEndMomentNames = {
    "MxTop", "MxBot", "MyTop", "MyBot", "MxTopSway", "MxBotSway", "MyTopSway", "MyBotSway"};
// The same moments of a factored load, named as the load fields are.
inline constexpr std::array<std::string_view, kEndMomentCount> kLoadEndMomentNames = {
    "MuxTop", "MuxBot", "MuyTop", "MuyBot", "MuxTopSway", "MuxBotSway", "MuyTopSway", "MuyBotSway"};

using EndMoments = std::array<std::optional<float>, kEndMomentCount>;

// A factored load's end moments and sustained axial force (kips, compression negative), each
// optional: nothing given stands for equal end moments Mux and Muy and the project's beta_dns.
struct LoadEndMoments {
    EndMoments moments{};
    std::optional<float> PuSustained;

    bool empty() const {
        for (const auto& m : moments) {
            if (m) {
                return false;
            }
        }
        return !PuSustained;
    }
    bool operator==(const LoadEndMoments&) const = default;
};

} // namespace pmsect
