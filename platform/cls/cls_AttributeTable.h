#pragma once
// The description of a stored class. Each class lists its stored attributes once, one
// row each, in declaration order, and everything else comes from that list: the private
// members with their initial values, the reading and setting accessors, the writer
// (DBWrite), the reading constructor, the metadata (InitializeMetadata) and the name
// functions (<name>Cmd()).
//
//   #define KPRC_FOO_ATTRIBUTES(A)          (every line but the last ends in a backslash)
//       A(double, timePeriod, 1.0)
//       A(int, maxNumInc, 100)
//       A(kprC_Step_ResponseEnm, response, kprC_Step_ResponseEnm::TRANSIENT)
//       A(cow_COW<kprC_Restart>, restart, {})
//       A(std::vector<double>, intervalBoundaries, {}, .AsArray())
//       A(bool, monitorNodeOn, false, .Script("nodeOn"))
//       A(kprC_LoadCaseMap, lcc, {}, .NameOnly())
//
//   class kprC_Foo : public kprC_AnalysisStep {
//       CLS_PERSISTENT(kprC_Foo, kprC_AnalysisStep, kprC_Foo_TypeId, 851, KPRC_FOO_ATTRIBUTES)
//       CLS_WRITE_ORDER("maxNumInc", "timePeriod", ...)      (only where it differs)
//   public:
//       ...
//   };
//
// and, in the class's source file (kprC_Foo.cpp), once:
//
//   CLS_DEFINE(kprC_Foo)
//
// A row reads: C++ type (an alias where the type holds a comma), name, initial value,
// then options. The name is the stored key, the stem of the member (timePeriod_) and of
// both accessors (timePeriod() reads, timePeriod(v) sets) and of the name function
// timePeriodCmd(). The initial value is written once: it initialises the member and is
// what the reader gives for an attribute that a stored version lacks. A value with
// commas goes in parentheses: (std::vector<double>{0.0, 1.0}). Options:
//   .Script("nodeOn")  the scripting name, when it is not the attribute name
//   .Key("_datumId")   the stored key, when it is not the attribute name
//   .NameOnly()        stored by name only (ordinal -1)
//   .AsArray()         a std::vector stored as a numeric or string array, not a list
//   .TypeCode(c)       another type code than the member type's (7)
//   .Word<E>(v)        scripts give and read the value v as the single string of the
//                      enumeration E (numEigen=ALL is the unset integer)
//   .MinSize(n)        a list that the setter and scripts refuse with fewer than n entries
//                      (the reader takes what the file holds; validation refuses it)
//   .OnChange()        the setter then calls the class's cls_OnChange(), which brings what
//                      follows from the attribute up to date (scripts set the member
//                      directly: their commands do the same themselves)
//
// An attribute's ordinal is its row's position, counted from 0, whatever the orders
// below. By default the writer and the metadata take the rows in declaration order and
// so does the reader. Where a class stores, registers or reads in another order it says
// so once, as the list of stored attribute names, after CLS_PERSISTENT:
//   CLS_WRITE_ORDER(...)     the stored order (also the registered one unless given)
//   CLS_REGISTER_ORDER(...)  the order of the attributes in the class metadata
//   CLS_READ_ORDER(...)      the order in which the reading constructor reads
//   CLS_WRITE_BEFORE_BASE(n) the first n of the stored order go before the base part
// A record that scripts give as tuples states CLS_TUPLE(required, "name", ...).
// Each list must name every row exactly once; anything else stops the compilation.
//
// CLS_PERSISTENT generates TypeId(), ClassVersion(), DynTypeId(), Copy(), DBWrite(),
// InitializeMetadata(), Attributes(), the reading constructor, Uid()/NewUid(), the
// members, the accessors and the name functions; it leaves the access at public.
// CLS_ABSTRACT_PERSISTENT is the same without Copy() and without a reading factory. The
// writer, the reading constructor, the table and the metadata are compiled only where
// CLS_DEFINE stands; the CLS_TEMPLATE_* and *_NAMED forms, for class templates, define
// them in the class and need no CLS_DEFINE. A
// class with stored parts that a row cannot describe adds them in its own
//   void cls_WriteMore(cls_WriteVisitor const&) const;   void cls_ReadMore(cls_ReadVisitor const&);
//   static void cls_MetadataMore(cls_ClassMetadata&);
// which run after the table's attributes. Attributes that scripts read and set but that
// are derived from stored ones come from
//   static void cls_ScriptMore(std::vector<cls_ScriptAttribute>&);
//
// Registering the metadata also registers what scripts see of the class (cls_Script.h):
// every row whose member type has a scripting codec, under its scripting name, and the
// scripting constructor constructorCmd() of a concrete class. A class that scripts do not
// create says CLS_NO_SCRIPT_CONSTRUCTOR; one that shows inherited rows under other names
// lists them as pairs, CLS_SCRIPT_NAMES("c1", "cf1", "c2", "cf2").
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/cls/cls_ClassRegistrar.h"
#include "platform/cls/cls_Codec.h"
#include "platform/cls/cls_Script.h"
#include "platform/omu/omn_FixedString.h"
#include "platform/typ/typ_ArchCompTable.h"

// The options of a row, all known when compiling.
struct cls_RowOptions {
    char const* name;
    char const* script = nullptr;
    char const* key = nullptr;
    bool nameOnly = false;
    bool asArray = false;
    int typeCode = 0;  // 0: the member type's own
    cls_ScriptWord word = nullptr;  // the word scripts use for wordValue
    std::int64_t wordValue = 0;
    std::size_t minSize = 0;  // 0: any length
    bool onChange = false;    // the setter then runs the class's cls_OnChange()

    constexpr cls_RowOptions Script(char const* text) const {
        auto o = *this;
        o.script = text;
        return o;
    }
    constexpr cls_RowOptions Key(char const* text) const {
        auto o = *this;
        o.key = text;
        return o;
    }
    constexpr cls_RowOptions NameOnly() const {
        auto o = *this;
        o.nameOnly = true;
        return o;
    }
    constexpr cls_RowOptions AsArray() const {
        auto o = *this;
        o.asArray = true;
        return o;
    }
    constexpr cls_RowOptions TypeCode(int code) const {
        auto o = *this;
        o.typeCode = code;
        return o;
    }
    template <class E>
    constexpr cls_RowOptions Word(std::int64_t value) const {
        auto o = *this;
        o.word = &cls_EnumWord<E>;
        o.wordValue = value;
        return o;
    }
    constexpr cls_RowOptions MinSize(std::size_t n) const {
        auto o = *this;
        o.minSize = n;
        return o;
    }
    constexpr cls_RowOptions OnChange() const {
        auto o = *this;
        o.onChange = true;
        return o;
    }
    constexpr char const* ScriptName() const { return script ? script : name; }
    constexpr char const* StoredName() const { return key ? key : name; }
};

// One row of a class's table, with the stored kind fixed by the row's codec.
template <class C>
struct cls_AttrEntry {
    virtual ~cls_AttrEntry() = default;
    virtual void Write(C const& object, cls_WriteVisitor const& w) const = 0;
    virtual void Read(C& object, cls_ReadVisitor const& r) const = 0;
    virtual void Reset(C& object) const = 0;
    // Adds the attribute as scripts see it, when its member type has a scripting codec.
    virtual void AddScript(std::vector<cls_ScriptAttribute>& out) const = 0;

    cls_Key key;              // ordinal (declaration position, -1 by name only) and name
    char const* script = "";  // the scripting name
    int position = 0;         // declaration position, also for attributes stored by name
    int typeCode = 0;
    std::uint32_t typeIdArg = cls_PlainTypeArg;
    int collectionKind = 0;
    std::size_t minSize = 0;
};

template <class C, class M, class Codec>
struct cls_AttrImpl final : cls_AttrEntry<C> {
    cls_AttrImpl(M C::*member, cls_RowOptions options, M (*initial)())
        : member(member), initial(initial), word(options.word), wordValue(options.wordValue) {
        this->key = {0, options.StoredName()};
        this->script = options.ScriptName();
        this->typeCode = options.typeCode ? options.typeCode : Codec::TypeCode;
        this->typeIdArg = Codec::TypeIdArg();
        this->collectionKind = Codec::CollectionKind;
        this->minSize = options.minSize;
    }
    void Write(C const& object, cls_WriteVisitor const& w) const override {
        w.Put(this->key, Codec::ToValue(w, object.*member));
    }
    void Read(C& object, cls_ReadVisitor const& r) const override {
        if (auto const* v = r.Find(this->key))
            object.*member = r.Attribute(this->key, [&] { return Codec::FromValue(r, *v, this->key); });
        else
            Reset(object);
    }
    void Reset(C& object) const override { object.*member = initial(); }
    void AddScript(std::vector<cls_ScriptAttribute>& out) const override {
        auto const before = out.size();
        cls_AddScriptAttribute<C, M>(out, member, this->script, this->key.name, this->minSize);
        if (word && out.size() > before) cls_ScriptWordValue(out.back(), word, wordValue);
    }

    M C::*member;
    M (*initial)();
    cls_ScriptWord word;
    std::int64_t wordValue;
};

// A row of a class that keeps the attribute in another form than a member of its own
// (two attributes held through one shared handle, say): read and set through the class's
// accessors.
template <class C, class M, class Codec>
struct cls_AttrVia final : cls_AttrEntry<C> {
    using Get = M (*)(C const&);
    using Set = void (*)(C&, M);
    cls_AttrVia(Get get, Set set, cls_RowOptions options, M (*initial)()) : get(get), set(set), initial(initial) {
        this->key = {0, options.StoredName()};
        this->script = options.ScriptName();
        this->typeCode = options.typeCode ? options.typeCode : Codec::TypeCode;
        this->typeIdArg = Codec::TypeIdArg();
        this->collectionKind = Codec::CollectionKind;
    }
    void Write(C const& object, cls_WriteVisitor const& w) const override { w.Put(this->key, Codec::ToValue(w, get(object))); }
    void Read(C& object, cls_ReadVisitor const& r) const override {
        if (auto const* v = r.Find(this->key))
            set(object, Codec::FromValue(r, *v, this->key));
        else
            Reset(object);
    }
    void Reset(C& object) const override { set(object, initial()); }
    void AddScript(std::vector<cls_ScriptAttribute>& out) const override {
        cls_AddScriptAttribute<C, M>(out, get, set, this->script, this->key.name);
    }

    Get get;
    Set set;
    M (*initial)();
};

// Runs the hook of a class whose row says OnChange() (the class declares cls_OnChange()).
template <class C>
void cls_NotifyChange(C& object) {
    if constexpr (requires { object.cls_OnChange(); }) object.cls_OnChange();
}

// A row as the class description makes it; `NameOnly` is kept for the table to number.
template <class C>
struct cls_Row {
    std::unique_ptr<cls_AttrEntry<C>> entry;
    bool nameOnly;
};

template <class C, class M, bool AsArray>
cls_Row<C> cls_MakeViaRow(M (*get)(C const&), void (*set)(C&, M), cls_RowOptions options, M (*initial)()) {
    using Codec = std::conditional_t<AsArray, cls_ArrayCodec<M>, cls_Codec<M>>;
    return {std::make_unique<cls_AttrVia<C, M, Codec>>(get, set, options, initial), options.nameOnly};
}

template <class C, class M, bool AsArray>
cls_Row<C> cls_MakeRow(M C::*member, cls_RowOptions options, M (*initial)()) {
    using Codec = std::conditional_t<AsArray, cls_ArrayCodec<M>, cls_Codec<M>>;
    return {std::make_unique<cls_AttrImpl<C, M, Codec>>(member, options, initial), options.nameOnly};
}

// A list of attribute names, tagged with the class that states it (a derived class
// inherits the static function but not the list).
template <class C, std::size_t N>
struct cls_NameList {
    using Owner = C;
    std::array<std::string_view, N> names;
};

struct cls_NamesTag {};

template <class C, class... S>
constexpr cls_NameList<C, sizeof...(S)> cls_Names(cls_NamesTag, S... names) {
    return {{std::string_view(names)...}};
}

// True when `list` names every one of `rows` exactly once.
template <class L, class R>
constexpr bool cls_IsPermutation(L const& list, R const& rows) {
    if (list.size() != rows.size()) return false;
    for (auto const& row : rows) {
        std::size_t hits = 0;
        for (auto const& name : list) hits += name == row;
        if (hits != 1) return false;
    }
    return true;
}

#define CLS_DEFINE_ORDER_CONCEPT_(Kind)                                                         \
    template <class C>                                                                         \
    concept cls_HasOwn##Kind##Order = requires { C::cls_##Kind##Order(); } &&                  \
                                      std::same_as<typename decltype(C::cls_##Kind##Order())::Owner, C>;
CLS_DEFINE_ORDER_CONCEPT_(Write)
CLS_DEFINE_ORDER_CONCEPT_(Register)
CLS_DEFINE_ORDER_CONCEPT_(Read)
#undef CLS_DEFINE_ORDER_CONCEPT_
template <class C>
concept cls_HasOwnScriptNames =
    requires { C::cls_ScriptNames(); } && std::same_as<typename decltype(C::cls_ScriptNames())::Owner, C>;

struct cls_RowsTag {};

// The name a class table gives a type identifier (its hexadecimal form when none does).
inline std::string cls_TableName(std::uint32_t typeId) {
    auto const* entry = typ_ArchCompTable::Entry(typeId);
    return entry && entry->name ? std::string(entry->name) : cls_HexId(typeId);
}

template <class C>
class cls_AttributeTable {
public:
    using Entry = cls_AttrEntry<C>;
    using Order = std::vector<Entry const*>;

    explicit cls_AttributeTable(std::vector<cls_Row<C>> rows) {
        int position = 0;
        for (auto& row : rows) {
            row.entry->position = position;
            row.entry->key.ordinal = row.nameOnly ? -1 : position;
            ++position;
            entries_.push_back(std::move(row.entry));
        }
        for (auto const& e : entries_) writeOrder_.push_back(e.get());
        readOrder_ = registerOrder_ = writeOrder_;
    }

    // The orders a class states; each list has been checked to name every row once.
    template <class List>
    void SetWriteOrder(List const& list) {
        writeOrder_ = registerOrder_ = ByNames(list);
    }
    template <class List>
    void SetRegisterOrder(List const& list) {
        registerOrder_ = ByNames(list);
    }
    template <class List>
    void SetReadOrder(List const& list) {
        readOrder_ = ByNames(list);
    }

    void Write(C const& object, cls_WriteVisitor const& w) const { Write(object, w, 0, writeOrder_.size()); }
    // The attributes from position `begin` up to `end` of the stored order.
    void Write(C const& object, cls_WriteVisitor const& w, std::size_t begin, std::size_t end) const {
        for (std::size_t i = begin; i < end && i < writeOrder_.size(); ++i) writeOrder_[i]->Write(object, w);
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
    std::vector<cls_ScriptAttribute> ScriptAttributes() const {
        std::vector<cls_ScriptAttribute> out;
        for (auto const& e : entries_) e->AddScript(out);
        return out;
    }

    // The rows in declaration order, and the three orders.
    std::vector<std::unique_ptr<Entry>> const& Entries() const { return entries_; }
    Order const& WriteOrder() const { return writeOrder_; }
    Order const& RegisterOrder() const { return registerOrder_; }
    Order const& ReadOrder() const { return readOrder_; }
    Entry const* Find(std::string_view name) const {
        for (auto const& e : entries_)
            if (name == e->key.name) return e.get();
        return nullptr;
    }
    Entry const* FindScript(std::string_view script) const {
        for (auto const& e : entries_)
            if (script == e->script) return e.get();
        return nullptr;
    }

private:
    template <class List>
    Order ByNames(List const& list) const {
        Order order;
        for (auto name : list.names) order.push_back(Find(name));
        return order;
    }

    std::vector<std::unique_ptr<Entry>> entries_;
    Order writeOrder_;
    Order registerOrder_;
    Order readOrder_;
};

// Builds a class's table from its rows and the orders it states. Runs once the class is
// complete, so that the lists are checked against the rows when compiling.
template <class C, class... Rows>
cls_AttributeTable<C> cls_BuildTable(cls_RowsTag, Rows... rows) {
    std::vector<cls_Row<C>> list;
    (list.push_back(std::move(rows)), ...);
    cls_AttributeTable<C> table(std::move(list));
    constexpr auto names = C::cls_RowNames();
    if constexpr (cls_HasOwnWriteOrder<C>) {
        static_assert(cls_IsPermutation(C::cls_WriteOrder().names, names.names),
                      "CLS_WRITE_ORDER must name every attribute of the class exactly once");
        table.SetWriteOrder(C::cls_WriteOrder());
    }
    if constexpr (cls_HasOwnRegisterOrder<C>) {
        static_assert(cls_IsPermutation(C::cls_RegisterOrder().names, names.names),
                      "CLS_REGISTER_ORDER must name every attribute of the class exactly once");
        table.SetRegisterOrder(C::cls_RegisterOrder());
    }
    if constexpr (cls_HasOwnReadOrder<C>) {
        static_assert(cls_IsPermutation(C::cls_ReadOrder().names, names.names),
                      "CLS_READ_ORDER must name every attribute of the class exactly once");
        table.SetReadOrder(C::cls_ReadOrder());
    }
    return table;
}

// Whether C, which has the static hook, declares it itself: a static hook's type does not
// tell whose it is, so compare it with the base's.
#define CLS_OWN_STATIC_HOOK_(C, hook)                                                \
    [] {                                                                             \
        if constexpr (requires { &C::cls_Base::hook; })                              \
            return &C::hook != &C::cls_Base::hook;                                   \
        else                                                                         \
            return true;                                                             \
    }()

// Whether C itself (not only a base) declares the hook.
#define CLS_OWN_HOOK_(C, hook, Sig) \
    [] { \
        if constexpr (requires { &C::hook; }) \
            return std::is_same_v<decltype(&C::hook), Sig>; \
        else \
            return false; \
    }()

// How many attributes, from the start of its stored order, a class writes before its
// base part (CLS_WRITE_BEFORE_BASE); none unless the class itself says so.
template <class C>
constexpr std::size_t cls_WrittenBeforeBase() {
    if constexpr (requires { C::cls_BeforeBase(); }) {
        if constexpr (std::same_as<typename decltype(C::cls_BeforeBase())::Owner, C>) return C::cls_BeforeBase().count;
    }
    return 0;
}

template <class C>
void cls_WriteLevel(C const& object, cls_WriteVisitor const& w) {
    if (!w.StartWrite(C::TypeId(), object.C::Uid())) return;
    using B = typename C::cls_Base;
    constexpr std::size_t first = cls_WrittenBeforeBase<C>();
    if constexpr (first > 0) C::Attributes().Write(object, w, 0, first);
    // A base without a stored level of its own (cls_Persistent, mdl_Extension) writes nothing.
    if constexpr (B::TypeId() != cls_NoBaseId) object.B::DBWrite(cls_WriteVisitor(w, B::TypeId()));
    C::Attributes().Write(object, w, first, std::size_t(-1));
    if constexpr (CLS_OWN_HOOK_(C, cls_WriteMore, void (C::*)(cls_WriteVisitor const&) const))
        object.cls_WriteMore(w);
}

template <class C>
void cls_ReadLevel(C& object, cls_ReadVisitor const& r) {
    C::Attributes().Read(object, r);
    if constexpr (CLS_OWN_HOOK_(C, cls_ReadMore, void (C::*)(cls_ReadVisitor const&))) object.cls_ReadMore(r);
    // A level without identity would drop the uid: drawing one costs an atomic step per record.
    if constexpr (!std::is_same_v<decltype(C::cls_uid_), cls_NoIdentity>) object.C::cls_uid_.Set(r.GetUid());
}

// What scripts see of the class level: its constructor, a factory when it is concrete,
// its attributes and the inherited attributes it renames.
template <class C>
cls_ScriptClass cls_ScriptLevel(std::string const& name) {
    cls_ScriptClass s;
    s.typeId = C::TypeId();
    s.baseId = C::cls_Base::TypeId();
    s.name = name;
    s.constructorName = cls_ScriptConstructorName<C>();
    if constexpr (std::is_default_constructible_v<C>) s.create = []() -> cls_Persistent* { return new C(); };
    if constexpr (cls_ValidatedByCommands<C>)
        s.validate = [](cls_Persistent const& o) { static_cast<C const&>(o).AssertValid(); };
    s.attributes = C::Attributes().ScriptAttributes();
    if constexpr (requires { &C::cls_ScriptMore; })
        if (CLS_OWN_STATIC_HOOK_(C, cls_ScriptMore)) C::cls_ScriptMore(s.attributes);
    if constexpr (cls_HasOwnScriptNames<C>) {
        constexpr auto names = C::cls_ScriptNames().names;
        static_assert(names.size() % 2 == 0, "CLS_SCRIPT_NAMES takes pairs of stored name and scripting name");
        for (std::size_t i = 0; i < names.size(); i += 2) s.renames.emplace_back(names[i], names[i + 1]);
    }
    return s;
}

template <class C>
void cls_RegisterLevel(cls_ClassRegistrar& registrar, std::string const& name, cls_ClassMetadata::Factory factory) {
    auto& md = registrar.AddClassMD(
        cls_ClassMetadata(name, C::TypeId(), C::ClassVersion(), factory, C::cls_Base::TypeId()));
    C::Attributes().Register(md);
    cls_ScriptRegistry::Add(cls_ScriptLevel<C>(name));
    if constexpr (requires { &C::cls_MetadataMore; })
        if (CLS_OWN_STATIC_HOOK_(C, cls_MetadataMore)) C::cls_MetadataMore(md);
}

#define CLS_OPTIONS_(name, ...) (cls_RowOptions{#name} __VA_ARGS__)
#define CLS_ENTRY_ROW_(Type, name, initial, ...)                                                   \
    , cls_MakeRow<cls_Self, Type, CLS_OPTIONS_(name, __VA_ARGS__).asArray>(                        \
          &cls_Self::name##_, CLS_OPTIONS_(name, __VA_ARGS__), []() -> Type { return initial; })
#define CLS_VIA_ENTRY_ROW_(Type, name, initial, ...)                                               \
    , cls_MakeViaRow<cls_Self, Type, CLS_OPTIONS_(name, __VA_ARGS__).asArray>(                     \
          [](cls_Self const& o) -> Type { return o.name(); }, [](cls_Self& o, Type v) { o.name(std::move(v)); }, \
          CLS_OPTIONS_(name, __VA_ARGS__), []() -> Type { return initial; })
#define CLS_NO_ROW_(Type, name, initial, ...)
#define CLS_ROW_NAME_(Type, name, initial, ...) , CLS_OPTIONS_(name, __VA_ARGS__).StoredName()
#define CLS_MEMBER_ROW_(Type, name, initial, ...) Type name##_ = initial;
#define CLS_ACCESSOR_ROW_(Type, name, initial, ...)              \
    Type const& name() const { return name##_; }                 \
    void name(Type value) {                                      \
        cls_RequireSize(value, CLS_OPTIONS_(name, __VA_ARGS__).minSize, #name); \
        name##_ = std::move(value);                              \
        if constexpr (CLS_OPTIONS_(name, __VA_ARGS__).onChange) cls_NotifyChange(*this); \
    }
#define CLS_NAME_ROW_(Type, name, initial, ...) \
    static constexpr omn_FixedString name##Cmd() { return CLS_OPTIONS_(name, __VA_ARGS__).ScriptName(); }

#define CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity) \
    CLS_LEVEL_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity, CLS_ENTRY_ROW_, CLS_ACCESSOR_ROW_, \
               CLS_MEMBER_ROW_)

// What every class level holds, whether its writer, reader, table and metadata are
// defined in the class (templates) or once in the class's source file (CLS_DEFINE).
// The rows become table entries through ENTRY and members and accessors through MEMBER
// and ACCESSOR (nothing, for a class that keeps its attributes itself).
#define CLS_LEVEL_COMMON_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity, ENTRY, ACCESSOR, MEMBER) \
public: \
    using cls_Self = Class; \
    using cls_Base = Base; \
    static constexpr std::uint32_t TypeId() { return typeId; } \
    static constexpr int ClassVersion() { return version; } \
    std::uint32_t DynTypeId() const override { return TypeId(); } \
    static constexpr auto cls_RowNames() { return cls_Names<Class>(cls_NamesTag {} ROWS(CLS_ROW_NAME_)); } \
    /* Templates, so that only the unit that defines the class level compiles them. */ \
    template <int = 0> \
    static cls_AttributeTable<Class> cls_MakeTable() { return cls_BuildTable<Class>(cls_RowsTag {} ROWS(ENTRY)); } \
    template <int = 0> \
    static void cls_Register(cls_ClassRegistrar& r) { cls_RegisterLevel<Class>(r, registeredName, factory); } \
    ROWS(ACCESSOR) \
    ROWS(CLS_NAME_ROW_) \
    cls_Uid Uid() const { return cls_uid_.Get(); } \
    void NewUid() { \
        Base::NewUid(); \
        cls_uid_.Renew(); \
    } \
    [[no_unique_address]] Identity cls_uid_; \
\
private: \
    ROWS(MEMBER) \
\
public:

// A class level defined where it is declared: for class templates, whose every instance
// needs the definitions at hand.
#define CLS_LEVEL_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity, ENTRY, ACCESSOR, MEMBER) \
    CLS_LEVEL_COMMON_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity, ENTRY, ACCESSOR, MEMBER) \
    void DBWrite(cls_WriteVisitor const& w) const override { cls_WriteLevel<Class>(*this, w); } \
    static void InitializeMetadata(cls_ClassRegistrar& r) { cls_Register(r); } \
    static cls_AttributeTable<Class> const& Attributes() { \
        static cls_AttributeTable<Class> const table = cls_MakeTable(); \
        return table; \
    } \
    explicit Class(cls_ReadVisitor const& r) : Base(cls_ReadVisitor(r, Base::TypeId())) { \
        cls_ReadLevel<Class>(*this, r); \
    }

// A class level whose writer, reading constructor, table and metadata are only declared
// here and defined once, by CLS_DEFINE(Class) in the class's source file: a unit that
// merely uses the class (a derived class, a test, the registrations) does not compile
// the class's table again, which is most of what building the classes costs.
#define CLS_DECLARED_LEVEL_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity, ENTRY, ACCESSOR, MEMBER) \
    CLS_LEVEL_COMMON_(Class, Base, typeId, version, ROWS, factory, registeredName, Identity, ENTRY, ACCESSOR, MEMBER) \
    void DBWrite(cls_WriteVisitor const& w) const override; \
    static void InitializeMetadata(cls_ClassRegistrar& r); \
    static cls_AttributeTable<Class> const& Attributes(); \
    explicit Class(cls_ReadVisitor const& r);

// Defines, in one source file, what a class declared with CLS_PERSISTENT,
// CLS_ABSTRACT_PERSISTENT or CLS_PERSISTENT_BY_ACCESSORS leaves declared.
#define CLS_DEFINE(Class) \
    void Class::DBWrite(cls_WriteVisitor const& w) const { cls_WriteLevel<Class>(*this, w); } \
    void Class::InitializeMetadata(cls_ClassRegistrar& r) { cls_Register(r); } \
    cls_AttributeTable<Class> const& Class::Attributes() { \
        static cls_AttributeTable<Class> const table = cls_MakeTable(); \
        return table; \
    } \
    Class::Class(cls_ReadVisitor const& r) : Class::cls_Base(cls_ReadVisitor(r, Class::cls_Base::TypeId())) { \
        cls_ReadLevel<Class>(*this, r); \
    }

#define CLS_PERSISTENT(Class, Base, typeId, version, ROWS)                                     \
    CLS_DECLARED_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), #Class, cls_InstanceUid, \
                        CLS_ENTRY_ROW_, CLS_ACCESSOR_ROW_, CLS_MEMBER_ROW_) \
    Class* Copy() const override { return new Class(*this); }

#define CLS_ABSTRACT_PERSISTENT(Class, Base, typeId, version, ROWS) \
    CLS_DECLARED_LEVEL_(Class, Base, typeId, version, ROWS, cls_ClassMetadata::Factory{}, #Class, cls_InstanceUid, \
                        CLS_ENTRY_ROW_, CLS_ACCESSOR_ROW_, CLS_MEMBER_ROW_)

// For instances of templates: the registered name is the one the class table gives the
// type identifier (for example "kprC_StepRepositoryBase"), not the C++ spelling.
#define CLS_TEMPLATE_PERSISTENT(Class, Base, typeId, version, ROWS)                                          \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), cls_TableName(typeId), cls_InstanceUid) \
    Class* Copy() const override { return new Class(*this); }

#define CLS_TEMPLATE_ABSTRACT_PERSISTENT(Class, Base, typeId, version, ROWS) \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ClassMetadata::Factory{}, cls_TableName(typeId), cls_InstanceUid)

// For instances of templates given their registered name explicitly (usually by a traits class).
#define CLS_PERSISTENT_NAMED(Class, Base, typeId, name, version, ROWS)                  \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), name, cls_InstanceUid) \
    Class* Copy() const override { return new Class(*this); }

// As CLS_PERSISTENT_NAMED for a class whose objects are only held by value, never shared:
// they carry no identity (see cls_NoIdentity).
#define CLS_VALUE_PERSISTENT_NAMED(Class, Base, typeId, name, version, ROWS)                          \
    CLS_PERSISTENT_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), name, cls_NoIdentity) \
    Class* Copy() const override { return new Class(*this); }

// As CLS_VALUE_PERSISTENT_NAMED and CLS_PERSISTENT for a class that holds its attributes in
// another form than one member each: the class declares the members and the accessors
// (name() and name(value) for every row) itself; the rest comes from the rows.
#define CLS_VALUE_PERSISTENT_NAMED_BY_ACCESSORS(Class, Base, typeId, name, version, ROWS)                   \
    CLS_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), name, cls_NoIdentity,         \
               CLS_VIA_ENTRY_ROW_, CLS_NO_ROW_, CLS_NO_ROW_)                                                 \
    Class* Copy() const override { return new Class(*this); }
#define CLS_PERSISTENT_BY_ACCESSORS(Class, Base, typeId, version, ROWS)                                      \
    CLS_DECLARED_LEVEL_(Class, Base, typeId, version, ROWS, cls_ReadingFactory<Class>(), #Class, cls_InstanceUid,      \
               CLS_VIA_ENTRY_ROW_, CLS_NO_ROW_, CLS_NO_ROW_)                                                 \
    Class* Copy() const override { return new Class(*this); }

// A class level without stored attributes of its own.
#define CLS_NO_ATTRIBUTES(A)

// The first `n` attributes of the stored order are written before the base part.
template <class C>
struct cls_Count {
    using Owner = C;
    std::size_t count;
};
#define CLS_WRITE_BEFORE_BASE(n) \
    static constexpr cls_Count<cls_Self> cls_BeforeBase() { return {n}; }

// A record that scripts give as a tuple of the named attributes (scripting names), the
// first `required` of them mandatory (see cls_ScriptCodec<std::vector<T>>).
#define CLS_TUPLE(required, ...)                                                       \
    static constexpr std::size_t cls_TupleRequired() { return required; }              \
    static constexpr auto cls_TupleOrder() { return cls_Names<cls_Self>(cls_NamesTag{}, __VA_ARGS__); }

// The orders a class states where they differ from its declaration order.
#define CLS_WRITE_ORDER(...) \
    static constexpr auto cls_WriteOrder() { return cls_Names<cls_Self>(cls_NamesTag{}, __VA_ARGS__); }
#define CLS_REGISTER_ORDER(...) \
    static constexpr auto cls_RegisterOrder() { return cls_Names<cls_Self>(cls_NamesTag{}, __VA_ARGS__); }
#define CLS_READ_ORDER(...) \
    static constexpr auto cls_ReadOrder() { return cls_Names<cls_Self>(cls_NamesTag{}, __VA_ARGS__); }
