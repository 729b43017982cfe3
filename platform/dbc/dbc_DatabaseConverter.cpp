#include "platform/dbc/dbc_DatabaseConverter.h"

#include <algorithm>
#include <set>

#include "platform/nex/nex_Exception.h"

namespace {
int TypeCodeOf(dbs_Value const& v) {
    switch (v.Kind()) {
        case dbs_Kind::Integer: return dbs_TypeInt;
        case dbs_Kind::Double: return dbs_TypeDouble;
        case dbs_Kind::String: return dbs_TypeString;
        case dbs_Kind::Bool: return dbs_TypeBool;
        case dbs_Kind::Enum: return dbs_TypeEnum;
        default: return dbs_TypeObject;
    }
}

[[noreturn]] void NotA(dbs_Table const& t, std::string const& name, char const* what) {
    throw nex_TextException(t.className + ": \"" + name + "\" does not hold " + what);
}

using Places = std::map<std::pair<std::uint32_t, std::int64_t>, dbs_Ref>;

// Where a reference leads after the moves: the new place of a moved row, then the
// derived row of an object whose base part it is; null for a dropped row.
dbs_Value Redirected(dbs_Ref ref, Places const& places) {
    for (int hop = 0; hop < 2; ++hop)
        if (auto it = places.find({ref.classId, ref.oid}); it != places.end()) {
            if (it->second.oid < 0) return dbs_Null{};
            ref = it->second;
        }
    return ref;
}

// The value with every reference to a moved row pointing at its new place.
dbs_Value Redirected(dbs_Value const& v, Places const& places) {
    switch (v.Kind()) {
        case dbs_Kind::Reference: return Redirected(v.AsRef(), places);
        case dbs_Kind::List: {
            dbs_List out;
            for (auto const& e : v.AsList()) out.push_back(Redirected(e, places));
            return out;
        }
        case dbs_Kind::Map: {
            dbs_Map out;
            for (auto const& [k, e] : v.AsMap()) out.emplace_back(Redirected(k, places), Redirected(e, places));
            return out;
        }
        default: return v;
    }
}

// Appends a row of `classId` whose attributes all read as their defaults, with a base
// row of its own down the chain of today's bases; its index, or -1 for no such class.
std::int64_t NewDefaultRow(dbs_Database& db, cls_ClassRegistrar const& current, std::uint32_t classId) {
    auto const* md = current.Find(classId);
    auto* table = db.FindTable(classId);
    if (!table) {
        if (!md) return -1;
        table = &db.AddTable(md->NewTable());
    }
    dbs_Row row;
    row.fields.resize(table->schema.size());
    if (md && md->BaseId() != cls_NoBaseId) row.baseOid = NewDefaultRow(db, current, md->BaseId());
    table->rows.push_back(std::move(row));
    return std::int64_t(table->rows.size()) - 1;
}
}  // namespace

// ---- Rows ----------------------------------------------------------------------------

bool dbc_Row::Has(std::string const& name) const { return table_->Find(name).has_value(); }
bool dbc_Row::IsDefined(std::string const& name) const { return !Get(name).IsUndefined(); }

dbs_Value const& dbc_Row::Get(std::string const& name) const {
    static dbs_Value const undefined;
    auto pos = table_->Find(name);
    return pos ? table_->rows[std::size_t(index_)].fields[*pos] : undefined;
}

std::int64_t dbc_Row::GetInt(std::string const& name) const {
    auto const& v = Get(name);
    if (v.Kind() == dbs_Kind::Double) return std::int64_t(v.AsDouble());
    if (v.Kind() == dbs_Kind::Bool) return v.AsBool();
    if (v.Kind() != dbs_Kind::Integer) NotA(*table_, name, "an integer");
    return v.AsInteger();
}

double dbc_Row::GetDouble(std::string const& name) const {
    auto const& v = Get(name);
    if (v.Kind() == dbs_Kind::Integer) return double(v.AsInteger());
    if (v.Kind() != dbs_Kind::Double) NotA(*table_, name, "a double");
    return v.AsDouble();
}

std::string dbc_Row::GetString(std::string const& name) const {
    auto const& v = Get(name);
    if (v.Kind() == dbs_Kind::Enum) return v.AsEnum();
    if (v.Kind() != dbs_Kind::String) NotA(*table_, name, "a string");
    return v.AsString();
}

void dbc_Row::Set(std::string const& name, dbs_Value value) {
    auto pos = table_->Find(name);
    if (!pos) {
        table_->schema.push_back({-1, name, TypeCodeOf(value), cls_PlainTypeArg, 0});
        for (auto& row : table_->rows) row.fields.emplace_back();
        pos = table_->schema.size() - 1;
    }
    table_->rows[std::size_t(index_)].fields[*pos] = std::move(value);
}

void dbc_Row::Rename(std::string const& from, std::string const& to) {
    if (auto pos = table_->Find(from)) {
        if (table_->Find(to)) throw nex_TextException(table_->className + ": \"" + to + "\" is stored already");
        table_->schema[*pos].name = to;
    }
}

void dbc_Row::Drop(std::string const& name) {
    if (auto pos = table_->Find(name)) {
        table_->schema.erase(table_->schema.begin() + std::ptrdiff_t(*pos));
        for (auto& row : table_->rows) row.fields.erase(row.fields.begin() + std::ptrdiff_t(*pos));
    }
}

std::int64_t dbc_Row::NextCount(std::string const& name) {
    if (!run_) throw nex_TextException("the counter \"" + name + "\" is used outside a conversion");
    return run_->counters[name]++;
}

dbc_Row dbc_Row::NewRow(std::uint32_t classId, std::string const& className, int version, std::uint32_t baseId) {
    auto* table = db_->FindTable(classId);
    if (!table) table = &db_->AddTable(dbs_Table{classId, className, version, baseId, {}, {}});
    dbs_Row row;
    row.fields.resize(table->schema.size());
    table->rows.push_back(std::move(row));
    return dbc_Row(*db_, *table, std::int64_t(table->rows.size()) - 1, run_);
}

dbc_Row dbc_Row::RowOf(dbs_Ref ref) {
    auto* table = db_->FindTable(ref.classId);
    if (!table || ref.oid < 0 || std::uint64_t(ref.oid) >= table->rows.size())
        throw nex_TextException(table_->className + ": a reference names no stored row");
    return dbc_Row(*db_, *table, ref.oid, run_);
}

// ---- The converter -------------------------------------------------------------------

void dbc_DatabaseConverter::AddVersion(std::shared_ptr<dbc_OldClassVersion const> version) {
    auto key = std::pair(version->ClassId(), version->Version());
    metadata_.insert_or_assign(key, version->Metadata());
    versions_[key] = std::move(version);
}

void dbc_DatabaseConverter::MoveRows(std::uint32_t from, std::uint32_t to, std::map<std::string, std::string> renames) {
    dbc_Move m;
    m.from = from;
    m.to = to;
    m.renames = std::move(renames);
    moves_.push_back(std::move(m));
}
void dbc_DatabaseConverter::MoveRows(dbc_Move move) { moves_.push_back(std::move(move)); }
void dbc_DatabaseConverter::DeleteClass(std::uint32_t classId) { deletes_.push_back(classId); }
void dbc_DatabaseConverter::RenameClass(std::uint32_t classId, std::string name) { renames_[classId] = std::move(name); }

cls_ClassMetadata const* dbc_DatabaseConverter::OldMetadata(std::uint32_t classId, int version) const {
    auto it = metadata_.find({classId, version});
    return it == metadata_.end() ? nullptr : &it->second;
}

// Runs the changes of every old version of the table's class from its stored version
// up to (not including) `below`, lowest first; the table then carries the version the
// last one leads to.
void dbc_DatabaseConverter::RunChanges(dbs_Database& db, dbs_Table& table, int below, dbc_RunState& run) const {
    RunChanges(db, table, table.version, below, 0, SIZE_MAX, run);
    if (table.version < below) table.version = below;
}

// The same on rows [begin, end) from version `from`: the rows moved into a table.
// Renames and drops change the table's layout, so they apply to all its rows.
void dbc_DatabaseConverter::RunChanges(dbs_Database& db, dbs_Table& table, int from, int below, std::size_t begin,
                                       std::size_t end, dbc_RunState& run) const {
    for (auto it = versions_.lower_bound({table.classId, from});
         it != versions_.end() && it->first.first == table.classId && it->first.second < below; ++it) {
        for (auto const& change : it->second->Changes()) {
            if (change.kind == dbc_Change::Kind::RENAME || change.kind == dbc_Change::Kind::DROP) {
                if (table.rows.empty()) continue;
                dbc_Row row(db, table, 0, &run);
                change.Apply(row);  // a schema change: once for the table
                continue;
            }
            for (std::size_t i = begin; i < std::min(end, table.rows.size()); ++i) {
                dbc_Row row(db, table, std::int64_t(i), &run);
                change.Apply(row);
            }
        }
    }
}

void dbc_DatabaseConverter::Convert(dbs_Database& db, cls_ClassRegistrar const& current,
                                    dbc_ConversionReport* report) const {
    // 1. Nothing changes when any table is newer than this release.
    std::set<std::uint32_t> older;
    for (auto const& [id, table] : db.Tables())
        if (auto const* md = current.Find(id)) {
            if (table.version > md->Version())
                throw nex_TextException("the stored class " + md->Name() + " has version " +
                                        std::to_string(table.version) + ", newer than this release's " +
                                        std::to_string(md->Version()));
            if (table.version < md->Version()) older.insert(id);
        }
    if (report)
        for (auto id : older) {
            auto const& t = db.Tables().at(id);
            report->converted.push_back({current.Find(id)->Name(), t.version, current.Find(id)->Version(), t.rows.size()});
        }

    // 2. Retired classes to their last version; 3. current classes to today's.
    dbc_RunState run;
    for (int pass = 0; pass < 2; ++pass)
        for (auto& [id, table] : db.Tables()) {
            auto const* md = current.Find(id);
            if ((md != nullptr) != (pass == 1)) continue;
            if (auto r = renames_.find(id); r != renames_.end()) table.className = r->second;
            RunChanges(db, table, md ? md->Version() : INT32_MAX, run);
        }

    // 4. Moves, remembering where each row went: whole objects first, then the rows that
    // become derived parts of rows those moves have placed.
    Places places;
    struct Moved {
        std::uint32_t to, baseId;
        std::size_t begin, end;
        int asVersion;
    };
    std::vector<Moved> moved;
    std::set<std::uint32_t> dropped(deletes_.begin(), deletes_.end());
    std::vector<Move const*> order;
    for (auto const& m : moves_)
        if (!m.linkTable) order.push_back(&m);
    for (auto const& m : moves_)
        if (m.linkTable) order.push_back(&m);
    for (auto const* mp : order) {
        auto const& m = *mp;
        auto* from = db.FindTable(m.from);
        if (!from) continue;
        std::string const failed = "rename_" + (m.name.empty() ? from->className : m.name) + " failed: ";
        auto const* md = current.Find(m.to);
        if (!md) throw nex_TextException(failed + "outputTable can't be NULL");
        auto const* link = m.linkTable ? db.FindTable(m.linkTable) : nullptr;
        if (m.linkTable && !link && !from->rows.empty()) throw nex_TextException(failed + "inputTable can't be NULL");
        auto* to = db.FindTable(m.to);
        if (!to) to = &db.AddTable(md->NewTable());

        // The link rows naming each row, in the link table's order.
        std::vector<std::vector<std::int64_t>> owners(from->rows.size());
        if (link)
            if (auto pos = link->Find(m.linkAttribute))
                for (std::size_t k = 0; k < link->rows.size(); ++k) {
                    auto const& f = link->rows[k].fields[*pos];
                    if (f.Kind() == dbs_Kind::Reference && f.AsRef().classId == m.from && f.AsRef().oid >= 0 &&
                        std::uint64_t(f.AsRef().oid) < owners.size())
                        owners[std::size_t(f.AsRef().oid)].push_back(std::int64_t(k));
                }

        std::size_t const begin = to->rows.size();
        auto append = [&](std::size_t r, std::int64_t base) {
            dbs_Row row;
            row.baseOid = base;
            row.fields.resize(to->schema.size());
            for (std::size_t a = 0; a < from->schema.size(); ++a) {
                auto name = from->schema[a].name;
                if (auto rn = m.renames.find(name); rn != m.renames.end()) name = rn->second;
                auto pos = to->Find(name);
                if (!pos) {
                    to->schema.push_back({-1, name, from->schema[a].typeCode, from->schema[a].typeIdArg,
                                          from->schema[a].collectionKind});
                    for (auto& other : to->rows) other.fields.emplace_back();
                    row.fields.emplace_back();
                    pos = to->schema.size() - 1;
                }
                row.fields[*pos] = from->rows[r].fields[a];
            }
            to->rows.push_back(std::move(row));
            return std::int64_t(to->rows.size()) - 1;
        };
        for (std::size_t r = 0; r < from->rows.size(); ++r) {
            if (!m.linkTable) {
                places[{m.from, std::int64_t(r)}] = {m.to, append(r, from->rows[r].baseOid)};
                continue;
            }
            places[{m.from, std::int64_t(r)}] = {m.to, -1};  // an orphan: dropped
            for (auto k : owners[r]) {
                auto const at = append(r, k);
                if (places[{m.from, std::int64_t(r)}].oid < 0) places[{m.from, std::int64_t(r)}] = {m.to, at};
                places[{m.linkTable, k}] = {m.to, at};
            }
        }
        moved.push_back({m.to, m.linkTable ? 0u : from->baseId, begin, to->rows.size(), m.asVersion});
        if (report) report->moved.push_back({from->className, to->className, to->rows.size() - begin});
        dropped.insert(m.from);
    }
    // A moved whole object's base part moved too: its link follows.
    for (auto const& mv : moved) {
        if (mv.baseId == 0 || mv.baseId == dbs_NoBaseId) continue;
        auto& rows = db.FindTable(mv.to)->rows;
        for (std::size_t i = mv.begin; i < mv.end; ++i)
            if (auto it = places.find({mv.baseId, rows[i].baseOid}); it != places.end()) rows[i].baseOid = it->second.oid;
    }

    // 5. References follow the moved rows.
    if (!places.empty()) {
        for (auto& [id, table] : db.Tables())
            for (auto& row : table.rows)
                for (auto& field : row.fields) field = Redirected(field, places);
        for (auto [name, ref] : db.Roots())
            if (auto v = Redirected(ref, places); v.Kind() == dbs_Kind::Reference) db.SetRoot(name, v.AsRef());
    }

    // 6. Deleted and moved classes go.
    for (auto id : dropped) {
        auto const* t = db.FindTable(id);
        bool const wasMoved = std::any_of(moves_.begin(), moves_.end(), [id](Move const& m) { return m.from == id; });
        if (report && t && !wasMoved) report->deleted.push_back({t->className, t->rows.size()});
        db.RemoveTable(id);
    }

    // 7. The moved rows take the changes of their new class from the version they are
    // stored as.
    for (auto const& mv : moved)
        if (auto* table = db.FindTable(mv.to); table && mv.asVersion != INT32_MAX)
            RunChanges(db, *table, mv.asVersion, current.Find(mv.to)->Version(), mv.begin, mv.end, run);

    // 8. A row of an older version that stored no base part where today's class has one
    // (the empty placeholder extensions of earlier releases) gains a base part of
    // defaults. A current-version row without its base part stays refused by the reader.
    for (auto id : older) {
        auto* table = db.FindTable(id);  // tables are map nodes: adding base rows moves none
        auto const base = current.Find(id)->BaseId();
        if (!table || base == cls_NoBaseId) continue;
        for (auto& row : table->rows)
            if (row.baseOid < 0) row.baseOid = NewDefaultRow(db, current, base);
    }

    // 9. Today's layout: today's attributes in their order, stored values kept by name.
    // A table already in that layout (the usual case) keeps its rows as they are.
    for (auto& [id, table] : db.Tables()) {
        auto const* md = current.Find(id);
        if (!md) continue;
        dbs_Table converted = md->NewTable();
        if (table.schema == converted.schema &&
            std::ranges::all_of(table.rows, [&](auto const& r) { return r.fields.size() == converted.schema.size(); })) {
            converted.rows = std::move(table.rows);
            table = std::move(converted);
            continue;
        }
        converted.rows.reserve(table.rows.size());
        for (auto const& row : table.rows) {
            auto& out = converted.rows.emplace_back();
            out.baseOid = row.baseOid;
            out.fields.resize(converted.schema.size());
            for (std::size_t a = 0; a < converted.schema.size(); ++a)
                if (auto pos = table.Find(converted.schema[a].name)) out.fields[a] = row.fields[*pos];
        }
        table = std::move(converted);
    }
}
