#pragma once
// Model files as older releases wrote them, built from the registered old-version
// descriptions: each table takes the stored attributes of its version (or today's
// attributes for today's version) and rows given by attribute name, so a corpus file can
// only hold what that version stored. The library must be initialised (kloC_initialize).
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "store/sto_ModelFile.h"

// One stored row: its base part's row and its values by attribute name.
struct tst_OldRow {
    std::int64_t base = -1;                   // "##BaseClassOID"
    std::map<std::string, dbs_Value> values;  // attributes not named stay undefined
};

// One stored table of an old (or today's) version; row i is object id i.
struct tst_OldTable {
    std::uint32_t classId;
    int version;  // an old version registered with dbc_OldClassRegistrar, or today's
    std::vector<tst_OldRow> rows;
};

// The empty table of a class as `version` stored it; std::logic_error when neither an
// old-version description nor today's class has that version.
inline dbs_Table tst_OldSchema(std::uint32_t classId, int version) {
    if (auto const* entry = dbc_OldClassRegistrar::Find(classId, version)) return entry->version->Metadata().NewTable();
    auto const* md = cls_MetadataRegistrar::Registrar().Find(classId);
    if (md && md->Version() == version) return md->NewTable();
    throw std::logic_error("no stored form of class " + cls_HexId(classId) + " at version " + std::to_string(version) +
                           (md ? " (today's is " + std::to_string(md->Version()) + ")" : ""));
}

inline dbs_Database tst_OldDatabase(std::vector<tst_OldTable> const& tables,
                                    std::map<std::string, dbs_Ref> const& roots) {
    dbs_Database db;
    for (auto const& t : tables) {
        dbs_Table table = tst_OldSchema(t.classId, t.version);
        for (auto const& r : t.rows) {
            dbs_Row row;
            row.baseOid = r.base;
            row.fields.resize(table.schema.size());
            for (auto const& [name, value] : r.values) {
                auto pos = table.Find(name);
                if (!pos)
                    throw std::logic_error(table.className + " at version " + std::to_string(t.version) +
                                           " stores no \"" + name + "\"");
                row.fields[*pos] = value;
            }
            table.rows.push_back(std::move(row));
        }
        if (db.FindTable(t.classId)) throw std::logic_error(table.className + " is given twice");
        db.AddTable(std::move(table));
    }
    for (auto const& [name, ref] : roots) db.SetRoot(name, ref);
    return db;
}

// The tables of a database written today as corpus tables, each class named in
// `versions` as that version stored it: only the values of the attributes it stored, by
// name (what it stored beyond today's is for the caller to add).
inline std::vector<tst_OldTable> tst_AsOldTables(dbs_Database const& db, std::map<std::uint32_t, int> const& versions) {
    std::vector<tst_OldTable> out;
    for (auto const& [id, t] : db.Tables()) {
        auto const v = versions.find(id);
        auto const old = tst_OldSchema(id, v == versions.end() ? t.version : v->second);
        auto& table = out.emplace_back(tst_OldTable{id, old.version, {}});
        for (auto const& row : t.rows) {
            auto& r = table.rows.emplace_back(tst_OldRow{row.baseOid, {}});
            for (std::size_t a = 0; a < t.schema.size(); ++a)
                if (old.Find(t.schema[a].name)) r.values[t.schema[a].name] = row.fields[a];
        }
    }
    return out;
}

// The table of `classId` among `tables`; std::logic_error when there is none.
inline tst_OldTable& tst_OldTableOf(std::vector<tst_OldTable>& tables, std::uint32_t classId) {
    for (auto& t : tables)
        if (t.classId == classId) return t;
    throw std::logic_error("no table of class " + cls_HexId(classId));
}

inline void tst_WriteOldModel(std::string const& path, std::vector<tst_OldTable> const& tables,
                              std::map<std::string, dbs_Ref> const& roots) {
    sto_ModelFile::Save(tst_OldDatabase(tables, roots), path);
}
