#pragma once
// Copy-on-write handle: copies share one object; the first mutable access of a
// shared object gives this handle its own copy (through Copy() for polymorphic
// classes, so a handle to a base class clones the dynamic type).
#include <memory>
#include <type_traits>

template <class T>
class cow_COW {
public:
    cow_COW() = default;
    explicit cow_COW(T* object) : ptr_(object) {}
    explicit cow_COW(std::shared_ptr<T> object) : ptr_(std::move(object)) {}

    bool IsNull() const { return !ptr_; }
    explicit operator bool() const { return static_cast<bool>(ptr_); }

    T const& Get() const { return *ptr_; }
    T const* operator->() const { return ptr_.get(); }
    T const& operator*() const { return *ptr_; }

    // Unshares first when another handle holds the same object.
    T& GetMutable() {
        if (ptr_ && ptr_.use_count() > 1) ptr_ = Clone(*ptr_);
        return *ptr_;
    }

    bool SharesWith(cow_COW const& other) const { return ptr_ == other.ptr_; }
    std::shared_ptr<T> const& Shared() const { return ptr_; }
    long UseCount() const { return ptr_.use_count(); }

private:
    static std::shared_ptr<T> Clone(T const& object) {
        if constexpr (requires { object.Copy(); }) {
            auto* copy = object.Copy();
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(*copy)>, T>)
                return std::shared_ptr<T>(copy);
            else
                return std::shared_ptr<T>(dynamic_cast<T*>(copy));
        } else {
            return std::make_shared<T>(object);
        }
    }

    std::shared_ptr<T> ptr_;
};
