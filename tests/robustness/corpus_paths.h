// Where the robustness tests find the fuzz seed corpus and the inputs the fuzzers found.
#pragma once

#include <filesystem>

namespace pmsect::robust {

inline std::filesystem::path fuzzCorpus() {
#ifdef PMSECT_FUZZ_CORPUS
    return PMSECT_FUZZ_CORPUS;
#else
    return std::filesystem::path(PMSECT_TEST_DATA) / ".." / ".." / "fuzz" / "corpus";
#endif
}

// tests/robustness/data: each file a finding, kept as a regression input.
inline std::filesystem::path foundInputs() {
    return std::filesystem::path(PMSECT_TEST_DATA) / ".." / "robustness" / "data";
}

} // namespace pmsect::robust
