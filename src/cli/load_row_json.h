// One checked load as check --json prints it, shared by the project's own loads and the loads of
// a load file, so that both carry the same keys.
#pragma once

#include "engine/load_check.h"

#include <array>
#include <nlohmann/json.hpp>

namespace pmsect::cli {

// The keys of one checked load, in order.
inline constexpr std::array<const char*, 10> kLoadRowKeys = {
    "Pu_kip",    "Mux_kipft",    "Muy_kipft",    "e_in",  "angle_deg",
    "phiPn_kip", "phiMnx_kipft", "phiMny_kipft", "ratio", "capacityFound"};

// Capacities and the ratio are null for a load whose capacity was not found. The keys are added
// after any that object already holds.
void addLoadRowKeys(nlohmann::ordered_json& object, const CheckedLoad& check);

inline nlohmann::ordered_json loadRowJson(const CheckedLoad& check) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    addLoadRowKeys(object, check);
    return object;
}

} // namespace pmsect::cli
