#include "platform/cls/cls_ReadVisitor.h"

#include <exception>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_RecentTables.h"
#include "platform/cls/cls_Persistent.h"
#include "platform/nex/nex_Exception.h"

namespace {

char const* KindName(dbs_Kind kind) {
    static char const* const names[] = {"undefined", "null",      "an integer",  "a double",      "a string",
                                        "a boolean", "an enumeration string", "a reference", "a list",
                                        "a map",     "an integer array", "a double array", "a string array"};
    return names[int(kind)];
}

enum RowState : std::uint8_t { RowUnread, RowReading, RowRead };

}  // namespace

// A class table being read: the stored position of each ordinal found once by name
// (the stored version may lack attributes or order them differently), and the objects
// read from its rows so far.
struct cls_ReadVisitor::TableState {
    dbs_Table const* table = nullptr;
    cls_ClassMetadata const* md = nullptr;
    std::vector<int> byOrdinal;  // -2: not looked up yet, -1: not stored
    std::vector<std::shared_ptr<cls_Persistent>> objects;
    std::vector<std::uint8_t> state;

    int Position(cls_Key key) {
        if (key.ordinal < 0) {
            auto pos = table->Find(key.name);
            return pos ? int(*pos) : -1;
        }
        if (std::size_t(key.ordinal) >= byOrdinal.size()) byOrdinal.resize(key.ordinal + 1, -2);
        int& slot = byOrdinal[key.ordinal];
        if (slot == -2) {
            auto pos = table->Find(key.name);
            slot = pos ? int(*pos) : -1;
        }
        return slot;
    }
};

struct cls_ReadVisitor::Context {
    explicit Context(dbs_Database const& d) : db(d) {}
    dbs_Database const& db;
    std::unordered_map<std::uint32_t, TableState> tables;
    cls_RecentTables<TableState> recent;
    int depth = 0;  // rows being read, one inside the other
    std::optional<cls_ReadFailure> failure;
    std::exception_ptr failed;  // the exception `failure` describes
    std::vector<std::pair<void const*, std::shared_ptr<void>>> shared;  // OperationShared, by type tag
    // Class ids whose objects passed the checked cast to a target class: (id << 32) | target,
    // by a hash of both; 0 is no pair.
    std::uint64_t castable[64] = {};
    static std::size_t CastSlot(std::uint64_t pair) { return std::size_t((pair * 0x9E3779B97F4A7C15ull) >> 58); }

    // Null when the database has no table of the class.
    TableState* Table(std::uint32_t id) {
        if (auto* known = recent.Find(id)) return known;
        auto it = tables.find(id);
        if (it == tables.end()) {
            auto const* table = db.FindTable(id);
            if (!table) return nullptr;
            for (std::size_t i = 0; i < table->rows.size(); ++i)
                if (table->rows[i].fields.size() != table->schema.size())
                {
                    std::string problem = "has " + std::to_string(table->rows[i].fields.size()) + " fields for " +
                                          std::to_string(table->schema.size()) + " attributes";
                    throw cls_ReadError("cls_ReadVisitor: " + table->className + " row " + std::to_string(i) + " " +
                                            problem,
                                        "", problem);
                }
            TableState ts;
            ts.table = table;
            ts.md = cls_MetadataRegistrar::Find(id);
            ts.objects.resize(table->rows.size());
            ts.state.resize(table->rows.size(), RowUnread);
            it = tables.emplace(id, std::move(ts)).first;
        }
        return recent.Remember(id, &it->second);
    }
};

cls_ReadVisitor::cls_ReadVisitor(dbs_Database const& db) : own_(std::make_unique<Context>(db)), ctx_(own_.get()) {}

cls_ReadVisitor::cls_ReadVisitor(Context* context, TableState* table, std::int64_t oid)
    : ctx_(context), table_(table), row_(&table->table->rows[oid]), oid_(oid) {}

cls_ReadVisitor::cls_ReadVisitor(cls_ReadVisitor const& derived, std::uint32_t baseId) : ctx_(derived.ctx_) {
    if (baseId == cls_NoBaseId) return;
    if (!derived.row_) derived.Fail("a base part is read from a reader on no row");
    // A layout stored before the class gained its base level holds no base part: the
    // base reads as new, as attributes missing from an older table do.
    if (derived.table_->table->baseId == cls_NoBaseId) return;
    if (derived.table_->table->baseId != baseId)
        derived.Fail("the stored base class is " + derived.ClassName(derived.table_->table->baseId) + ", not " +
                     derived.ClassName(baseId));
    auto* base = ctx_->Table(baseId);
    auto oid = derived.row_->baseOid;
    if (!base || oid < 0 || std::size_t(oid) >= base->table->rows.size())
        derived.Fail("its base part (" + derived.ClassName(baseId) + " row " + std::to_string(oid) + ") is not stored");
    table_ = base;
    row_ = &base->table->rows[oid];
    oid_ = oid;
}

cls_ReadVisitor::~cls_ReadVisitor() = default;

dbs_Database const& cls_ReadVisitor::Database() const { return ctx_->db; }
std::uint32_t cls_ReadVisitor::ClassId() const { return table_ ? table_->table->classId : cls_NoBaseId; }
int cls_ReadVisitor::StoredVersion() const { return table_ ? table_->table->version : 0; }

dbs_Value const* cls_ReadVisitor::Find(cls_Key key) const {
    if (!row_) return nullptr;
    int pos = table_->Position(key);
    if (pos < 0) return nullptr;
    auto const& v = row_->fields[pos];
    return v.IsUndefined() ? nullptr : &v;
}

bool cls_ReadVisitor::IsA(std::uint32_t id, std::uint32_t target) const {
    auto const pair = std::uint64_t(id) << 32 | target;
    return ctx_->castable[Context::CastSlot(pair)] == pair;
}

void cls_ReadVisitor::NoteIsA(std::uint32_t id, std::uint32_t target) const {
    auto const pair = std::uint64_t(id) << 32 | target;
    ctx_->castable[Context::CastSlot(pair)] = pair;
}

std::shared_ptr<void>& cls_ReadVisitor::SharedSlot(void const* tag) const {
    for (auto& [t, slot] : ctx_->shared)
        if (t == tag) return slot;
    return ctx_->shared.emplace_back(tag, nullptr).second;
}

std::string cls_ReadVisitor::ClassName(std::uint32_t id) const {
    if (auto const* md = cls_MetadataRegistrar::Find(id)) return md->Name();
    if (auto const* t = ctx_->db.FindTable(id); t && !t->className.empty()) return t->className;
    return "class " + std::to_string(id);
}

void cls_ReadVisitor::Fail(std::string const& problem) const { Fail({-1, ""}, problem); }

void cls_ReadVisitor::Fail(cls_Key key, std::string const& problem) const {
    std::string where = table_ ? table_->table->className + " row " + std::to_string(oid_) : std::string("root");
    std::string attribute = key.name ? key.name : "";
    throw cls_ReadError("cls_ReadVisitor: " + where + ": " + (attribute.empty() ? "" : "\"" + attribute + "\" ") +
                            problem,
                        attribute, problem);
}

void cls_ReadVisitor::Note(char const* attribute, std::string const* problem) const {
    auto current = std::current_exception();
    auto& failure = ctx_->failure;
    if (current && current == ctx_->failed) {
        // Already placed further in; a place without attribute at this very row takes it.
        if (!problem && failure->attribute.empty() && attribute && *attribute && table_ &&
            failure->className == table_->table->className && failure->row == oid_)
            failure->attribute = attribute;
        if (!problem) return;
    }
    cls_ReadFailure f;
    if (table_) f.className = table_->table->className, f.row = oid_;
    f.attribute = attribute ? attribute : "";
    if (problem) {
        f.problem = *problem;
    } else {
        try {
            throw;
        } catch (cls_ReadError const& e) {
            f.problem = e.Problem();
            if (!e.Attribute().empty()) f.attribute = e.Attribute();
        } catch (std::exception const& e) {
            f.problem = e.what();
        } catch (...) {
            f.problem = "an unknown failure";
        }
    }
    failure = std::move(f);
    ctx_->failed = current;
}

cls_ReadFailure const* cls_ReadVisitor::Failure() const { return ctx_->failure ? &*ctx_->failure : nullptr; }

void cls_ReadVisitor::Mismatch(cls_Key key, dbs_Value const& value, char const* expected) const {
    Fail(key, std::string("holds ") + KindName(value.Kind()) + " where " + expected + " is expected");
}

void cls_ReadVisitor::WrongClass(cls_Key key, std::uint32_t stored, std::uint32_t expected) const {
    Fail(key, "refers to a " + ClassName(stored) + " where a " + ClassName(expected) + " is expected");
}

cls_ReadVisitor cls_ReadVisitor::RowScope::Resolve(cls_ReadVisitor const& from, dbs_Value const& value,
                                                   cls_Key key) {
    if (value.Kind() != dbs_Kind::Reference) from.Mismatch(key, value, "a reference");
    auto ref = value.AsRef();
    auto* ts = from.ctx_->Table(ref.classId);
    if (!ts || ref.oid < 0 || std::size_t(ref.oid) >= ts->table->rows.size())
        from.Fail(key, "refers to " + from.ClassName(ref.classId) + " row " + std::to_string(ref.oid) +
                           ", which is not stored");
    if (ts->state[ref.oid] == RowReading)
        from.Fail(key, "refers to " + ts->table->className + " row " + std::to_string(ref.oid) +
                           ", which contains this attribute");
    if (from.ctx_->depth >= cls_MaxReadDepth)
        from.Fail(key, "refers to objects nested more than " + std::to_string(cls_MaxReadDepth) + " deep");
    return cls_ReadVisitor(from.ctx_, ts, ref.oid);
}

namespace {
// Whether the class is `target` or derives from it; true when the chain of bases leads
// to a class the registrar does not know (the cast after reading then decides).
bool MayBe(std::uint32_t id, std::uint32_t target) {
    for (int hops = 0; hops < 64; ++hops) {
        if (id == target) return true;
        auto const* md = cls_MetadataRegistrar::Find(id);
        if (!md) return true;
        if (md->BaseId() == cls_NoBaseId) return false;
        id = md->BaseId();
    }
    return true;
}
}  // namespace

cls_ReadVisitor::RowScope::RowScope(cls_ReadVisitor const& from, dbs_Value const& value, cls_Key key,
                                    std::uint32_t expectedClass, bool exact)
    : reader_(Resolve(from, value, key)) {
    auto& ts = *reader_.table_;
    if (!exact || expectedClass == 0) {
        if (!ts.md)
            from.Fail(key, "refers to " + ts.table->className + ", a class this release does not know");
        if (!ts.md->GetFactory()) from.Fail(key, "refers to " + ts.md->Name() + ", an abstract class");
    }
    if (expectedClass != 0 && (exact ? ts.table->classId != expectedClass : !MayBe(ts.table->classId, expectedClass)))
        from.WrongClass(key, ts.table->classId, expectedClass);
    previous_ = ts.state[reader_.oid_];
    ts.state[reader_.oid_] = RowReading;
    ++reader_.ctx_->depth;
}

cls_ReadVisitor::RowScope::~RowScope() {
    --reader_.ctx_->depth;
    reader_.table_->state[reader_.oid_] = previous_;
}

std::shared_ptr<cls_Persistent> cls_ReadVisitor::ReadShared(dbs_Value const& value, cls_Key key,
                                                            std::uint32_t expected) const {
    if (value.IsNull()) return nullptr;
    if (value.Kind() == dbs_Kind::Reference) {
        auto ref = value.AsRef();
        auto* ts = ctx_->Table(ref.classId);
        if (ts && ref.oid >= 0 && std::size_t(ref.oid) < ts->state.size() && ts->state[ref.oid] == RowRead)
            return ts->objects[ref.oid];
    }
    TableState* ts;
    std::int64_t oid;
    {
        RowScope scope(*this, value, key, expected, false);
        ts = &scope.Table();
        oid = scope.Reader().oid_;
        try {
            ts->objects[oid] = ts->md->GetFactory().shared(scope.Reader());
        } catch (...) {
            scope.Reader().Note("", nullptr);
            throw;
        }
    }
    ts->state[oid] = RowRead;
    return ts->objects[oid];
}

std::unique_ptr<cls_Persistent> cls_ReadVisitor::ReadOwned(dbs_Value const& value, cls_Key key,
                                                           std::uint32_t expected) const {
    if (value.IsNull()) return nullptr;
    RowScope scope(*this, value, key, expected, false);
    try {
        return std::unique_ptr<cls_Persistent>(scope.Table().md->GetFactory().owned(scope.Reader()));
    } catch (...) {
        scope.Reader().Note("", nullptr);
        throw;
    }
}

std::shared_ptr<cls_Persistent> cls_ReadVisitor::ReadRootObject(std::string const& name) const {
    auto it = ctx_->db.Roots().find(name);
    if (it == ctx_->db.Roots().end()) return nullptr;
    try {
        return ReadShared(it->second, {-1, name.c_str()});
    } catch (...) {
        Note(name.c_str(), nullptr);
        throw;
    }
}
