#pragma once
// A tuple of scripting primitives (texts and integers), as the change history records them.
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

class omu_PrimTuple {
public:
    using Item = std::variant<std::string, int>;

    omu_PrimTuple() = default;
    omu_PrimTuple(std::initializer_list<Item> items) : items_(items) {}

    std::vector<Item> const& Items() const { return items_; }
    std::size_t Size() const { return items_.size(); }
    bool operator==(omu_PrimTuple const&) const = default;

    // ("Insert", "Step-1", -99)
    std::string ToString() const;

private:
    std::vector<Item> items_;
};
