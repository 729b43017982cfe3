#pragma once
// Persistence identity of one class level of an object, drawn from a process-wide counter.
#include <compare>
#include <cstdint>

class cls_Uid {
public:
    cls_Uid() = default;
    explicit cls_Uid(std::uint64_t value) : value_(value) {}

    static cls_Uid AllocateUid();

    std::uint64_t Value() const { return value_; }
    bool IsValid() const { return value_ != 0; }
    auto operator<=>(cls_Uid const&) const = default;

private:
    std::uint64_t value_ = 0;
};
