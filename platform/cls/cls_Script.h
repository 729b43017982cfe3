#pragma once
// What scripts see of a stored class, derived from the same rows as its stored form.
//
// cls_ScriptValue is a value as a script hands it over or gets it back: nothing, a
// boolean, an integer, a float, a string, a sequence, or an object of a stored class.
// cls_ScriptCodec<M> converts one member type both ways and says what it takes
// (cls_ScriptType); a member type without a codec (maps, lists of objects, the per-step
// records) is not seen from scripts. Enumerations are their permitted strings, objects
// are shared snapshots (the model's own copy-on-write objects are never changed through
// them), and a propagating attribute adds its attribute state ("SET", "INHERITED", ...).
//
// cls_ScriptRegistry holds one cls_ScriptClass per registered class level: its scripting
// constructor name, a factory for concrete classes, and its attributes under their
// scripting names with typed getters and setters. CLS_PERSISTENT registers every class
// with its metadata, so a class added later is seen from scripts without further code.
#include <cmath>
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/cls/cls_Codec.h"
#include "platform/cls/cls_Persistent.h"
#include "platform/cow/cow_2DArray.h"
#include "platform/cow/cow_COW.h"
#include "platform/nex/nex_Exception.h"

struct cls_ScriptValue;
using cls_ScriptList = std::vector<cls_ScriptValue>;
using cls_ScriptObject = std::shared_ptr<cls_Persistent const>;

struct cls_ScriptValue {
    std::variant<std::monostate, bool, std::int64_t, double, std::string, cls_ScriptList, cls_ScriptObject> v;

    cls_ScriptValue() = default;
    cls_ScriptValue(bool b) : v(b) {}
    template <std::integral I>
        requires(!std::same_as<I, bool>)
    cls_ScriptValue(I i) : v(std::int64_t(i)) {}
    cls_ScriptValue(double d) : v(d) {}
    cls_ScriptValue(std::string s) : v(std::move(s)) {}
    cls_ScriptValue(char const* s) : v(std::string(s)) {}
    cls_ScriptValue(cls_ScriptList l) : v(std::move(l)) {}
    cls_ScriptValue(cls_ScriptObject o) : v(std::move(o)) {}

    bool IsNone() const { return std::holds_alternative<std::monostate>(v) || (Object() && !*Object()); }
    template <class T>
    T const* If() const { return std::get_if<T>(&v); }
    cls_ScriptObject const* Object() const { return If<cls_ScriptObject>(); }
    // "a string", "an integer", ...: what the value is, for messages.
    std::string KindName() const;
    // The value as a script would write it: 'Step-1', 1.5, ('A', 'B'), None.
    std::string Repr() const;
};

// What an attribute takes and gives.
enum class cls_ScriptKind { Bool, Int, Double, String, Enum, List, Table, Object };

struct cls_ScriptType {
    cls_ScriptKind kind = cls_ScriptKind::String;
    cls_ScriptKind element = cls_ScriptKind::String;  // of a list; a table holds floats
    std::vector<std::string> permitted;               // of an enumeration, in table order
    std::uint32_t objectTypeId = 0;                   // the class an object attribute holds
    bool propagating = false;                         // has an attribute state per step
    bool optional = false;                            // an object attribute that may be None
    bool derived = false;                             // computed from others; not stored or shown
    std::vector<std::string> tuple;                   // a list of records given as tuples: their order

    static cls_ScriptType Of(cls_ScriptKind kind, cls_ScriptKind element = cls_ScriptKind::String) {
        cls_ScriptType t;
        t.kind = kind;
        t.element = element;
        return t;
    }
    static cls_ScriptType EnumOf(std::vector<std::string> permitted) {
        cls_ScriptType t = Of(cls_ScriptKind::Enum);
        t.permitted = std::move(permitted);
        return t;
    }
    static cls_ScriptType ObjectOf(std::uint32_t typeId, bool optional = false) {
        cls_ScriptType t = Of(cls_ScriptKind::Object);
        t.objectTypeId = typeId;
        t.optional = optional;
        return t;
    }
    // "a float", "one of OFF, ON, NOT_AVAILABLE", "a sequence of strings", ...
    std::string Describe() const;
};

// "constraints must hold at least 7 entries; it holds 3."
std::string cls_ShortListMessage(char const* name, std::size_t minSize, std::size_t size);
// Raises omu_ValueErrorException with that message when a list holds fewer than
// `minSize` entries; anything without a size passes.
template <class M>
void cls_RequireSize(M const& value, std::size_t minSize, char const* name) {
    if constexpr (requires { value.size(); }) {
        if (value.size() < minSize) throw omu_ValueErrorException(cls_ShortListMessage(name, minSize, value.size()));
    }
}

// Raises omu_TypeErrorException: "timePeriod must be a float, not a string".
[[noreturn]] void cls_ScriptMismatch(char const* name, cls_ScriptType const& type, cls_ScriptValue const& value);

template <class M>
struct cls_ScriptCodec;

template <class M>
concept cls_Scriptable = requires(M& m, cls_ScriptValue const& v) {
    { cls_ScriptCodec<M>::Type() } -> std::same_as<cls_ScriptType>;
    { cls_ScriptCodec<M>::Get(std::as_const(m)) } -> std::same_as<cls_ScriptValue>;
    cls_ScriptCodec<M>::Assign(m, v, "");
};

template <cls_ScriptKind K>
struct cls_ScriptPlain {
    static cls_ScriptType Type() { return cls_ScriptType::Of(K); }
};

template <>
struct cls_ScriptCodec<bool> : cls_ScriptPlain<cls_ScriptKind::Bool> {
    static cls_ScriptValue Get(bool b) { return b; }
    static void Assign(bool& m, cls_ScriptValue const& v, char const* name) {
        auto const* b = v.If<bool>();
        if (!b) cls_ScriptMismatch(name, Type(), v);
        m = *b;
    }
};

template <std::integral I>
    requires(!std::same_as<I, bool>)
struct cls_ScriptCodec<I> : cls_ScriptPlain<cls_ScriptKind::Int> {
    static cls_ScriptValue Get(I i) { return i; }
    static void Assign(I& m, cls_ScriptValue const& v, char const* name) {
        auto const* i = v.If<std::int64_t>();
        if (!i) cls_ScriptMismatch(name, Type(), v);
        if (!std::in_range<I>(*i))
            throw omu_ValueErrorException(std::string(name) + ": " + std::to_string(*i) + " is out of range");
        m = I(*i);
    }
};

template <std::floating_point F>
struct cls_ScriptCodec<F> : cls_ScriptPlain<cls_ScriptKind::Double> {
    static cls_ScriptValue Get(F f) { return double(f); }
    static void Assign(F& m, cls_ScriptValue const& v, char const* name) {
        // A stored number is finite (the reader refuses others), so a script may not set one.
        if (auto const* d = v.If<double>()) {
            if (!std::isfinite(*d))
                throw omu_ValueErrorException(std::string(name) + ": " + (std::isnan(*d) ? "nan" : *d > 0 ? "inf" : "-inf") +
                                              " is not a finite number");
            m = F(*d);
        } else if (auto const* i = v.If<std::int64_t>())
            m = F(*i);
        else
            cls_ScriptMismatch(name, Type(), v);
    }
};

template <>
struct cls_ScriptCodec<std::string> : cls_ScriptPlain<cls_ScriptKind::String> {
    static cls_ScriptValue Get(std::string const& s) { return s; }
    static void Assign(std::string& m, cls_ScriptValue const& v, char const* name) {
        auto const* s = v.If<std::string>();
        if (!s) cls_ScriptMismatch(name, Type(), v);
        m = *s;
    }
};

// Enumerations whose codec knows the permitted strings (omu_PrimEnum.h); a refused
// string raises the wrapper's own message.
template <class E>
concept cls_ScriptEnum = cls_StoredEnum<E> && requires(std::string const& s) {
    { cls_EnumCodec<E>::FromScript(s) } -> std::same_as<E>;
    { cls_EnumCodec<E>::PermittedStrings() } -> std::same_as<std::vector<std::string>>;
};

template <cls_ScriptEnum E>
struct cls_ScriptCodec<E> {
    static cls_ScriptType Type() { return cls_ScriptType::EnumOf(cls_EnumCodec<E>::PermittedStrings()); }
    static cls_ScriptValue Get(E e) { return cls_EnumCodec<E>::ToString(e); }
    static void Assign(E& m, cls_ScriptValue const& v, char const* name) {
        auto const* s = v.If<std::string>();
        if (!s) cls_ScriptMismatch(name, Type(), v);
        m = cls_EnumCodec<E>::FromScript(*s);
    }
};

// Sequences of plain values; lists of objects are not seen from scripts.
template <class X>
concept cls_ScriptPlainValue = cls_Scriptable<X> && (std::is_arithmetic_v<X> || std::same_as<X, std::string> || std::is_enum_v<X>);

template <cls_ScriptPlainValue X>
struct cls_ScriptCodec<std::vector<X>> {
    static cls_ScriptType Type() { return cls_ScriptType::Of(cls_ScriptKind::List, cls_ScriptCodec<X>::Type().kind); }
    static cls_ScriptValue Get(std::vector<X> const& list) {
        cls_ScriptList out;
        for (X const& x : list) out.push_back(cls_ScriptCodec<X>::Get(x));
        return out;
    }
    static void Assign(std::vector<X>& m, cls_ScriptValue const& v, char const* name) {
        auto const* list = v.If<cls_ScriptList>();
        if (!list) cls_ScriptMismatch(name, Type(), v);
        std::vector<X> out(list->size());
        for (std::size_t i = 0; i < list->size(); ++i) {
            X x{};
            if (!ElementAssign(x, (*list)[i], name)) cls_ScriptMismatch(name, Type(), v);
            out[i] = std::move(x);
        }
        m = std::move(out);
    }

private:
    static bool ElementAssign(X& x, cls_ScriptValue const& e, char const* name) {
        try {
            cls_ScriptCodec<X>::Assign(x, e, name);
            return true;
        } catch (omu_TypeErrorException const&) {
            return false;
        }
    }
};

// A table of floats: a sequence of rows of equal length.
template <>
struct cls_ScriptCodec<cow_2DArray<double>> {
    static cls_ScriptType Type() { return cls_ScriptType::Of(cls_ScriptKind::Table, cls_ScriptKind::Double); }
    static cls_ScriptValue Get(cow_2DArray<double> const& a);
    static void Assign(cow_2DArray<double>& m, cls_ScriptValue const& v, char const* name);
};

// Objects of stored classes, by value or through a shared handle. A value handed in
// must be of the member's class or of a class derived from it.
template <class T>
T const* cls_ScriptObjectOf(cls_ScriptValue const& v, cls_ScriptType const& type, char const* name) {
    auto const* o = v.Object();
    T const* t = o && *o ? dynamic_cast<T const*>(o->get()) : nullptr;
    if (!t) cls_ScriptMismatch(name, type, v);
    return t;
}

template <cls_PersistentClass T>
struct cls_ScriptCodec<T> {
    static cls_ScriptType Type() { return cls_ScriptType::ObjectOf(T::TypeId()); }
    static cls_ScriptValue Get(T const& t) { return cls_ScriptObject(std::make_shared<T const>(t)); }
    static void Assign(T& m, cls_ScriptValue const& v, char const* name) { m = *cls_ScriptObjectOf<T>(v, Type(), name); }
};

template <cls_PersistentClass T>
struct cls_ScriptCodec<cow_COW<T>> {
    static cls_ScriptType Type() { return cls_ScriptType::ObjectOf(T::TypeId(), true); }
    // Shares the model's object: a change of the model copies it first.
    static cls_ScriptValue Get(cow_COW<T> const& h) { return h ? cls_ScriptValue(cls_ScriptObject(h.Shared())) : cls_ScriptValue(); }
    static void Assign(cow_COW<T>& m, cls_ScriptValue const& v, char const* name) {
        if (v.IsNone()) {
            m = {};
            return;
        }
        T const* t = cls_ScriptObjectOf<T>(v, Type(), name);
        if constexpr (requires { t->Copy(); })
            m = cow_COW<T>(std::shared_ptr<T>(dynamic_cast<T*>(t->Copy())));
        else
            m = cow_COW<T>(std::make_shared<T>(*t));
    }
};

// A list of shared objects (a step's contact controls): a sequence of objects, each of
// the element class or derived from it, copied in.
template <cls_PersistentClass T>
struct cls_ScriptCodec<std::vector<cow_COW<T>>> {
    static cls_ScriptType Type() {
        cls_ScriptType t = cls_ScriptType::Of(cls_ScriptKind::List, cls_ScriptKind::Object);
        t.objectTypeId = T::TypeId();
        return t;
    }
    static cls_ScriptValue Get(std::vector<cow_COW<T>> const& list) {
        cls_ScriptList out;
        for (auto const& h : list) out.push_back(cls_ScriptCodec<cow_COW<T>>::Get(h));
        return out;
    }
    static void Assign(std::vector<cow_COW<T>>& m, cls_ScriptValue const& v, char const* name) {
        auto const* list = v.If<cls_ScriptList>();
        if (!list) cls_ScriptMismatch(name, Type(), v);
        std::vector<cow_COW<T>> out(list->size());
        for (std::size_t i = 0; i < list->size(); ++i) {
            if ((*list)[i].IsNone()) cls_ScriptMismatch(name, Type(), v);
            try {
                cls_ScriptCodec<cow_COW<T>>::Assign(out[i], (*list)[i], name);
            } catch (omu_TypeErrorException const&) {
                cls_ScriptMismatch(name, Type(), v);
            }
        }
        m = std::move(out);
    }
};

// A list of records held by value (a step's mass scaling definitions, its frequency
// ranges). Each entry is an object of the record class, copied in, or, where the class
// states a tuple form (CLS_TUPLE), a tuple of its attributes in that order: the first
// `required` elements must be given and an omitted one keeps the value the previous
// tuple of the list gave it (the record's initial value for the first tuple). Read back
// as tuples where the class has the form, as objects otherwise.
template <class T>
concept cls_TupleRecord = requires {
    { T::cls_TupleRequired() } -> std::convertible_to<std::size_t>;
    T::cls_TupleOrder().names;
};

// The record's attributes in `order` (scripting names), as one tuple.
cls_ScriptValue cls_RecordTuple(cls_Persistent const& record, std::vector<std::string_view> const& order);
// Sets the record's attributes from one tuple; refuses a tuple shorter than `required`
// or longer than `order`, naming the list and the entry.
void cls_AssignTuple(cls_Persistent& record, cls_ScriptValue const& tuple, std::vector<std::string_view> const& order,
                     std::size_t required, char const* name, std::size_t entry);

template <class T>
std::vector<std::string_view> cls_TupleNames() {
    constexpr auto names = T::cls_TupleOrder().names;
    return {names.begin(), names.end()};
}

template <cls_PersistentClass T>
    requires std::is_default_constructible_v<T> && std::is_copy_constructible_v<T>
struct cls_ScriptCodec<std::vector<T>> {
    static cls_ScriptType Type() {
        cls_ScriptType t = cls_ScriptType::Of(cls_ScriptKind::List, cls_ScriptKind::Object);
        t.objectTypeId = T::TypeId();
        if constexpr (cls_TupleRecord<T>)
            for (auto n : cls_TupleNames<T>()) t.tuple.emplace_back(n);
        return t;
    }
    static cls_ScriptValue Get(std::vector<T> const& list) {
        cls_ScriptList out;
        for (T const& t : list) {
            if constexpr (cls_TupleRecord<T>)
                out.push_back(cls_RecordTuple(t, cls_TupleNames<T>()));
            else
                out.emplace_back(cls_ScriptObject(std::make_shared<T const>(t)));
        }
        return out;
    }
    static void Assign(std::vector<T>& m, cls_ScriptValue const& v, char const* name) {
        auto const* list = v.If<cls_ScriptList>();
        if (!list) cls_ScriptMismatch(name, Type(), v);
        std::vector<T> out;
        T current;  // carries omitted tuple elements from one entry to the next
        for (std::size_t i = 0; i < list->size(); ++i) {
            cls_ScriptValue const& e = (*list)[i];
            if (auto const* o = e.Object(); o && *o) {
                auto const* t = dynamic_cast<T const*>(o->get());
                if (!t) cls_ScriptMismatch(name, Type(), v);
                out.push_back(current = *t);
                continue;
            }
            if constexpr (cls_TupleRecord<T>) {
                if (e.If<cls_ScriptList>()) {
                    cls_AssignTuple(current, e, cls_TupleNames<T>(), T::cls_TupleRequired(), name, i);
                    out.push_back(current);
                    continue;
                }
            }
            cls_ScriptMismatch(name, Type(), v);
        }
        m = std::move(out);
    }
};

// One attribute as scripts see it. Propagating attributes also read and set their
// attribute state, under the attribute's scripting name followed by "State".
struct cls_ScriptAttribute {
    std::string script;
    std::string stored;
    cls_ScriptType type;
    std::function<cls_ScriptValue(cls_Persistent const&)> get;
    // `name` is the name the caller sees the attribute under, for messages.
    std::function<void(cls_Persistent&, cls_ScriptValue const&, char const* name)> set;
    std::function<std::string(cls_Persistent const&)> getState;
    std::function<void(cls_Persistent&, std::string const&, char const* name, bool inCreationStep)> setState;
};

// One class level as scripts see it.
struct cls_ScriptClass {
    std::uint32_t typeId = 0;
    std::uint32_t baseId = cls_NoBaseId;
    std::string name;             // the registered class name
    std::string constructorName;  // the scripting constructor; empty when scripts do not create it
    std::function<cls_Persistent*()> create;  // a default object; empty for an abstract class
    // The class's own rules (its AssertValid), which raise on the first one broken; empty
    // for a class without rules.
    std::function<void(cls_Persistent const&)> validate;
    std::vector<cls_ScriptAttribute> attributes;  // this level's own, in declaration order
    // Inherited attributes that this class shows under another name: (stored name, name).
    std::vector<std::pair<std::string, std::string>> renames;
};

class cls_ScriptRegistry {
public:
    // Replaces an earlier description of the same class.
    static void Add(cls_ScriptClass description);
    // After running the pending metadata functions, so that every registered class is there.
    static cls_ScriptClass const* Find(std::uint32_t typeId);
    static cls_ScriptClass const* FindByName(std::string const& name);
    static std::vector<cls_ScriptClass const*> All();
    // Whether the class is `baseId` or derives from it.
    static bool DerivesFrom(std::uint32_t typeId, std::uint32_t baseId);
    // What an object of the class shows: base levels first, each attribute under the
    // name the most derived level that renames it gives it; a later level's attribute
    // of the same name hides an earlier one.
    static std::vector<cls_ScriptAttribute> AttributesOf(std::uint32_t typeId);
    static cls_ScriptAttribute const* FindAttribute(std::vector<cls_ScriptAttribute> const& attributes,
                                                    std::string const& script);
};

// The object as the class C that declared the attribute.
template <class C>
C& cls_ScriptOwner(cls_Persistent& o) {
    auto* c = dynamic_cast<C*>(&o);
    NEX_ASSERT(c != nullptr);
    return *c;
}
template <class C>
C const& cls_ScriptOwner(cls_Persistent const& o) {
    return cls_ScriptOwner<C>(const_cast<cls_Persistent&>(o));
}

// The attribute of a row whose type scripts can see, read through `get` (C const& -> M)
// and set through `set` (C&, M): a member of its own or the class's accessors.
template <class C, class M, class Get, class Set>
void cls_AddScriptAttribute(std::vector<cls_ScriptAttribute>& out, Get get, Set set, char const* script, char const* stored) {
    if constexpr (cls_Scriptable<M>) {
        using S = cls_ScriptCodec<M>;
        cls_ScriptAttribute a{script, stored, S::Type(), {}, {}, {}, {}};
        a.get = [get](cls_Persistent const& o) { return S::Get(get(cls_ScriptOwner<C>(o))); };
        a.set = [get, set](cls_Persistent& o, cls_ScriptValue const& v, char const* name) {
            M value = get(cls_ScriptOwner<C>(o));
            S::Assign(value, v, name);
            set(cls_ScriptOwner<C>(o), std::move(value));
        };
        if constexpr (requires(M& m) { S::State(std::as_const(m)); S::SetState(m, "", "", true); }) {
            a.type.propagating = true;
            a.getState = [get](cls_Persistent const& o) { return S::State(get(cls_ScriptOwner<C>(o))); };
            a.setState = [get, set](cls_Persistent& o, std::string const& state, char const* name, bool inCreationStep) {
                M value = get(cls_ScriptOwner<C>(o));
                S::SetState(value, state, name, inCreationStep);
                set(cls_ScriptOwner<C>(o), std::move(value));
            };
        }
        out.push_back(std::move(a));
    }
}

template <class C, class M>
void cls_AddScriptAttribute(std::vector<cls_ScriptAttribute>& out, M C::*member, char const* script, char const* stored,
                            std::size_t minSize = 0) {
    cls_AddScriptAttribute<C, M>(
        out, [member](C const& c) -> M const& { return c.*member; },
        [member, minSize, script](C& c, M value) {
            cls_RequireSize(value, minSize, script);
            c.*member = std::move(value);
        },
        script, stored);
}

// The single string of the enumeration E, which scripts use for one special value of a
// number (numEigen=ALL). Given a script's string, first refuses it with E's own message
// unless E permits it.
using cls_ScriptWord = std::string (*)(std::string const* given);
template <class E>
std::string cls_EnumWord(std::string const* given) {
    if (given) cls_EnumCodec<E>::FromScript(*given);
    return cls_EnumCodec<E>::PermittedStrings().front();
}
// Makes scripts read `value` of the attribute as the word, and accept the word for it.
void cls_ScriptWordValue(cls_ScriptAttribute& a, cls_ScriptWord word, std::int64_t value);

template <class C>
concept cls_RefusesScriptConstructor =
    requires { typename C::cls_NoScriptConstructor; } && std::same_as<typename C::cls_NoScriptConstructor, C>;

// The scripting constructor of C: its constructorCmd() unless C says scripts do not
// create it (CLS_NO_SCRIPT_CONSTRUCTOR); none for an abstract class.
template <class C>
std::string cls_ScriptConstructorName() {
    if constexpr (std::is_default_constructible_v<C> && !cls_RefusesScriptConstructor<C> &&
                  requires { C::constructorCmd(); })
        return std::string(std::string_view(C::constructorCmd()));
    else
        return {};
}

// Marks a concrete class that scripts do not create.
#define CLS_NO_SCRIPT_CONSTRUCTOR using cls_NoScriptConstructor = cls_Self;

// Marks a class whose AssertValid refuses every object (it stands for "none here"), so
// that commands take its objects without checking them.
#define CLS_NOT_VALIDATED_BY_COMMANDS using cls_NotValidatedByCommands = cls_Self;
template <class C>
concept cls_NotValidatedByCommands =
    requires { typename C::cls_NotValidatedByCommands; } && std::same_as<typename C::cls_NotValidatedByCommands, C>;
template <class C>
concept cls_ValidatedByCommands = requires(C const& c) { c.AssertValid(); } && !cls_NotValidatedByCommands<C>;

// Inherited attributes that the class shows under other scripting names, as pairs of
// stored name and scripting name: CLS_SCRIPT_NAMES("c1", "cf1", "c2", "cf2").
#define CLS_SCRIPT_NAMES(...) \
    static constexpr auto cls_ScriptNames() { return cls_Names<cls_Self>(cls_NamesTag{}, __VA_ARGS__); }
