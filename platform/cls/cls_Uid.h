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

// The identity member of a class level. Every construction, copies included, draws a
// fresh identity and assignment keeps the target's own: two distinct objects written
// in one operation must never pass for one shared object (the writer would store the
// second as a reference to the first and lose its contents).
class cls_InstanceUid {
public:
    cls_InstanceUid() : uid_(cls_Uid::AllocateUid()) {}
    explicit cls_InstanceUid(cls_Uid uid) : uid_(uid) {}
    cls_InstanceUid(cls_InstanceUid const&) : uid_(cls_Uid::AllocateUid()) {}
    cls_InstanceUid& operator=(cls_InstanceUid const&) { return *this; }

    cls_Uid Get() const { return uid_; }
    void Set(cls_Uid uid) { uid_ = uid; }
    void Renew() { uid_ = cls_Uid::AllocateUid(); }

private:
    cls_Uid uid_;
};

// The identity of a class level whose objects are only ever held by value (the per-step
// records of a propagating object): never shared, so the writer needs no identity to
// find them again, and copies cost no draw from the counter.
struct cls_NoIdentity {
    cls_Uid Get() const { return {}; }
    void Set(cls_Uid) {}
    void Renew() {}
};
