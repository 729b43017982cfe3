#pragma once
// A propagating attribute of a per-step state: a value with its attribute state, which
// tells whether the value was set in this step, inherited from an earlier one, cleared
// here, or never set. The propagator moves SET values forward as INHERITED.
//
// Each value type is a stored class of its own; mdl_PropAttrClass<V> gives its type id
// and registered name. The default value of every attribute is V{}.
#include <cstdint>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/mdl/mdl_PropagationStatus.h"
#include "platform/atr/atr_String.h"
#include "platform/cow/cow_String.h"
#include "platform/nex/nex_Exception.h"

template <class V>
struct mdl_PropAttrClass;

// The stored class of each value type.
#define MDL_PROPATTR_CLASS_(V, typeId, name)           \
    template <>                                        \
    struct mdl_PropAttrClass<V> {                      \
        static constexpr std::uint32_t TypeId = typeId; \
        static constexpr char const* Name = name;      \
    };
MDL_PROPATTR_CLASS_(double, 0x000A0011, "mdl_PropAttrDouble")
MDL_PROPATTR_CLASS_(cow_String, 0x000A0012, "mdl_PropAttrString")
MDL_PROPATTR_CLASS_(int, 0x000A0013, "mdl_PropAttrInt")
MDL_PROPATTR_CLASS_(bool, 0x000A0014, "mdl_PropAttrBool")
#undef MDL_PROPATTR_CLASS_

#define MDL_PROPATTR_ATTRIBUTES(A) \
    A(V, value, V{})               \
    A(mdl_PropAttributeStateEnm, state, mdl_PropAttributeStateEnm::UNSET)

template <class V>
class mdl_PropAttr : public cls_Persistent {
    CLS_PERSISTENT_NAMED(mdl_PropAttr, cls_Persistent, mdl_PropAttrClass<V>::TypeId, mdl_PropAttrClass<V>::Name, 1,
                         MDL_PROPATTR_ATTRIBUTES)

    using StateEnm = mdl_PropAttributeStateEnm;

    mdl_PropAttr() = default;
    mdl_PropAttr(V value, StateEnm state) : value_(std::move(value)), state_(state) {}
    // A value given is set in this step, as by assignment.
    mdl_PropAttr(V value) : value_(std::move(value)), state_(StateEnm::SET) {}
    // ... also from what converts to a value, so that load.amplitude("Amp-1") reads as it says.
    template <class U, class = std::enable_if_t<!std::is_same_v<std::decay_t<U>, V> &&
                                                !std::is_base_of_v<mdl_PropAttr, std::decay_t<U>> &&
                                                std::is_convertible_v<U, V>>>
    mdl_PropAttr(U&& value) : value_(std::forward<U>(value)), state_(StateEnm::SET) {}
    mdl_PropAttr(mdl_PropAttr const&) = default;
    mdl_PropAttr& operator=(mdl_PropAttr const&) = default;

    // Assigning a value sets it in this step.
    mdl_PropAttr& operator=(V value) {
        value_ = std::move(value);
        state_ = StateEnm::SET;
        return *this;
    }

    // Mutable access counts as setting the value.
    V& MutableValue() {
        state_ = StateEnm::SET;
        return value_;
    }
    // UNSET and CLEARED also put the default value back.
    void SetState(StateEnm state) {
        state_ = state;
        if (state == StateEnm::UNSET || state == StateEnm::CLEARED) value_ = V{};
    }

    // The scripting way of setting the attribute state: the creation step admits UNSET,
    // SET and INHERITED, other steps SET, INHERITED and CLEARED.
    void SetStatus(cow_String const& attributeName, StateEnm state, bool inCreationStep) {
        bool const admitted = state == StateEnm::SET || state == StateEnm::INHERITED ||
                              state == (inCreationStep ? StateEnm::UNSET : StateEnm::CLEARED);
        if (!admitted)
            throw nex_TextException(
                atr_SubstituteFormat(atr_translate("Invalid propagation status for '%s' attribute."), {attributeName}));
        SetState(state);
    }

    bool IsModified() const { return state_ == StateEnm::SET || state_ == StateEnm::CLEARED; }
    // What a later step sees: SET becomes INHERITED, CLEARED becomes UNSET.
    void Propagate() {
        if (state_ == StateEnm::SET)
            state_ = StateEnm::INHERITED;
        else if (state_ == StateEnm::CLEARED)
            state_ = StateEnm::UNSET;
    }
    // Takes over what `other` changes in its step, and nothing else.
    void Modify(mdl_PropAttr const& other) {
        if (!other.IsModified()) return;
        value_ = other.value_;
        state_ = other.state_;
    }

    bool operator==(mdl_PropAttr const& other) const { return value_ == other.value_ && state_ == other.state_; }
};

// Scripts see a propagating attribute as its value, and its attribute state as a string
// set through SetStatus.
template <class V>
    requires cls_Scriptable<V>
struct cls_ScriptCodec<mdl_PropAttr<V>> {
    static cls_ScriptType Type() { return cls_ScriptCodec<V>::Type(); }
    static cls_ScriptValue Get(mdl_PropAttr<V> const& a) { return cls_ScriptCodec<V>::Get(a.value()); }
    static void Assign(mdl_PropAttr<V>& a, cls_ScriptValue const& v, char const* name) {
        V value{};
        cls_ScriptCodec<V>::Assign(value, v, name);
        a = std::move(value);
    }
    static std::string State(mdl_PropAttr<V> const& a) { return cls_EnumCodec<mdl_PropAttributeStateEnm>::ToString(a.state()); }
    static void SetState(mdl_PropAttr<V>& a, std::string const& state, char const* name, bool inCreationStep) {
        a.SetStatus(name, cls_EnumCodec<mdl_PropAttributeStateEnm>::FromScript(state), inCreationStep);
    }
};
