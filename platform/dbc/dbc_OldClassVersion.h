#pragma once
// One stored version of a class that today's class no longer reads directly: the
// attributes that version stored (its own list, in its ordinal order, never "today's
// attributes up to some point") and the changes that bring a row of that version to the
// next version the converter knows. Most versions are a line or two of the vocabulary
// below:
//
//   dbc_OldClassVersion("dtmC_DatumRef", dtmC_DatumRef_TypeId, 203)
//       .Attribute("_ownerNames", cls_TypeObject, cls_ListTypeId, cls_ElemString)
//       .Attribute("_datumId", cls_TypeInt)
//       .Add("_instanceId", 0);
//
// A version of a retired class (one that today's release no longer has) is converted
// to its last version first, and is then moved, deleted or left for another class's
// conversion to read (see dbc_DatabaseConverter).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/cls/cls_ClassMetadata.h"
#include "platform/dbc/dbc_Row.h"

// One change of a row on its way to the next version.
struct dbc_Change {
    enum class Kind { ADD, RENAME, DROP, CHANGE_TYPE, CONVERT };
    Kind kind;
    std::string name;     // the attribute (ADD, RENAME from, DROP, CHANGE_TYPE)
    std::string newName;  // RENAME to
    dbs_Value value;      // ADD: the value of rows that lack it
    std::function<dbs_Value(dbs_Value const&)> retype;  // CHANGE_TYPE
    dbc_ConversionFn convert;                            // CONVERT

    // Applies the change to one row.
    void Apply(dbc_Row& row) const;
};

class dbc_OldClassVersion {
public:
    dbc_OldClassVersion(std::string className, std::uint32_t classId, int version,
                        std::uint32_t baseId = cls_NoBaseId)
        : className_(std::move(className)), classId_(classId), version_(version), baseId_(baseId) {}

    // The version's stored attributes, in its ordinal order.
    dbc_OldClassVersion& Attribute(std::string name, int typeCode, std::uint32_t typeIdArg = cls_PlainTypeArg,
                                   int collectionKind = 0);
    // The changes to the next version, applied in the order given.
    dbc_OldClassVersion& Add(std::string name, dbs_Value value);
    dbc_OldClassVersion& Rename(std::string from, std::string to);
    dbc_OldClassVersion& Drop(std::string name);
    dbc_OldClassVersion& ChangeType(std::string name, std::function<dbs_Value(dbs_Value const&)> retype);
    // A row conversion of its own; it may read other tables through the row's database.
    dbc_OldClassVersion& Convert(dbc_ConversionFn fn);

    std::string const& ClassName() const { return className_; }
    std::uint32_t ClassId() const { return classId_; }
    int Version() const { return version_; }
    std::vector<dbc_Change> const& Changes() const { return changes_; }
    // The version's metadata: name, id, version, base and its own attributes.
    cls_ClassMetadata Metadata() const;

private:
    dbc_OldClassVersion& Push(dbc_Change change);

    std::string className_;
    std::uint32_t classId_;
    int version_;
    std::uint32_t baseId_;
    std::vector<dbs_Attribute> attributes_;
    std::vector<dbc_Change> changes_;
};
