#pragma once
// Reads objects back from a dbs_Database. A visitor made from a database is one read
// operation; it hands a reading constructor a visitor positioned on the object's row.
// Sharing is kept: all references to one row give one shared object. An attribute
// that the row's stored version lacks, or that it holds undefined, reads as the
// default given by the caller. Rows and references that do not fit together (wrong
// kind of value, missing row or table, an object containing itself) raise
// nex_TextException naming the class, the row and the attribute.
//
// A failure is also kept as its place (class table, row, attribute) and the problem in
// plain words, so that a caller reporting on a file can say where it lies. Objects nest
// at most cls_MaxReadDepth deep, so that no chain of references exhausts the stack.
//
// Identities: rows carry no identity. GetUid hands out a fresh identity from the
// process counter, so identities of objects read from a database never collide with
// those allocated later; a row is read once per operation, so all references to it
// see the object with that one identity.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/cls/cls_ClassMetadata.h"
#include "platform/cls/cls_Persistent.h"
#include "platform/cls/cls_Uid.h"
#include "platform/dbs/dbs_Table.h"
#include "platform/nex/nex_Exception.h"

template <class T>
struct cls_Codec;

inline constexpr int cls_MaxReadDepth = 200;

// The refusal of the reader: the message says where ("cls_ReadVisitor: <class> row <n>: ")
// and what; Attribute() and Problem() give the parts.
class cls_ReadError : public nex_TextException {
public:
    cls_ReadError(std::string message, std::string attribute, std::string problem)
        : nex_TextException(std::move(message)), attribute_(std::move(attribute)), problem_(std::move(problem)) {}
    std::string const& Attribute() const { return attribute_; }
    std::string const& Problem() const { return problem_; }

private:
    std::string attribute_, problem_;
};

// Where the failure of a read operation lies: the class table and row (none for a root),
// the attribute (none for the row as a whole), and the problem in plain words.
struct cls_ReadFailure {
    std::string className;
    std::int64_t row = -1;
    std::string attribute;
    std::string problem;
};

class cls_ReadVisitor {
public:
    explicit cls_ReadVisitor(dbs_Database const& db);
    // The reader of the base part of the row that `derived` is on ("##BaseClassOID").
    // For the id 1 (no base), and for a row stored without a base part (a layout older
    // than the class's base level), it is a reader on no row.
    cls_ReadVisitor(cls_ReadVisitor const& derived, std::uint32_t baseId);
    ~cls_ReadVisitor();
    cls_ReadVisitor(cls_ReadVisitor const&) = delete;
    cls_ReadVisitor& operator=(cls_ReadVisitor const&) = delete;

    // The stored value of an attribute of the current row; null when absent or undefined.
    dbs_Value const* Find(cls_Key key) const;
    template <class T>
    T Read(cls_Key key, T defaultValue) const {
        auto const* v = Find(key);
        return v ? Attribute(key, [&] { return cls_Codec<T>::FromValue(*this, *v, key); }) : std::move(defaultValue);
    }
    template <class T>
    std::shared_ptr<T> ReadObject(cls_Key key) const {
        auto const* v = Find(key);
        return v ? Attribute(key, [&] { return cls_Codec<std::shared_ptr<T>>::FromValue(*this, *v, key); }) : nullptr;
    }
    // Runs the reading of one attribute; a failure is noted with the attribute's place.
    template <class F>
    decltype(auto) Attribute(cls_Key key, F read) const {
        try {
            return read();
        } catch (...) {
            Note(key.name, nullptr);
            throw;
        }
    }

    cls_Uid GetUid() const { return cls_Uid::AllocateUid(); }

    // The one T of this read operation, default-constructed on first use: what the readers
    // of many rows keep in common, for instance one object that rows alike can all share.
    template <class T>
    T& OperationShared() const {
        static char const tag = 0;
        auto& slot = SharedSlot(&tag);
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

    // Object references: the shared object of a row (read once per operation), a new
    // object of its own, or an object held by value (whose row must be of its class).
    // `key` names the attribute for messages. A null value gives no object.
    // `expected` (0: any) is the class the object must be or derive from; another class is
    // refused before its row is read.
    std::shared_ptr<cls_Persistent> ReadShared(dbs_Value const& value, cls_Key key, std::uint32_t expected = 0) const;
    std::unique_ptr<cls_Persistent> ReadOwned(dbs_Value const& value, cls_Key key, std::uint32_t expected = 0) const;
    template <class T>
    T ReadValueObject(dbs_Value const& value, cls_Key key) const;

    // A root written by cls_WriteVisitor::WriteRoot; null when the database has no such root.
    template <class T>
    std::shared_ptr<T> ReadRoot(std::string const& name) const {
        return Cast<T>(ReadRootObject(name), {-1, name.c_str()});
    }
    std::shared_ptr<cls_Persistent> ReadRootObject(std::string const& name) const;

    // Narrows an object read for `key` to the attribute's class; refuses another class.
    // All objects of one class id are of one class: once one of them has passed the checked
    // cast to T, the others of that id take the plain one (a million records refer to their
    // steps and states).
    template <class T>
    std::shared_ptr<T> Cast(std::shared_ptr<cls_Persistent> object, cls_Key key) const {
        if (!object) return nullptr;
        auto const id = object->DynTypeId();
        if (id != T::TypeId() && !IsA(id, T::TypeId())) {
            if (!dynamic_cast<T*>(object.get())) WrongClass(key, id, T::TypeId());
            NoteIsA(id, T::TypeId());
        }
        return std::static_pointer_cast<T>(std::move(object));
    }
    template <class T>
    std::unique_ptr<T> Cast(std::unique_ptr<cls_Persistent> object, cls_Key key) const {
        if (!object) return nullptr;
        auto* typed = dynamic_cast<T*>(object.get());
        if (!typed) WrongClass(key, object->DynTypeId(), T::TypeId());
        object.release();
        return std::unique_ptr<T>(typed);
    }

    bool IsPositioned() const { return row_ != nullptr; }
    std::uint32_t ClassId() const;
    std::int64_t Oid() const { return oid_; }
    int StoredVersion() const;  // the version the current row was stored with
    dbs_Database const& Database() const;

    [[noreturn]] void Mismatch(cls_Key key, dbs_Value const& value, char const* expected) const;
    // Raises cls_ReadError about the current row, or about one of its attributes.
    [[noreturn]] void Fail(std::string const& problem) const;
    [[noreturn]] void Fail(cls_Key key, std::string const& problem) const;
    // From a handler of the failure being raised: notes it at this reader's row and the
    // attribute (none: the row itself), in plain words `problem` (null: the exception's
    // own). The innermost place is kept; a place without attribute takes the one given.
    void Note(char const* attribute, std::string const* problem) const;
    // The place of the last failure noted in this read operation, if any.
    cls_ReadFailure const* Failure() const;
    // The name of a class as messages give it: registered, else stored, else "class <id>".
    std::string ClassName(std::uint32_t id) const;

private:
    struct Context;
    struct TableState;
    cls_ReadVisitor(Context* context, TableState* table, std::int64_t oid);

    class RowScope;
    std::shared_ptr<void>& SharedSlot(void const* tag) const;
    bool IsA(std::uint32_t id, std::uint32_t target) const;
    void NoteIsA(std::uint32_t id, std::uint32_t target) const;
    [[noreturn]] void WrongClass(cls_Key key, std::uint32_t stored, std::uint32_t expected) const;

    std::unique_ptr<Context> own_;
    Context* ctx_;
    TableState* table_ = nullptr;
    dbs_Row const* row_ = nullptr;
    std::int64_t oid_ = -1;
};

// A reader on a referenced row, which counts as being read while the scope lives:
// a row met again inside its own reading is a cycle and refused.
class cls_ReadVisitor::RowScope {
public:
    // expectedClass 0: any class with a reading factory; `exact`: that very class, else
    // it or a class derived from it.
    RowScope(cls_ReadVisitor const& from, dbs_Value const& value, cls_Key key, std::uint32_t expectedClass,
             bool exact = true);
    ~RowScope();
    cls_ReadVisitor const& Reader() const { return reader_; }
    TableState& Table() const { return *reader_.table_; }

private:
    static cls_ReadVisitor Resolve(cls_ReadVisitor const& from, dbs_Value const& value, cls_Key key);
    cls_ReadVisitor reader_;
    std::uint8_t previous_;
};

template <class T>
T cls_ReadVisitor::ReadValueObject(dbs_Value const& value, cls_Key key) const {
    RowScope scope(*this, value, key, T::TypeId());
    try {
        return T(scope.Reader());
    } catch (...) {
        scope.Reader().Note("", nullptr);
        throw;
    }
}
