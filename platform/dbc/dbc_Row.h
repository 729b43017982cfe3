#pragma once
// One row of a stored table as a conversion sees it: attributes by name, and the whole
// database for conversions that read other tables.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <climits>

#include "platform/dbs/dbs_Table.h"

// What one conversion run shares between its row conversions: counters that number
// rows per converted model (never per process, so the result does not depend on how
// many models were opened before).
struct dbc_RunState {
    std::map<std::string, std::int64_t> counters;
};

class dbc_Row {
public:
    dbc_Row(dbs_Database& db, dbs_Table& table, std::int64_t index, dbc_RunState* run = nullptr)
        : db_(&db), table_(&table), index_(index), run_(run) {}

    bool Has(std::string const& name) const;        // the table has the attribute
    bool IsDefined(std::string const& name) const;  // ... and this row holds a value for it
    std::int64_t GetInt(std::string const& name) const;
    double GetDouble(std::string const& name) const;
    std::string GetString(std::string const& name) const;
    dbs_Value const& Get(std::string const& name) const;  // undefined when absent
    // Sets the attribute, adding it to the table (undefined in the other rows) when it has none.
    void Set(std::string const& name, dbs_Value value);
    // Renames the attribute in the table (all rows); nothing when the table has none.
    void Rename(std::string const& from, std::string const& to);
    // Removes the attribute from the table (all rows).
    void Drop(std::string const& name);

    // The row of its base part ("##BaseClassOID"), -1 for none; and setting it.
    std::int64_t Base() const { return table_->rows[std::size_t(index_)].baseOid; }
    void SetBase(std::int64_t oid) { table_->rows[std::size_t(index_)].baseOid = oid; }
    // The next value of the run's counter `name`: 0, 1, 2, ... in the order asked.
    std::int64_t NextCount(std::string const& name);
    // A row of another stored object: appended to `classId`'s table, which is made (with
    // no attributes, at `version`) when the database has none. INT32_MAX as version
    // means today's layout: the row is not converted further.
    dbc_Row NewRow(std::uint32_t classId, std::string const& className, int version = INT32_MAX,
                   std::uint32_t baseId = dbs_NoBaseId);
    // Another stored row, for a conversion that derives values in another object.
    dbc_Row RowOf(dbs_Ref ref);

    std::int64_t Index() const { return index_; }
    dbs_Row const& Stored() const { return table_->rows[std::size_t(index_)]; }
    dbs_Table const& Table() const { return *table_; }
    // The database being converted: other tables are read, not changed, by a row conversion.
    dbs_Database const& Database() const { return *db_; }
    // The row of this row's base part, for a version that moves an attribute from one
    // level to another; nullopt when the row stores none.
    std::optional<dbc_Row> BaseRow() const {
        auto* base = db_->FindTable(table_->baseId);
        auto const oid = Stored().baseOid;
        if (!base || oid < 0 || std::size_t(oid) >= base->rows.size()) return std::nullopt;
        return dbc_Row(*db_, *base, oid);
    }

private:
    dbs_Database* db_;
    dbs_Table* table_;
    std::int64_t index_;
    dbc_RunState* run_;
};

using dbc_ConversionFn = std::function<void(dbc_Row& row)>;
