#pragma once
// How a member type is stored: its stored value, the conversion back (refusing a value
// of another kind with the reader's message), and its metadata (type code, type id
// argument, collection kind). Used by the visitors' typed Write/Read and by the
// declarative attribute tables.
//
//   integral types        integer        5    | std::string           string      11
//   floating point        double        10    | bool                  boolean     13
//   enumerations          their string  14    (through cls_EnumCodec<E>)
//   a stored class held by value, or by std::shared_ptr, cow_COW or std::unique_ptr:
//                         object        15, its class id; an absent one is stored as null
//   std::vector<E>        list          15, 0x230001, element kind of E
//   std::map<K, E>        map           15, 0x230002, element kind of E
//   cls_ArrayCodec<std::vector<int|double|string>>: numeric or string array, 0x230003
//
// Shared handles (std::shared_ptr, cow_COW) keep sharing through a write and a read;
// std::unique_ptr reads a new object of its own.
#include <cmath>
#include <concepts>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/cls/cls_Persistent.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/cow/cow_COW.h"

// Stored form of an enumeration. Specialise for each stored enumeration with
//   static std::string ToString(E value);
//   static E FromStored(std::string const& text);  // raises the reader's refusal
// (the enumeration wrapper's headers do this for every enumeration with a permitted-string table).
template <class E>
struct cls_EnumCodec;

template <class E>
concept cls_StoredEnum = std::is_enum_v<E> && requires(E e, std::string const& s) {
    { cls_EnumCodec<E>::ToString(e) } -> std::convertible_to<std::string>;
    { cls_EnumCodec<E>::FromStored(s) } -> std::same_as<E>;
};

template <class T>
concept cls_PersistentClass = std::derived_from<T, cls_Persistent>;

template <class T>
struct cls_Codec;

// Metadata of a single plain value.
template <int Code, int Element>
struct cls_PlainMeta {
    static constexpr int TypeCode = Code;
    static constexpr int ElementKind = Element;
    static constexpr int CollectionKind = cls_Single;
    static constexpr std::uint32_t TypeIdArg() { return cls_PlainTypeArg; }
};

template <std::integral T>
    requires(!std::same_as<T, bool>)
struct cls_Codec<T> : cls_PlainMeta<cls_TypeInt, cls_ElemInt> {
    static dbs_Value ToValue(cls_WriteVisitor const&, T v) { return std::int64_t(v); }
    static T FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != dbs_Kind::Integer) r.Mismatch(k, v, "an integer");
        if (!std::in_range<T>(v.AsInteger()))
            r.Fail(k, "holds " + std::to_string(v.AsInteger()) + ", out of range");
        return T(v.AsInteger());
    }
};

// A stored number of the model is finite: an unset value is the largest finite double,
// and an infinity or NaN would pass every comparison a rule makes.
inline void cls_RefuseNonFinite(cls_ReadVisitor const& r, cls_Key k, double d) {
    if (!std::isfinite(d))
        r.Fail(k, std::string("holds ") + (std::isnan(d) ? "NaN" : d > 0 ? "+infinity" : "-infinity") +
                      " where a finite number is expected");
}

template <std::floating_point T>
struct cls_Codec<T> : cls_PlainMeta<cls_TypeDouble, cls_ElemDouble> {
    static dbs_Value ToValue(cls_WriteVisitor const&, T v) { return double(v); }
    static T FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() == dbs_Kind::Double) {
            cls_RefuseNonFinite(r, k, v.AsDouble());
            return T(v.AsDouble());
        }
        if (v.Kind() == dbs_Kind::Integer) return T(v.AsInteger());
        r.Mismatch(k, v, "a double");
    }
};

template <>
struct cls_Codec<bool> : cls_PlainMeta<cls_TypeBool, cls_ElemBool> {
    static dbs_Value ToValue(cls_WriteVisitor const&, bool v) { return v; }
    static bool FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() == dbs_Kind::Bool) return v.AsBool();
        if (v.Kind() == dbs_Kind::Integer && (v.AsInteger() == 0 || v.AsInteger() == 1)) return v.AsInteger() == 1;
        r.Mismatch(k, v, "a boolean");
    }
};

template <>
struct cls_Codec<std::string> : cls_PlainMeta<cls_TypeString, cls_ElemString> {
    static dbs_Value ToValue(cls_WriteVisitor const&, std::string const& v) { return v; }
    static std::string FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != dbs_Kind::String) r.Mismatch(k, v, "a string");
        return v.AsString();
    }
};

template <cls_StoredEnum E>
struct cls_Codec<E> : cls_PlainMeta<cls_TypeEnum, cls_ElemEnum> {
    static dbs_Value ToValue(cls_WriteVisitor const&, E v) { return dbs_EnumString{cls_EnumCodec<E>::ToString(v)}; }
    static E FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != dbs_Kind::Enum && v.Kind() != dbs_Kind::String) r.Mismatch(k, v, "an enumeration string");
        std::string const& text = v.Kind() == dbs_Kind::Enum ? v.AsEnum() : v.AsString();
        try {
            return cls_EnumCodec<E>::FromStored(text);
        } catch (...) {
            // The enumeration's own refusal goes on; its place is noted in plain words.
            std::string problem = "holds \"" + text + "\", which is not a permitted value";
            if constexpr (requires { cls_EnumCodec<E>::Permitted(); })
                problem = "holds \"" + text + "\", which is not one of " + cls_EnumCodec<E>::Permitted();
            r.Note(k.name, &problem);
            throw;
        }
    }
};

template <cls_PersistentClass T>
struct cls_ObjectMeta {
    static constexpr int TypeCode = cls_TypeObject;
    static constexpr int ElementKind = cls_ElemObject;
    static constexpr int CollectionKind = cls_Single;
    static constexpr std::uint32_t TypeIdArg() { return T::TypeId(); }
};

template <cls_PersistentClass T>
struct cls_Codec<T> : cls_ObjectMeta<T> {
    static dbs_Value ToValue(cls_WriteVisitor const& w, T const& v) { return w.WriteSubObject(&v); }
    static T FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        return r.ReadValueObject<T>(v, k);
    }
};

template <cls_PersistentClass T>
struct cls_Codec<std::shared_ptr<T>> : cls_ObjectMeta<T> {
    static dbs_Value ToValue(cls_WriteVisitor const& w, std::shared_ptr<T> const& v) {
        return w.WriteSubObject(v.get());
    }
    static std::shared_ptr<T> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        return r.Cast<T>(r.ReadShared(v, k, T::TypeId()), k);
    }
};

template <cls_PersistentClass T>
struct cls_Codec<cow_COW<T>> : cls_ObjectMeta<T> {
    static dbs_Value ToValue(cls_WriteVisitor const& w, cow_COW<T> const& v) {
        return w.WriteSubObject(v.Shared().get());
    }
    static cow_COW<T> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        return cow_COW<T>(r.Cast<T>(r.ReadShared(v, k, T::TypeId()), k));
    }
};

template <cls_PersistentClass T>
struct cls_Codec<std::unique_ptr<T>> : cls_ObjectMeta<T> {
    static dbs_Value ToValue(cls_WriteVisitor const& w, std::unique_ptr<T> const& v) {
        return w.WriteSubObject(v.get());
    }
    static std::unique_ptr<T> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        return r.Cast<T>(r.ReadOwned(v, k, T::TypeId()), k);
    }
};

template <class E>
struct cls_Codec<std::vector<E>> {
    using Elem = cls_Codec<E>;
    static constexpr int TypeCode = cls_TypeObject;
    static constexpr int ElementKind = cls_Single;
    static constexpr int CollectionKind = Elem::ElementKind;
    static constexpr std::uint32_t TypeIdArg() { return cls_ListTypeId; }

    static dbs_Value ToValue(cls_WriteVisitor const& w, std::vector<E> const& v) {
        dbs_List list;
        list.reserve(v.size());
        for (auto const& e : v) list.push_back(Elem::ToValue(w, e));
        return list;
    }
    static std::vector<E> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != dbs_Kind::List) r.Mismatch(k, v, "a list");
        std::vector<E> out;
        out.reserve(v.AsList().size());
        for (auto const& e : v.AsList()) out.push_back(Elem::FromValue(r, e, k));
        return out;
    }
};

template <class K, class E>
struct cls_Codec<std::map<K, E>> {
    using Key = cls_Codec<K>;
    using Elem = cls_Codec<E>;
    static constexpr int TypeCode = cls_TypeObject;
    static constexpr int ElementKind = cls_Single;
    static constexpr int CollectionKind =
        Elem::ElementKind == cls_ElemObject ? int(cls_ElemObjectInMap) : Elem::ElementKind;
    static constexpr std::uint32_t TypeIdArg() { return cls_MapTypeId; }

    static dbs_Value ToValue(cls_WriteVisitor const& w, std::map<K, E> const& v) {
        dbs_Map map;
        map.reserve(v.size());
        for (auto const& [key, e] : v) map.emplace_back(Key::ToValue(w, key), Elem::ToValue(w, e));
        return map;
    }
    static std::map<K, E> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != dbs_Kind::Map) r.Mismatch(k, v, "a map");
        std::map<K, E> out;
        for (auto const& [key, e] : v.AsMap()) {
            auto [at, added] = out.emplace(Key::FromValue(r, key, k), E{});
            // A second entry under one key would silently replace the first.
            if (!added) {
                if constexpr (std::is_convertible_v<K const&, std::string const&>)
                    r.Fail(k, "holds the key \"" + std::string(at->first) + "\" twice");
                else
                    r.Fail(k, "holds a key twice");
            }
            at->second = Elem::FromValue(r, e, k);
        }
        return out;
    }
};

// A numeric or string array (cow_1DArray), stored as one array value rather than a list.
template <class V>
struct cls_ArrayCodec;

template <class X>
    requires(std::integral<X> || std::floating_point<X> || std::same_as<X, std::string>)
struct cls_ArrayCodec<std::vector<X>> {
    using Stored = std::conditional_t<std::integral<X>, std::int64_t, std::conditional_t<std::floating_point<X>, double, std::string>>;
    static constexpr dbs_Kind Kind = std::integral<X>         ? dbs_Kind::IntArray
                                     : std::floating_point<X> ? dbs_Kind::DoubleArray
                                                              : dbs_Kind::StringArray;
    static constexpr int TypeCode = cls_TypeObject;
    static constexpr int ElementKind = cls_Single;
    static constexpr int CollectionKind = cls_Codec<X>::ElementKind;
    static constexpr std::uint32_t TypeIdArg() { return cls_ArrayTypeId; }

    static dbs_Value ToValue(cls_WriteVisitor const&, std::vector<X> const& v) {
        if constexpr (std::same_as<X, Stored>)
            return v;
        else
            return std::vector<Stored>(v.begin(), v.end());
    }
    static std::vector<X> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != Kind) r.Mismatch(k, v, "an array");
        auto const& stored = *std::get<std::shared_ptr<std::vector<Stored>>>(v.Raw());
        if constexpr (std::integral<X> && !std::same_as<X, Stored>)
            for (auto x : stored)
                if (!std::in_range<X>(x)) r.Fail(k, "holds an element out of range");
        if constexpr (std::floating_point<X>)
            for (auto x : stored) cls_RefuseNonFinite(r, k, x);
        return std::vector<X>(stored.begin(), stored.end());
    }
};

// Typed write and read of arrays through a visitor.
template <class V>
void cls_WriteArray(cls_WriteVisitor const& w, cls_Key key, V const& v) {
    w.Put(key, cls_ArrayCodec<V>::ToValue(w, v));
}
template <class V>
V cls_ReadArray(cls_ReadVisitor const& r, cls_Key key, V defaultValue) {
    auto const* v = r.Find(key);
    return v ? r.Attribute(key, [&] { return cls_ArrayCodec<V>::FromValue(r, *v, key); }) : std::move(defaultValue);
}
