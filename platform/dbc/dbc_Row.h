#pragma once
// One row of a stored table as a conversion sees it: attributes by name, and the whole
// database for conversions that read other tables.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/dbs/dbs_Table.h"

class dbc_Row {
public:
    dbc_Row(dbs_Database& db, dbs_Table& table, std::int64_t index) : db_(&db), table_(&table), index_(index) {}

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

    std::int64_t Index() const { return index_; }
    dbs_Row const& Stored() const { return table_->rows[std::size_t(index_)]; }
    dbs_Table const& Table() const { return *table_; }
    // The database being converted: other tables are read, not changed, by a row conversion.
    dbs_Database const& Database() const { return *db_; }
    // The row of this row's base part, for a version that moves an attribute from one
    // level to another; nullopt when the row stores none.
    std::optional<dbc_Row> Base() const {
        auto* base = db_->FindTable(table_->baseId);
        auto const oid = Stored().baseOid;
        if (!base || oid < 0 || std::size_t(oid) >= base->rows.size()) return std::nullopt;
        return dbc_Row(*db_, *base, oid);
    }

private:
    dbs_Database* db_;
    dbs_Table* table_;
    std::int64_t index_;
};

using dbc_ConversionFn = std::function<void(dbc_Row& row)>;
