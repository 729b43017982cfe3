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

// The value with every reference to a moved row pointing at its new place.
dbs_Value Redirected(dbs_Value const& v, Places const& places) {
    switch (v.Kind()) {
        case dbs_Kind::Reference: {
            auto it = places.find({v.AsRef().classId, v.AsRef().oid});
            return it == places.end() ? v : dbs_Value(it->second);
        }
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

// ---- The converter -------------------------------------------------------------------

void dbc_DatabaseConverter::AddVersion(std::shared_ptr<dbc_OldClassVersion const> version) {
    auto key = std::pair(version->ClassId(), version->Version());
    metadata_.insert_or_assign(key, version->Metadata());
    versions_[key] = std::move(version);
}

void dbc_DatabaseConverter::MoveRows(std::uint32_t from, std::uint32_t to, std::map<std::string, std::string> renames) {
    moves_.push_back({from, to, std::move(renames)});
}
void dbc_DatabaseConverter::DeleteClass(std::uint32_t classId) { deletes_.push_back(classId); }
void dbc_DatabaseConverter::RenameClass(std::uint32_t classId, std::string name) { renames_[classId] = std::move(name); }

cls_ClassMetadata const* dbc_DatabaseConverter::OldMetadata(std::uint32_t classId, int version) const {
    auto it = metadata_.find({classId, version});
    return it == metadata_.end() ? nullptr : &it->second;
}

// Runs the changes of every old version of the table's class from its stored version
// up to (not including) `below`, lowest first; the table then carries the version the
// last one leads to.
void dbc_DatabaseConverter::RunChanges(dbs_Database& db, dbs_Table& table, int below) const {
    for (auto it = versions_.lower_bound({table.classId, table.version});
         it != versions_.end() && it->first.first == table.classId && it->first.second < below; ++it) {
        for (auto const& change : it->second->Changes()) {
            if (change.kind == dbc_Change::Kind::RENAME || change.kind == dbc_Change::Kind::DROP) {
                dbc_Row row(db, table, 0);
                change.Apply(row);  // a schema change: once for the table
                continue;
            }
            for (std::int64_t i = 0; i < std::int64_t(table.rows.size()); ++i) {
                dbc_Row row(db, table, i);
                change.Apply(row);
            }
        }
        auto next = std::next(it);
        table.version = next != versions_.end() && next->first.first == table.classId && next->first.second < below
                            ? next->first.second
                            : below;
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
    for (int pass = 0; pass < 2; ++pass)
        for (auto& [id, table] : db.Tables()) {
            auto const* md = current.Find(id);
            if ((md != nullptr) != (pass == 1)) continue;
            if (auto r = renames_.find(id); r != renames_.end()) table.className = r->second;
            RunChanges(db, table, md ? md->Version() : INT32_MAX);
        }

    // 4. Moves, remembering where each row went.
    Places places;
    std::set<std::uint32_t> dropped(deletes_.begin(), deletes_.end());
    for (auto const& m : moves_) {
        auto* from = db.FindTable(m.from);
        if (!from) continue;
        auto* to = db.FindTable(m.to);
        if (!to) {
            auto const* md = current.Find(m.to);
            to = &db.AddTable(md ? md->NewTable() : dbs_Table{m.to, from->className, from->version});
        }
        for (std::size_t r = 0; r < from->rows.size(); ++r) {
            dbs_Row moved;
            moved.baseOid = from->rows[r].baseOid;
            moved.fields.resize(to->schema.size());
            for (std::size_t a = 0; a < from->schema.size(); ++a) {
                auto name = from->schema[a].name;
                if (auto rn = m.renames.find(name); rn != m.renames.end()) name = rn->second;
                auto pos = to->Find(name);
                if (!pos) {
                    to->schema.push_back({-1, name, from->schema[a].typeCode, from->schema[a].typeIdArg,
                                          from->schema[a].collectionKind});
                    for (auto& row : to->rows) row.fields.emplace_back();
                    moved.fields.emplace_back();
                    pos = to->schema.size() - 1;
                }
                moved.fields[*pos] = from->rows[r].fields[a];
            }
            places[{m.from, std::int64_t(r)}] = {m.to, std::int64_t(to->rows.size())};
            to->rows.push_back(std::move(moved));
        }
        if (report) report->moved.push_back({from->className, to->className, from->rows.size()});
        dropped.insert(m.from);
    }

    // 5. References follow the moved rows.
    if (!places.empty()) {
        for (auto& [id, table] : db.Tables())
            for (auto& row : table.rows)
                for (auto& field : row.fields) field = Redirected(field, places);
        for (auto [name, ref] : db.Roots())
            if (auto it = places.find({ref.classId, ref.oid}); it != places.end()) db.SetRoot(name, it->second);
    }

    // 6. Deleted and moved classes go.
    for (auto id : dropped) {
        auto const* t = db.FindTable(id);
        bool const moved = std::any_of(moves_.begin(), moves_.end(), [id](Move const& m) { return m.from == id; });
        if (report && t && !moved) report->deleted.push_back({t->className, t->rows.size()});
        db.RemoveTable(id);
    }

    // 7. A row of an older version that stored no base part where today's class has one
    // (the empty placeholder extensions of earlier releases) gains a base part of
    // defaults. A current-version row without its base part stays refused by the reader.
    for (auto id : older) {
        auto* table = db.FindTable(id);  // tables are map nodes: adding base rows moves none
        auto const base = current.Find(id)->BaseId();
        if (!table || base == cls_NoBaseId) continue;
        for (auto& row : table->rows)
            if (row.baseOid < 0) row.baseOid = NewDefaultRow(db, current, base);
    }

    // 8. Today's layout: today's attributes in their order, stored values kept by name.
    for (auto& [id, table] : db.Tables()) {
        auto const* md = current.Find(id);
        if (!md) continue;
        dbs_Table converted = md->NewTable();
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
