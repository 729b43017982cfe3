#pragma once
// Scripting primitives: omu_Primitive is a value seen from scripts; omu_PrimEnumBase is
// an enumerated value with its current permitted string and integer. The typed wrapper
// over one enumeration and its table of permitted strings is omu_PrimEnum (omu_PrimEnum.h).
#include "platform/atr/atr_String.h"
#include "platform/cow/cow_String.h"

class omu_Primitive {
public:
    virtual ~omu_Primitive() = default;
    virtual cow_String TypeString() const = 0;
    virtual atr_String AsString(int = 0) const = 0;
    virtual cow_String AsRepr() const = 0;
    virtual bool operator==(omu_Primitive const& other) const = 0;
    virtual omu_Primitive* Copy() const = 0;
};

// One entry of a table of permitted strings; a table ends with an entry whose string is null.
struct omu_EnumEntry {
    char const* string;
    unsigned int value;
};

// Marks the constructor of an enumerated value from a string read from storage, so
// that a stored string outside the table is refused with the reader's message.
struct omu_FromStored {};

class omu_PrimEnumBase : public omu_Primitive {
public:
    cow_String TypeString() const override { return "enumeration"; }
    atr_String AsString(int = 0) const override { return string_; }
    cow_String AsRepr() const override { return string_; }
    // Equal when the other is the same enumeration with the same string and value.
    bool operator==(omu_Primitive const& other) const override;

    unsigned int UnsignedValue() const { return value_; }

    // The permitted strings in table order, joined by ", ": "OFF, ON, NOT_AVAILABLE".
    cow_String PermissibleValuesAsString() const;

    virtual bool SetValue(char const* string) = 0;
    virtual cow_Map<cow_String, unsigned int> PermissibleValues() const = 0;

    // Scans of a table: the first entry matching exactly, or null.
    static omu_EnumEntry const* FindString(omu_EnumEntry const* table, char const* string);
    static omu_EnumEntry const* FindValue(omu_EnumEntry const* table, unsigned int value);
    static cow_Map<cow_String, unsigned int> MapOf(omu_EnumEntry const* table);

protected:
    omu_PrimEnumBase() = default;
    virtual omu_EnumEntry const* Entries() const = 0;

    bool Assign(omu_EnumEntry const* entry);
    // Raises omu_ValueErrorException with the translated format, placeholders substituted.
    [[noreturn]] static void Refuse(char const* format, cow_List<cow_String> const& values);
    [[noreturn]] static void Refuse(atr_String message);

private:
    atr_String string_;
    unsigned int value_ = 0;
};
