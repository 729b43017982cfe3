#pragma once
// The declarative description of a stored class. Each class lists its stored attributes
// once, in a table beside the class, and everything persistent comes from that list:
// the writer (DBWrite), the reading constructor, the metadata (InitializeMetadata) and
// the script-name functions (<name>Cmd()). It is a template shared by all modules, so
// it lives in include/.
//
//   #define KPRC_FOO_ATTRIBUTES(A)          (every line but the last ends in a backslash)
//       A(timePeriod,  timePeriod_,  "timePeriod",  1.0)
//       A(maxNumInc,   maxNumInc_,   "maxNumInc",   100)
//       A(response,    response_,    "response",    kprC_Foo::TRANSIENT)
//       A(restart,     restart_,     "restart",     {})
//       A(bounds,      bounds_,      "intervalBoundaries", {}, .AsArray())
//       A(lcc,         lcc_,         "lcc",         {}, .NameOnly())
//
//   class kprC_Foo : public kprC_Step {
//       CLS_PERSISTENT(kprC_Foo, kprC_Step, 0x023C00xx, 851, KPRC_FOO_ATTRIBUTES)
//   public:
//       ...
//   private:
//       double timePeriod_ = 1.0; ...
//   };
//
// A row reads: script name (also the stem of the name function timePeriodCmd()), member,
// stored key, default (what the reader gives for an attribute the stored version lacks),
// then options. The member's type chooses the stored kind (cls_Codec.h). Row order is the
// order of registration and of writing; ordinals count the rows from 0. Where a class
// differs, the row says so:
//   .NameOnly()     stored by name only (ordinal -1)      .Ordinal(n)   explicit ordinal
//   .ReadRank(n)    read in rank order instead of row order (rows without a rank read
//                   at their position)                  .TypeCode(c)  another type code (7)
//   .RegisterRank(n) registered (schema order) by rank; rows without one at their position;
//                   a negative rank goes before every row
//   .AsArray()      a std::vector stored as a numeric or string array, not a list
// A default with commas goes in parentheses: (std::vector<double>{0.0, 1.0}).
//
// CLS_PERSISTENT generates TypeId(), ClassVersion(), DynTypeId(), Copy(), DBWrite(),
// InitializeMetadata(), Attributes(), the reading constructor, Uid()/NewUid() and the
// name functions; it leaves the access at public. CLS_ABSTRACT_PERSISTENT is the same
// without Copy() and without a reading factory. A class with stored parts that a row
// cannot describe adds them in its own
//   void cls_WriteMore(cls_WriteVisitor const&) const;   void cls_ReadMore(cls_ReadVisitor const&);
//   static void cls_MetadataMore(cls_ClassMetadata&);
// which run after the table's attributes.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/cls/cls_ClassRegistrar.h"
#include "platform/cls/cls_Codec.h"
#include "platform/typ/typ_ArchCompTable.h"

// One row of a class's table, with the stored kind fixed by the row's codec.
inline constexpr int cls_NoRank = -1000000;

template <class C>
struct cls_AttrEntry {
    virtual ~cls_AttrEntry() = default;
    virtual void Write(C const& object, cls_WriteVisitor const& w) const = 0;
    virtual void Read(C& object, cls_ReadVisitor const& r) const = 0;
    virtual void Reset(C& object) const = 0;

    cls_Key key;
    char const* script = "";
    int typeCode = 0;
    std::uint32_t typeIdArg = cls_PlainTypeArg;
    int collectionKind = 0;
    int readRank = cls_NoRank;
    int registerRank = cls_NoRank;
};

inline constexpr int cls_AutoOrdinal = -2;

// A row as written in the table, before it takes its ordinal.
template <class C, class M, class Codec = cls_Codec<M>>
struct cls_AttrSpec {
    M C::*member;
    char const* key;
    char const* script;
    M def;
    int ordinal = cls_AutoOrdinal;
    int readRank = cls_NoRank;
    int typeCode = Codec::TypeCode;
    int registerRank = cls_NoRank;

    cls_AttrSpec&& NameOnly() && { return ordinal = -1, std::move(*this); }
    cls_AttrSpec&& Ordinal(int n) && { return ordinal = n, std::move(*this); }
    cls_AttrSpec&& ReadRank(int n) && { return readRank = n, std::move(*this); }
    cls_AttrSpec&& TypeCode(int code) && { return typeCode = code, std::move(*this); }
    cls_AttrSpec&& RegisterRank(int n) && { return registerRank = n, std::move(*this); }
    cls_AttrSpec<C, M, cls_ArrayCodec<M>> AsArray() && {
        return {member, key, script, std::move(def), ordinal, readRank, cls_ArrayCodec<M>::TypeCode, registerRank};
    }
};

template <class C, class M>
cls_AttrSpec<C, M> cls_Attr(M C::*member, char const* key, char const* script, std::type_identity_t<M> def) {
    return {member, key, script, std::move(def)};
}

template <class C, class M, class Codec>
struct cls_AttrImpl final : cls_AttrEntry<C> {
    explicit cls_AttrImpl(cls_AttrSpec<C, M, Codec>&& s, int ordinal) : member(s.member), def(std::move(s.def)) {
        this->key = {ordinal, s.key};
        this->script = s.script;
        this->typeCode = s.typeCode;
        this->typeIdArg = Codec::TypeIdArg();
        this->collectionKind = Codec::CollectionKind;
        this->readRank = s.readRank;
        this->registerRank = s.registerRank;
    }
    void Write(C const& object, cls_WriteVisitor const& w) const override {
        w.Put(this->key, Codec::ToValue(w, object.*member));
    }
    void Read(C& object, cls_ReadVisitor const& r) const override {
        if (auto const* v = r.Find(this->key))
            object.*member = Codec::FromValue(r, *v, this->key);
        else
            Reset(object);
    }
    void Reset(C& object) const override {
        if constexpr (std::is_copy_assignable_v<M>)
            object.*member = def;
        else
            object.*member = M{};
    }

    M C::*member;
    M def;
};

struct cls_RowsTag {};

// The name a class table gives a type identifier (its hexadecimal form when none does).
inline std::string cls_TableName(std::uint32_t typeId) {
    auto const* entry = typ_ArchCompTable::Entry(typeId);
    return entry && entry->name ? std::string(entry->name) : cls_HexId(typeId);
}

template <class C>
class cls_AttributeTable {
public:
    template <class... Specs>
    explicit cls_AttributeTable(cls_RowsTag, Specs&&... specs) {
        (Add(std::move(specs)), ...);
        for (auto const& e : entries_) readOrder_.push_back(e.get());
        registerOrder_ = readOrder_;
        std::stable_sort(readOrder_.begin(), readOrder_.end(), [this](auto const* a, auto const* b) {
            return Rank(a, a->readRank) < Rank(b, b->readRank);
        });
        std::stable_sort(registerOrder_.begin(), registerOrder_.end(), [this](auto const* a, auto const* b) {
            return Rank(a, a->registerRank) < Rank(b, b->registerRank);
        });
    }

    void Write(C const& object, cls_WriteVisitor const& w) const {
        for (auto const& e : entries_) e->Write(object, w);
    }
    void Read(C& object, cls_ReadVisitor const& r) const {
        for (auto const* e : readOrder_) e->Read(object, r);
    }
    void Register(cls_ClassMetadata& md) const {
        for (auto const* e : registerOrder_) md.AddAttribute(e->key, e->typeCode, e->typeIdArg, e->collectionKind);
    }
    void ApplyDefaults(C& object) const {
        for (auto const& e : entries_) e->Reset(object);
    }

    std::vector<std::unique_ptr<cls_AttrEntry<C>>> const& Entries() const { return entries_; }
    cls_AttrEntry<C> const* FindScript(std::string_view script) const {
        for (auto const& e : entries_)
            if (script == e->script) return e.get();
        return nullptr;
    }

private:
    template <class M, class Codec>
    void Add(cls_AttrSpec<C, M, Codec>&& row) {
        int ordinal = row.ordinal == cls_AutoOrdinal ? next_ : row.ordinal;
        if (ordinal >= 0) next_ = ordinal + 1;
        entries_.push_back(std::make_unique<cls_AttrImpl<C, M, Codec>>(std::move(row), ordinal));
    }
    int Rank(cls_AttrEntry<C> const* e, int rank) const {
        if (rank != cls_NoRank) return rank;
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].get() == e) return int(i);
        return 0;
    }

    std::vector<std::unique_ptr<cls_AttrEntry<C>>> entries_;
    std::vector<cls_AttrEntry<C> const*> readOrder_;
    std::vector<cls_AttrEntry<C> const*> registerOrder_;
    int next_ = 0;
};

// Whether C itself (not only a base) declares the hook.
#define CLS_OWN_HOOK_(C, hook, Sig) \
    [] { \
        if constexpr (requires { &C::hook; }) \
            return std::is_same_v<decltype(&C::hook), Sig>; \
        else \
            return false; \
    }()

template <class C>
void cls_WriteLevel(C const& object, cls_WriteVisitor const& w) {
    if (!w.StartWrite(C::TypeId(), object.C::Uid())) return;
    using B = typename C::cls_Base;
    // A base without a stored level of its own (cls_Persistent, mdl_Extension) writes nothing.
    if constexpr (B::TypeId() != cls_NoBaseId) object.B::DBWrite(cls_WriteVisitor(w, B::TypeId()));
    C::Attributes().Write(object, w);
    if constexpr (CLS_OWN_HOOK_(C, cls_WriteMore, void (C::*)(cls_WriteVisitor const&) const))
        object.cls_WriteMore(w);
}

template <class C>
void cls_ReadLevel(C& object, cls_ReadVisitor const& r) {
    C::Attributes().Read(object, r);
    if constexpr (CLS_OWN_HOOK_(C, cls_ReadMore, void (C::*)(cls_ReadVisitor const&))) object.cls_ReadMore(r);
    object.C::cls_uid_.Set(r.GetUid());
}

template <class C>
void cls_RegisterLevel(cls_ClassRegistrar& registrar, std::string const& name, cls_ClassMetadata::Factory factory) {
    auto& md = registrar.AddClassMD(
        cls_ClassMetadata(name, C::TypeId(), C::ClassVersion(), factory, C::cls_Base::TypeId()));
    C::Attributes().Register(md);
    // A static hook's type does not tell whose it is: compare with the base's.
    if constexpr (requires { &C::cls_MetadataMore; }) {
        if constexpr (requires { &C::cls_Base::cls_MetadataMore; }) {
            if (&C::cls_MetadataMore == &C::cls_Base::cls_MetadataMore) return;
        }
        C::cls_MetadataMore(md);
    }
}

#define CLS_ATTR_ROW_(stem, member, key, def, ...) , cls_Attr(&cls_Self::member, key, #stem, def) __VA_ARGS__
#define CLS_NAME_ROW_(stem, member, key, def, ...) \
    static constexpr char const* stem##Cmd() { return #stem; }

#define CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, factory, name) \
public: \
    using cls_Self = Class; \
    using cls_Base = Base; \
    static constexpr std::uint32_t TypeId() { return typeId; } \
    static constexpr int ClassVersion() { return version; } \
    std::uint32_t DynTypeId() const override { return TypeId(); } \
    void DBWrite(cls_WriteVisitor const& w) const override { cls_WriteLevel<Class>(*this, w); } \
    static void InitializeMetadata(cls_ClassRegistrar& r) { cls_RegisterLevel<Class>(r, name, factory); } \
    static cls_AttributeTable<Class> const& Attributes() { \
        static cls_AttributeTable<Class> const table(cls_RowsTag {} ROWS(CLS_ATTR_ROW_)); \
        return table; \
    } \
    ROWS(CLS_NAME_ROW_) \
    explicit Class(cls_ReadVisitor const& r) : Base(cls_ReadVisitor(r, Base::TypeId())) { \
        cls_ReadLevel<Class>(*this, r); \
    } \
    cls_Uid Uid() const { return cls_uid_.Get(); } \
    void NewUid() { \
        Base::NewUid(); \
        cls_uid_.Renew(); \
    } \
    cls_InstanceUid cls_uid_;

#define CLS_PERSISTENT(Class, Base, typeId, version, ROWS) \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), #Class) \
    Class* Copy() const override { return new Class(*this); }

#define CLS_ABSTRACT_PERSISTENT(Class, Base, typeId, version, ROWS) \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ClassMetadata::Factory{}, #Class)

// For instances of templates: the registered name is the one the class table gives the
// type identifier (for example "kprC_StepRepositoryBase"), not the C++ spelling.
#define CLS_TEMPLATE_PERSISTENT(Class, Base, typeId, version, ROWS) \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), cls_TableName(typeId)) \
    Class* Copy() const override { return new Class(*this); }

#define CLS_TEMPLATE_ABSTRACT_PERSISTENT(Class, Base, typeId, version, ROWS) \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ClassMetadata::Factory{}, cls_TableName(typeId))

// For instances of templates given their registered name explicitly (usually by a traits class).
#define CLS_PERSISTENT_NAMED(Class, Base, typeId, name, version, ROWS) \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), name) \
    Class* Copy() const override { return new Class(*this); }
