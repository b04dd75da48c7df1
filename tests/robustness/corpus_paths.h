// Where the robustness tests find the fuzz seed corpus, the inputs the fuzzers found and the
// hostile files kept from hostile runs.
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

// tests/robustness/hostile: small files a hostile run made of control bytes and short records,
// each refused with a message that names its file once and prints every byte it quotes.
inline std::filesystem::path hostileInputs() {
    return std::filesystem::path(PMSECT_TEST_DATA) / ".." / "robustness" / "hostile";
}

} // namespace pmsect::robust
