#pragma once
// The conversion of stored tables of older class versions to the current layout.
// Old-version classes bind row conversions to a class in the converter of a target
// version; a table stored below that version passes them, lowest version first.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/cls/cls_ClassRegistrar.h"
#include "platform/dbs/dbs_Table.h"

// One row of a table as a conversion sees it: attributes by name.
class dbc_Row {
public:
    dbc_Row(dbs_Table& table, std::int64_t index) : table_(&table), index_(index) {}

    bool Has(std::string const& name) const;        // the table has the attribute
    bool IsDefined(std::string const& name) const;  // ... and this row holds a value for it
    std::int64_t GetInt(std::string const& name) const;
    double GetDouble(std::string const& name) const;
    std::string GetString(std::string const& name) const;
    dbs_Value const& Get(std::string const& name) const;  // undefined when absent
    // Sets the attribute, adding it to the table (undefined in the other rows) when it has none.
    void Set(std::string const& name, dbs_Value value);
    std::int64_t Index() const { return index_; }

private:
    dbs_Table* table_;
    std::int64_t index_;
};

using dbc_ConversionFn = std::function<void(dbc_Row const& in, dbc_Row& out, std::int64_t index)>;

class dbc_ClassConverter {
public:
    dbc_ClassConverter(std::string className, std::uint32_t classId, int version)
        : className_(std::move(className)), classId_(classId), version_(version) {}
    void BindConversionFunction(dbc_ConversionFn fn) { functions_.push_back(std::move(fn)); }

    std::string const& ClassName() const { return className_; }
    std::uint32_t ClassId() const { return classId_; }
    std::vector<dbc_ConversionFn> const& Functions() const { return functions_; }

private:
    std::string className_;
    std::uint32_t classId_;
    int version_;
    std::vector<dbc_ConversionFn> functions_;
};

// The conversions to one target version.
class dbc_Converter {
public:
    explicit dbc_Converter(int version) : version_(version) {}
    dbc_ClassConverter& Upgrade(std::string const& className, std::uint32_t classId, int version);
    dbc_ClassConverter const* Find(std::uint32_t classId) const;
    int Version() const { return version_; }

private:
    int version_;
    std::map<std::uint32_t, dbc_ClassConverter> classes_;
};

class dbc_DatabaseConverter {
public:
    dbc_Converter& GetConverter(int version);

    // Brings every table of a class known to `current` to its current version: each
    // converter above the table's stored version and not above the current one runs
    // its conversions for the class on every row, lowest version first; the table then
    // carries the current version and the current attribute order.
    void Convert(dbs_Database& db, cls_ClassRegistrar const& current) const;

private:
    std::map<int, dbc_Converter> converters_;
};
