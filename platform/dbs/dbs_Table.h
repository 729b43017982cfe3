#pragma once
// The in-memory table database that objects are written to and read from. One table
// per class id: the class name, the version the rows were stored with, the base
// class id and the attribute schema in ordinal order. A row holds one field per
// schema attribute (same position) and, for a derived class level, the row of its
// base part in the base class's table ("##BaseClassOID"). A row's index in its
// table is its object id.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dbs/dbs_Value.h"

// The type code of a stored attribute: what kind of value its fields hold.
enum dbs_TypeCode : int {
    dbs_TypeInt = 5,
    dbs_TypeOther = 7,  // carried through as declared; stored like the member's own kind
    dbs_TypeDouble = 10,
    dbs_TypeString = 11,
    dbs_TypeBool = 13,
    dbs_TypeEnum = 14,  // stored as its string
    dbs_TypeObject = 15,  // an object or a collection
};

// The base class id of a class without base, and the type id argument of a plain value.
inline constexpr std::uint32_t dbs_NoBaseId = 1;

// One stored attribute: key (ordinal, name), type code, type id argument and collection kind.
// Attributes stored by name only have ordinal -1.
struct dbs_Attribute {
    int ordinal = -1;
    std::string name;
    int typeCode = 0;
    std::uint32_t typeIdArg = 1;
    int collectionKind = 0;
    bool operator==(dbs_Attribute const&) const = default;
};

struct dbs_Row {
    std::int64_t baseOid = -1;  // "##BaseClassOID": the base part's row, -1 for a class without base
    std::vector<dbs_Value> fields;
    bool operator==(dbs_Row const&) const = default;
};

struct dbs_Table {
    std::uint32_t classId = 0;
    std::string className;
    int version = 0;
    std::uint32_t baseId = dbs_NoBaseId;
    std::vector<dbs_Attribute> schema;
    std::vector<dbs_Row> rows;

    // Position of an attribute in the schema, by name; nullopt when the table has none of that name.
    std::optional<std::size_t> Find(std::string const& name) const;
    bool operator==(dbs_Table const&) const = default;
};

class dbs_Database {
public:
    dbs_Table* FindTable(std::uint32_t classId);
    dbs_Table const* FindTable(std::uint32_t classId) const;
    dbs_Table& AddTable(dbs_Table table);  // replaces a table of the same class id
    void RemoveTable(std::uint32_t classId);
    std::map<std::uint32_t, dbs_Table> const& Tables() const { return tables_; }
    std::map<std::uint32_t, dbs_Table>& Tables() { return tables_; }

    // The stored objects a reader starts from, by name ("steps", "loads", ...).
    std::map<std::string, dbs_Ref> const& Roots() const { return roots_; }
    void SetRoot(std::string const& name, dbs_Ref ref) { roots_[name] = ref; }

    bool operator==(dbs_Database const&) const = default;

private:
    std::map<std::uint32_t, dbs_Table> tables_;
    std::map<std::string, dbs_Ref> roots_;
};
