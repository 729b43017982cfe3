#pragma once
// What the persistence knows of one class: its name, type id, stored version, reading
// factory (none for an abstract class), base class id and stored attributes in
// declaration order. A class table of the database is laid out from it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dbs/dbs_Table.h"

class cls_Persistent;
class cls_ReadVisitor;

// The address of a stored attribute: its ordinal (position in declaration order, -1 for
// an attribute stored by name only) and its name.
struct cls_Key {
    int ordinal = -1;
    char const* name = "";
};

// Attribute type codes.
enum cls_TypeCode : int {
    cls_TypeInt = dbs_TypeInt,
    cls_TypeOther = dbs_TypeOther,
    cls_TypeDouble = dbs_TypeDouble,
    cls_TypeString = dbs_TypeString,
    cls_TypeBool = dbs_TypeBool,
    cls_TypeEnum = dbs_TypeEnum,
    cls_TypeObject = dbs_TypeObject,
};

// Type id arguments: 1 for plain values, the class id for an object, or a collection id.
inline constexpr std::uint32_t cls_NoBaseId = dbs_NoBaseId;
inline constexpr std::uint32_t cls_PlainTypeArg = 1;
inline constexpr std::uint32_t cls_ListTypeId = 0x230001;
inline constexpr std::uint32_t cls_MapTypeId = 0x230002;
inline constexpr std::uint32_t cls_ArrayTypeId = 0x230003;

// Collection kinds: the element kind of a list, map or array (0 for a single value).
// Objects are 1 in a list and 2 in a map; the primitive codes are the platform's own.
enum cls_CollectionKind : int {
    cls_Single = 0,
    cls_ElemObject = 1,
    cls_ElemObjectInMap = 2,
    cls_ElemInt = 51,
    cls_ElemDouble = 52,
    cls_ElemBool = 53,
    cls_ElemEnum = 54,
    cls_ElemString = 55,
};

// "0x2480001": a class id as messages show it.
std::string cls_HexId(std::uint32_t id);

class cls_ClassMetadata {
public:
    // Builds an object from a reader positioned on a row of the class's table.
    struct Factory {
        std::shared_ptr<cls_Persistent> (*shared)(cls_ReadVisitor const&) = nullptr;
        cls_Persistent* (*owned)(cls_ReadVisitor const&) = nullptr;
        explicit operator bool() const { return shared != nullptr; }
    };

    cls_ClassMetadata(std::string name, std::uint32_t typeId, int version, Factory factory,
                      std::uint32_t baseId = cls_NoBaseId);

    // Refuses (nex_AssertException) a second attribute of the same name or ordinal.
    void AddAttribute(cls_Key key, int typeCode, std::uint32_t typeIdArg = cls_PlainTypeArg, int collectionKind = 0);

    std::string const& Name() const { return name_; }
    std::uint32_t TypeId() const { return typeId_; }
    int Version() const { return version_; }
    std::uint32_t BaseId() const { return baseId_; }
    Factory const& GetFactory() const { return factory_; }
    std::vector<dbs_Attribute> const& Attributes() const { return attributes_; }
    dbs_Attribute const* FindAttribute(std::string const& name) const;

    // An empty table of this class, laid out by the attributes.
    dbs_Table NewTable() const;

private:
    std::string name_;
    std::uint32_t typeId_;
    int version_;
    Factory factory_;
    std::uint32_t baseId_;
    std::vector<dbs_Attribute> attributes_;
};

// The reading factory of a concrete class with a reading constructor.
template <class T>
cls_ClassMetadata::Factory cls_ReadingFactory() {
    return {[](cls_ReadVisitor const& r) -> std::shared_ptr<cls_Persistent> { return std::make_shared<T>(r); },
            [](cls_ReadVisitor const& r) -> cls_Persistent* { return new T(r); }};
}
