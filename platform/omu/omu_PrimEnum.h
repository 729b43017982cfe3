#pragma once
// The enumeration wrapper: an enumerated attribute value tied to its table of permitted
// strings. omu_EnumTable<Enum, N> supplies the table; it is specialised once per
// enumeration, normally through OMU_PRIM_ENUM, which declares the enumeration and its
// table in one line from the permitted strings (the enumerators are the strings, valued
// 0, 1, 2, ... in order). The second argument tells wrappers over one underlying type
// apart: 1 for every enumeration type, 602 for the procedure type code.
#include <string>
#include <type_traits>
#include <vector>

#include "platform/cls/cls_Codec.h"
#include "platform/omu/omu_PrimEnumBase.h"

// Specialisations define: static constexpr omu_EnumEntry entries[] = {..., {nullptr, 0}};
template <class Enum, int N>
struct omu_EnumTable;

// The formatting function of an enumeration's messages: translates `format`, then puts
// the integer of `value` in placeholder 1 and `text` in placeholder 2.
template <class Enum, class Text>
atr_String atr(char const* format, Enum value, Text text) {
    std::string integer;
    if constexpr (std::is_enum_v<Enum>)
        integer = std::to_string(static_cast<std::underlying_type_t<Enum>>(value));
    else
        integer = std::to_string(value);
    return atr_SubstituteFormat(atr_translate(format), {integer, cow_String(text)});
}

template <class Enum, int N>
class omu_PrimEnum : public omu_PrimEnumBase {
public:
    explicit omu_PrimEnum(Enum value) {
        if (!SetValue(value))
            Refuse(atr<Enum, char const*>("omu_PrimEnum(Enum) - Enum value not allowed: %d  Permissible: %s", value,
                                          PermissibleValuesAsString().c_str()));
    }
    explicit omu_PrimEnum(cow_String const& string) {
        if (!SetValue(string.c_str()))
            Refuse("omu_PrimEnum(const cow_String&) - str not allowed: %s  Permissible: %s",
                   {string, PermissibleValuesAsString()});
    }
    // From another enumeration's current string.
    explicit omu_PrimEnum(omu_PrimEnumBase const& other) {
        cow_String const string = other.AsString();
        if (!SetValue(string.c_str())) Refuse("omu_PrimEnum(const omu_PrimEnumBase&) - str not allowed: %s", {string});
    }
    // From the string a reader found in storage.
    omu_PrimEnum(omu_FromStored, cow_String const& stored) {
        if (!SetValue(stored.c_str()))
            Refuse("omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: %s  Permissible: %s",
                   {stored, PermissibleValuesAsString()});
    }
    omu_PrimEnum(omu_PrimEnum const&) = default;
    omu_PrimEnum& operator=(omu_PrimEnum const&) = default;
    ~omu_PrimEnum() override = default;

    bool operator==(omu_Primitive const& other) const override { return omu_PrimEnumBase::operator==(other); }

    // Exact, case-sensitive match of the whole string; the first matching entry wins.
    // A refused string leaves the value unchanged.
    bool SetValue(char const* string) override { return Assign(FindString(Table::entries, string)); }
    bool SetValue(Enum value) { return Assign(FindValue(Table::entries, static_cast<unsigned int>(value))); }

    Enum Value() const { return static_cast<Enum>(UnsignedValue()); }
    cow_Map<cow_String, unsigned int> PermissibleValues() const override { return MapOf(Table::entries); }
    omu_PrimEnum* Copy() const override { return new omu_PrimEnum(*this); }

    // The permitted string of `value`, or null when it has none.
    static char const* StringOf(Enum value) {
        omu_EnumEntry const* e = FindValue(Table::entries, static_cast<unsigned int>(value));
        return e ? e->string : nullptr;
    }

protected:
    omu_EnumEntry const* Entries() const override { return Table::entries; }

private:
    using Table = omu_EnumTable<Enum, N>;
};

// Stored and scripting form of every enumeration with a permitted-string table: its
// string. Writing a value outside the table, reading a stored string outside it and a
// script giving one raise the wrapper's refusals.
template <class E>
    requires requires { omu_EnumTable<E, 1>::entries; }
struct cls_EnumCodec<E> {
    static std::string ToString(E value) { return omu_PrimEnum<E, 1>(value).AsString(); }
    static E FromStored(std::string const& text) { return omu_PrimEnum<E, 1>(omu_FromStored{}, text).Value(); }
    static E FromScript(std::string const& text) { return omu_PrimEnum<E, 1>(cow_String(text)).Value(); }
    // The permitted strings, "OFF, ON, NOT_AVAILABLE".
    static std::string Permitted() {
        std::string out;
        for (auto const* e = omu_EnumTable<E, 1>::entries; e->string; ++e) out += (out.empty() ? "" : ", ") + std::string(e->string);
        return out;
    }
    // The permitted strings in table order.
    static std::vector<std::string> PermittedStrings() {
        std::vector<std::string> strings;
        for (auto const* e = omu_EnumTable<E, 1>::entries; e->string; ++e) strings.emplace_back(e->string);
        return strings;
    }
};

// OMU_PRIM_ENUM(kprC_Step_NlgeomEnm, OFF, ON, NOT_AVAILABLE) declares
//   enum class kprC_Step_NlgeomEnm : unsigned int { OFF, ON, NOT_AVAILABLE };
// and its table ("OFF", 0), ("ON", 1), ("NOT_AVAILABLE", 2). Use at global scope.
#define OMU_PRIM_ENUM(Name, ...)                                                                        \
    enum class Name : unsigned int { __VA_ARGS__ };                                                     \
    template <>                                                                                         \
    struct omu_EnumTable<Name, 1> {                                                                     \
        static constexpr omu_EnumEntry entries[] = {OMU_FOR_EACH_(OMU_ENUM_ENTRY_, Name, __VA_ARGS__){nullptr, 0}}; \
    };

#define OMU_ENUM_ENTRY_(Name, enumerator) {#enumerator, static_cast<unsigned int>(Name::enumerator)},

// Applies m(ctx, x) to every further argument x (up to 256 of them).
#define OMU_PARENS_ ()
#define OMU_EXPAND_(...) OMU_EXPAND3_(OMU_EXPAND3_(OMU_EXPAND3_(OMU_EXPAND3_(__VA_ARGS__))))
#define OMU_EXPAND3_(...) OMU_EXPAND2_(OMU_EXPAND2_(OMU_EXPAND2_(OMU_EXPAND2_(__VA_ARGS__))))
#define OMU_EXPAND2_(...) OMU_EXPAND1_(OMU_EXPAND1_(OMU_EXPAND1_(OMU_EXPAND1_(__VA_ARGS__))))
#define OMU_EXPAND1_(...) __VA_ARGS__
#define OMU_FOR_EACH_(m, ctx, ...) __VA_OPT__(OMU_EXPAND_(OMU_FOR_EACH_STEP_(m, ctx, __VA_ARGS__)))
#define OMU_FOR_EACH_STEP_(m, ctx, first, ...) m(ctx, first) __VA_OPT__(OMU_FOR_EACH_AGAIN_ OMU_PARENS_(m, ctx, __VA_ARGS__))
#define OMU_FOR_EACH_AGAIN_() OMU_FOR_EACH_STEP_
