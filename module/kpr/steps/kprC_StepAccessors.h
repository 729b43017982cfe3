#pragma once
// Reading and setting accessors for every row of a class's attribute table:
// `step.numEigen()` reads, `step.numEigen(10)` sets. Place the macro after the members.
#include <utility>

#define KPRC_ACCESSOR_ROW_(stem, member, key, def, ...)            \
    decltype(member) const& stem() const { return member; }         \
    void stem(decltype(member) value) { member = std::move(value); }

#define KPRC_ACCESSORS(ROWS) ROWS(KPRC_ACCESSOR_ROW_)
