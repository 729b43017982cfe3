#pragma once
// Writes objects into a dbs_Database, one row per class level. A visitor made from a
// database is one write operation: every object written through it or through the
// sub-writers it hands out is written once, however many times it is referenced.
// DBWrite of a class level calls StartWrite, hands the base part to a sub-writer made
// from this writer and the base class id, then writes its own attributes by key.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/cls/cls_ClassMetadata.h"
#include "platform/cls/cls_Uid.h"
#include "platform/dbs/dbs_Table.h"

class cls_Persistent;
template <class T>
struct cls_Codec;

class cls_WriteVisitor {
public:
    explicit cls_WriteVisitor(dbs_Database& db);
    // The writer of the base part of the object that `derived` is writing.
    cls_WriteVisitor(cls_WriteVisitor const& derived, std::uint32_t baseId);
    ~cls_WriteVisitor();
    cls_WriteVisitor(cls_WriteVisitor const&) = delete;
    cls_WriteVisitor& operator=(cls_WriteVisitor const&) = delete;

    // Starts the row of one class level. False when the object (known by its uid) was
    // already written in this operation: the caller then writes nothing more, and
    // references to it point at the existing row.
    bool StartWrite(std::uint32_t typeId, cls_Uid uid) const;

    // One attribute of the current row; the key must be one of the class's attributes.
    void Put(cls_Key key, dbs_Value value) const;
    template <class T>
    void Write(cls_Key key, T const& value) const {
        Put(key, cls_Codec<T>::ToValue(*this, value));
    }
    void Write(cls_Key key, char const* value) const { Put(key, dbs_Value(value)); }
    // An optional object: written as a sub-object (its own rows) or as an explicit null.
    void WriteObject(cls_Key key, cls_Persistent const* object) const { Put(key, WriteSubObject(object)); }

    // Writes an object (once per operation) and gives its reference, or null for none.
    dbs_Value WriteSubObject(cls_Persistent const* object) const;
    // Writes an object and names it as one of the database's roots.
    dbs_Ref WriteRoot(std::string const& name, cls_Persistent const& object) const;

    dbs_Database& Database() const;

private:
    struct Context;
    struct TableState;
    explicit cls_WriteVisitor(Context* context);

    std::unique_ptr<Context> own_;
    Context* ctx_;
    cls_WriteVisitor const* derived_ = nullptr;
    std::uint32_t baseId_ = 0;
    mutable TableState* table_ = nullptr;
    mutable std::int64_t oid_ = -1;
    mutable dbs_Ref ref_;  // the row started by this writer, or the one written earlier
};
