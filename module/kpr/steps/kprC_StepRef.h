#pragma once
// A step's name and step object behind one pointer, shared by the step list and every
// (object, step) record of the step, so that a record stays small and a million records
// of a hundred steps hold a hundred of these. The pair it points to never changes in
// place while shared: a setter on a shared handle gives the handle a pair of its own.
#include <atomic>
#include <unordered_map>
#include <utility>

#include "module/kpr/steps/kprC_Step.h"
#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"

class kprC_StepRef {
public:
    kprC_StepRef() = default;
    kprC_StepRef(cow_String name, cow_COW<kprC_Step> procedure)
        : body_(new Body{{1}, std::move(name), std::move(procedure)}) {}
    kprC_StepRef(kprC_StepRef const& other) : body_(other.body_) {
        if (body_) body_->refs.fetch_add(1, std::memory_order_relaxed);
    }
    kprC_StepRef(kprC_StepRef&& other) noexcept : body_(std::exchange(other.body_, nullptr)) {}
    kprC_StepRef& operator=(kprC_StepRef other) noexcept {
        std::swap(body_, other.body_);
        return *this;
    }
    ~kprC_StepRef() {
        if (body_ && body_->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete body_;
    }

    cow_String const& name() const { return body_ ? body_->name : Empty().name; }
    cow_COW<kprC_Step> const& procedure() const { return body_ ? body_->procedure : Empty().procedure; }
    void name(cow_String value) { Own().name = std::move(value); }
    void procedure(cow_COW<kprC_Step> value) { Own().procedure = std::move(value); }

    bool SharesWith(kprC_StepRef const& other) const { return body_ == other.body_; }

private:
    struct Body {
        std::atomic<int> refs;
        cow_String name;
        cow_COW<kprC_Step> procedure;
    };
    static Body const& Empty() {
        static Body const empty{{1}, {}, {}};
        return empty;
    }
    // The pair, this handle's alone.
    Body& Own() {
        if (!body_)
            body_ = new Body{{1}, {}, {}};
        else if (body_->refs.load(std::memory_order_acquire) > 1)
            *this = kprC_StepRef(body_->name, body_->procedure);
        return *body_;
    }

    Body* body_ = nullptr;
};

// The handles of the steps met in one read operation, by step object: each record read
// gets a pair of its own, which this swaps for the first equal handle of its step (the
// step list's and every record's of the step then hold one pair, as before saving).
class kprC_StepRefs {
public:
    kprC_StepRef const& Share(kprC_StepRef const& ref) {
        auto [at, added] = byStep_.try_emplace(ref.procedure().Shared().get(), ref);
        return added || at->second.name() != ref.name() ? ref : at->second;
    }

private:
    std::unordered_map<kprC_Step const*, kprC_StepRef> byStep_;
};
