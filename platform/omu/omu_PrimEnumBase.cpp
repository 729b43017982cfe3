#include "platform/omu/omu_PrimEnumBase.h"

#include <cstring>
#include <typeinfo>

#include "platform/nex/nex_Exception.h"

bool omu_PrimEnumBase::operator==(omu_Primitive const& other) const {
    auto const* that = dynamic_cast<omu_PrimEnumBase const*>(&other);
    return that && typeid(*this) == typeid(*that) && value_ == that->value_ && string_ == that->string_;
}

cow_String omu_PrimEnumBase::PermissibleValuesAsString() const {
    cow_String out;
    for (omu_EnumEntry const* e = Entries(); e->string; ++e) {
        if (!out.empty()) out += ", ";
        out += e->string;
    }
    return out;
}

omu_EnumEntry const* omu_PrimEnumBase::FindString(omu_EnumEntry const* table, char const* string) {
    if (!string) return nullptr;
    for (omu_EnumEntry const* e = table; e->string; ++e)
        if (std::strcmp(e->string, string) == 0) return e;
    return nullptr;
}

omu_EnumEntry const* omu_PrimEnumBase::FindValue(omu_EnumEntry const* table, unsigned int value) {
    for (omu_EnumEntry const* e = table; e->string; ++e)
        if (e->value == value) return e;
    return nullptr;
}

cow_Map<cow_String, unsigned int> omu_PrimEnumBase::MapOf(omu_EnumEntry const* table) {
    cow_Map<cow_String, unsigned int> out;
    for (omu_EnumEntry const* e = table; e->string; ++e) out.emplace(e->string, e->value);
    return out;
}

bool omu_PrimEnumBase::Assign(omu_EnumEntry const* entry) {
    if (!entry) return false;
    string_ = entry->string;
    value_ = entry->value;
    return true;
}

void omu_PrimEnumBase::Refuse(char const* format, cow_List<cow_String> const& values) {
    Refuse(atr_SubstituteFormat(atr_translate(format), values));
}

void omu_PrimEnumBase::Refuse(atr_String message) { throw omu_ValueErrorException(std::move(message)); }
