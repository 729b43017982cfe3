#include "platform/cls/cls_ReadVisitor.h"

#include <unordered_map>
#include <vector>

#include "platform/cls/cls_MetadataRegistrar.h"
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
    std::uint32_t lastId = 0;
    TableState* last = nullptr;

    // Null when the database has no table of the class.
    TableState* Table(std::uint32_t id) {
        if (last && lastId == id) return last;
        auto it = tables.find(id);
        if (it == tables.end()) {
            auto const* table = db.FindTable(id);
            if (!table) return nullptr;
            for (std::size_t i = 0; i < table->rows.size(); ++i)
                if (table->rows[i].fields.size() != table->schema.size())
                    throw nex_TextException("cls_ReadVisitor: " + table->className + " row " + std::to_string(i) +
                                            " has " + std::to_string(table->rows[i].fields.size()) +
                                            " fields for " + std::to_string(table->schema.size()) + " attributes");
            TableState ts;
            ts.table = table;
            ts.md = cls_MetadataRegistrar::Find(id);
            ts.objects.resize(table->rows.size());
            ts.state.resize(table->rows.size(), RowUnread);
            it = tables.emplace(id, std::move(ts)).first;
        }
        lastId = id;
        last = &it->second;
        return last;
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
        derived.Fail("the stored base class is " + cls_HexId(derived.table_->table->baseId) + ", not " +
                     cls_HexId(baseId));
    auto* base = ctx_->Table(baseId);
    auto oid = derived.row_->baseOid;
    if (!base || oid < 0 || std::size_t(oid) >= base->table->rows.size())
        derived.Fail("its base part (" + cls_HexId(baseId) + " row " + std::to_string(oid) + ") is not stored");
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

void cls_ReadVisitor::Fail(std::string const& what) const {
    std::string where = table_ ? table_->table->className + " row " + std::to_string(oid_) : std::string("root");
    throw nex_TextException("cls_ReadVisitor: " + where + ": " + what);
}

void cls_ReadVisitor::Mismatch(cls_Key key, dbs_Value const& value, char const* expected) const {
    Fail(std::string("\"") + key.name + "\" holds " + KindName(value.Kind()) + " where " + expected +
         " is expected");
}

void cls_ReadVisitor::WrongClass(cls_Key key, std::uint32_t stored, std::uint32_t expected) const {
    auto name = [](std::uint32_t id) {
        auto const* md = cls_MetadataRegistrar::Find(id);
        return md ? md->Name() : cls_HexId(id);
    };
    Fail(std::string("\"") + key.name + "\" refers to a " + name(stored) + " where a " + name(expected) +
         " is expected");
}

cls_ReadVisitor cls_ReadVisitor::RowScope::Resolve(cls_ReadVisitor const& from, dbs_Value const& value,
                                                   cls_Key key) {
    if (value.Kind() != dbs_Kind::Reference) from.Mismatch(key, value, "a reference");
    auto ref = value.AsRef();
    auto* ts = from.ctx_->Table(ref.classId);
    if (!ts || ref.oid < 0 || std::size_t(ref.oid) >= ts->table->rows.size())
        from.Fail(std::string("\"") + key.name + "\" refers to " + cls_HexId(ref.classId) + " row " +
                  std::to_string(ref.oid) + ", which is not stored");
    if (ts->state[ref.oid] == RowReading)
        from.Fail(std::string("\"") + key.name + "\" refers to " + ts->table->className + " row " +
                  std::to_string(ref.oid) + ", which contains this attribute");
    return cls_ReadVisitor(from.ctx_, ts, ref.oid);
}

cls_ReadVisitor::RowScope::RowScope(cls_ReadVisitor const& from, dbs_Value const& value, cls_Key key,
                                    std::uint32_t expectedClass)
    : reader_(Resolve(from, value, key)) {
    auto& ts = *reader_.table_;
    if (expectedClass == 0 && (!ts.md || !ts.md->GetFactory()))
        from.Fail(std::string("\"") + key.name + "\" refers to " + ts.table->className +
                  ", which has no reading factory");
    if (expectedClass != 0 && ts.table->classId != expectedClass)
        from.WrongClass(key, ts.table->classId, expectedClass);
    previous_ = ts.state[reader_.oid_];
    ts.state[reader_.oid_] = RowReading;
}

cls_ReadVisitor::RowScope::~RowScope() { reader_.table_->state[reader_.oid_] = previous_; }

std::shared_ptr<cls_Persistent> cls_ReadVisitor::ReadShared(dbs_Value const& value, cls_Key key) const {
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
        RowScope scope(*this, value, key, 0);
        ts = &scope.Table();
        oid = scope.Reader().oid_;
        ts->objects[oid] = ts->md->GetFactory().shared(scope.Reader());
    }
    ts->state[oid] = RowRead;
    return ts->objects[oid];
}

std::unique_ptr<cls_Persistent> cls_ReadVisitor::ReadOwned(dbs_Value const& value, cls_Key key) const {
    if (value.IsNull()) return nullptr;
    RowScope scope(*this, value, key, 0);
    return std::unique_ptr<cls_Persistent>(scope.Table().md->GetFactory().owned(scope.Reader()));
}

std::shared_ptr<cls_Persistent> cls_ReadVisitor::ReadRootObject(std::string const& name) const {
    auto it = ctx_->db.Roots().find(name);
    if (it == ctx_->db.Roots().end()) return nullptr;
    return ReadShared(it->second, {-1, name.c_str()});
}
