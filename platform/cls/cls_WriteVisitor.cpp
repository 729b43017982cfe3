#include "platform/cls/cls_WriteVisitor.h"

#include <unordered_map>
#include <vector>

#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_RecentTables.h"
#include "platform/cls/cls_Persistent.h"
#include "platform/nex/nex_Exception.h"

namespace {
auto Hex = cls_HexId;

// The rows written in one operation by object identity: open addressing over a
// power-of-two table, as one allocation per growth instead of one per object. The uid
// is scattered before probing: identities are drawn in sequence, and long runs of
// consecutive uids in neighbouring slots would make every probe that lands in a run
// walk to its end (saving grew quadratically with the steps per load).
class WrittenSet {
public:
    // The row already recorded for the uid, or null after recording `ref` for it.
    dbs_Ref const* FindOrAdd(std::uint64_t uid, dbs_Ref ref) {
        if ((size_ + 1) * 4 > slots_.size() * 3) Grow();
        auto& slot = Probe(uid);
        if (slot.uid == uid) return &slot.ref;
        slot = {uid, ref};
        ++size_;
        return nullptr;
    }

private:
    struct Slot {
        std::uint64_t uid = 0;  // 0: empty (a valid uid is never 0)
        dbs_Ref ref;
    };
    Slot& Probe(std::uint64_t uid) {
        auto mask = slots_.size() - 1;
        for (auto i = Scatter(uid) & mask;; i = (i + 1) & mask)
            if (slots_[i].uid == uid || slots_[i].uid == 0) return slots_[i];
    }
    // Fibonacci hashing: the high bits of the product, folded down.
    static std::uint64_t Scatter(std::uint64_t uid) {
        std::uint64_t const h = uid * 0x9E3779B97F4A7C15ull;
        return h ^ (h >> 32);
    }
    void Grow() {
        auto old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        for (auto const& s : old)
            if (s.uid) Probe(s.uid) = s;
    }
    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};
}  // namespace

// A class table being written, with the schema position of each ordinal found once.
struct cls_WriteVisitor::TableState {
    dbs_Table* table = nullptr;
    std::vector<int> byOrdinal;  // -1: not looked up yet

    std::size_t Position(cls_Key key) {
        if (key.ordinal >= 0 && std::size_t(key.ordinal) < byOrdinal.size() && byOrdinal[key.ordinal] >= 0)
            return byOrdinal[key.ordinal];
        auto pos = table->Find(key.name);
        if (!pos)
            throw nex_AssertException("cls_WriteVisitor: " + table->className + " has no stored attribute \"" +
                                      key.name + "\"");
        if (key.ordinal >= 0) {
            if (std::size_t(key.ordinal) >= byOrdinal.size()) byOrdinal.resize(key.ordinal + 1, -1);
            byOrdinal[key.ordinal] = int(*pos);
        }
        return *pos;
    }
};

struct cls_WriteVisitor::Context {
    explicit Context(dbs_Database& d) : db(d) {}
    dbs_Database& db;
    std::unordered_map<std::uint32_t, TableState> tables;
    cls_RecentTables<TableState> recent;
    WrittenSet written;  // uid -> row of the object's own class level

    TableState& Table(std::uint32_t id) {
        if (auto* known = recent.Find(id)) return *known;
        auto [it, fresh] = tables.try_emplace(id);
        if (fresh) {
            auto const* md = cls_MetadataRegistrar::Find(id);
            if (!md) {
                tables.erase(it);
                throw nex_AssertException("cls_WriteVisitor: no metadata for class " + Hex(id));
            }
            auto* table = db.FindTable(id);
            if (!table)
                table = &db.AddTable(md->NewTable());
            else if (table->version != md->Version() || table->schema != md->Attributes()) {
                tables.erase(it);
                throw nex_AssertException("cls_WriteVisitor: the database holds " + md->Name() + " of version " +
                                          std::to_string(table->version) + ", not the current layout");
            }
            it->second.table = table;
        }
        return *recent.Remember(id, &it->second);
    }
};

cls_WriteVisitor::cls_WriteVisitor(dbs_Database& db) : own_(std::make_unique<Context>(db)), ctx_(own_.get()) {}

cls_WriteVisitor::cls_WriteVisitor(Context* context) : ctx_(context) {}

cls_WriteVisitor::cls_WriteVisitor(cls_WriteVisitor const& derived, std::uint32_t baseId)
    : ctx_(derived.ctx_), derived_(&derived), baseId_(baseId) {
    NEX_ASSERT(derived.oid_ >= 0);
}

cls_WriteVisitor::~cls_WriteVisitor() = default;

dbs_Database& cls_WriteVisitor::Database() const { return ctx_->db; }

bool cls_WriteVisitor::StartWrite(std::uint32_t typeId, cls_Uid uid) const {
    if (oid_ >= 0) throw nex_AssertException("cls_WriteVisitor: StartWrite called twice on one writer");
    if (derived_ && typeId != baseId_)
        throw nex_AssertException("cls_WriteVisitor: base part " + Hex(typeId) + " written where " + Hex(baseId_) +
                                  " was expected");
    auto& t = ctx_->Table(typeId);
    // A base part belongs to its derived row alone: it needs no identity check.
    if (!derived_ && uid.IsValid()) {
        if (auto const* earlier = ctx_->written.FindOrAdd(uid.Value(), {typeId, std::int64_t(t.table->rows.size())})) {
            ref_ = *earlier;
            return false;
        }
    }
    table_ = &t;
    oid_ = std::int64_t(t.table->rows.size());
    t.table->rows.emplace_back().fields.resize(t.table->schema.size());
    ref_ = {typeId, oid_};
    if (derived_) derived_->table_->table->rows[derived_->oid_].baseOid = oid_;
    return true;
}

void cls_WriteVisitor::Put(cls_Key key, dbs_Value value) const {
    if (oid_ < 0) throw nex_AssertException("cls_WriteVisitor: attribute written before StartWrite");
    auto pos = table_->Position(key);
    // Rows are found by index each time: writing sub-objects may grow this very table.
    table_->table->rows[oid_].fields[pos] = std::move(value);
}

dbs_Value cls_WriteVisitor::WriteSubObject(cls_Persistent const* object) const {
    if (!object) return dbs_Null{};
    cls_WriteVisitor child(ctx_);
    object->DBWrite(child);
    if (child.ref_.oid < 0) throw nex_AssertException("cls_WriteVisitor: DBWrite of a sub-object wrote no row");
    return child.ref_;
}

dbs_Ref cls_WriteVisitor::WriteRoot(std::string const& name, cls_Persistent const& object) const {
    auto ref = WriteSubObject(&object).AsRef();
    ctx_->db.SetRoot(name, ref);
    return ref;
}
