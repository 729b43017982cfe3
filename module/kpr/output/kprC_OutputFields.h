#pragma once
// Shared pieces of the per-step output settings (restart, monitor, diagnostic print):
// field-by-field equality generated from a class's attribute rows, and the validated
// edit that the "setValues" commands use.
#include <utility>

// One row of an attribute table as a term of a field comparison with `other`.
#define KPRC_FIELD_EQ_ROW_(Type, name, initial, ...) &&name##_ == other.name##_

// Equality of a root's own fields, for the concrete classes' IsEqual.
#define KPRC_OUTPUT_ROOT_EQUALITY(Class, ROWS) \
protected: \
    bool FieldsEqual([[maybe_unused]] Class const& other) const { return true ROWS(KPRC_FIELD_EQ_ROW_); } \
public:

// IsEqual, == and != of a concrete kind: the root's fields, then its own.
#define KPRC_OUTPUT_EQUALITY(Class, ROWS) \
    bool IsEqual(Class const& other) const { return cls_Base::FieldsEqual(other) ROWS(KPRC_FIELD_EQ_ROW_); } \
    bool operator==(Class const& other) const { return IsEqual(other); } \
    bool operator!=(Class const& other) const { return !IsEqual(other); }

// Applies `change` to a copy of `object` and keeps it only when the copy is valid, so a
// refused edit (AssertValid raising) leaves the object as it was.
template <class T, class F>
void kprC_SetValues(T& object, F&& change) {
    T edited(object);
    std::forward<F>(change)(edited);
    edited.AssertValid();
    object = edited;
}
