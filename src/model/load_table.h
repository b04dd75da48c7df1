// The project's load table: any number of factored loads, rows 1..count() as the table numbers
// them.
#pragma once

#include "model/load_row.h"

#include <cstddef>
#include <vector>

namespace pmsect {

class LoadTable {
public:
    int count() const { return static_cast<int>(rows_.size()); }

    // Row k, 1 <= k <= count(); a row outside throws std::out_of_range rather than reach
    // memory the table does not hold.
    LoadRow& operator[](std::size_t k) { return rows_.at(k - 1); }
    const LoadRow& operator[](std::size_t k) const { return rows_.at(k - 1); }

    void append(const LoadRow& row) { rows_.push_back(row); }
    // Rows past n go; rows added are blank.
    void resize(std::size_t n) { rows_.resize(n); }
    void reserve(std::size_t n) { rows_.reserve(n); }
    void clear() { resize(0); }

private:
    std::vector<LoadRow> rows_;
};

} // namespace pmsect
