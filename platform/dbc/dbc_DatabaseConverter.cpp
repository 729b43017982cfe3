#include "platform/dbc/dbc_DatabaseConverter.h"

#include "platform/nex/nex_Exception.h"

namespace {
int TypeCodeOf(dbs_Value const& v) {
    switch (v.Kind()) {
        case dbs_Kind::Integer: return cls_TypeInt;
        case dbs_Kind::Double: return cls_TypeDouble;
        case dbs_Kind::String: return cls_TypeString;
        case dbs_Kind::Bool: return cls_TypeBool;
        case dbs_Kind::Enum: return cls_TypeEnum;
        default: return cls_TypeObject;
    }
}
}  // namespace

bool dbc_Row::Has(std::string const& name) const { return table_->Find(name).has_value(); }

bool dbc_Row::IsDefined(std::string const& name) const { return !Get(name).IsUndefined(); }

dbs_Value const& dbc_Row::Get(std::string const& name) const {
    static dbs_Value const undefined;
    auto pos = table_->Find(name);
    return pos ? table_->rows[index_].fields[*pos] : undefined;
}

std::int64_t dbc_Row::GetInt(std::string const& name) const {
    auto const& v = Get(name);
    if (v.Kind() == dbs_Kind::Double) return std::int64_t(v.AsDouble());
    if (v.Kind() == dbs_Kind::Bool) return v.AsBool();
    if (v.Kind() != dbs_Kind::Integer)
        throw nex_TextException(table_->className + ": \"" + name + "\" does not hold an integer");
    return v.AsInteger();
}

double dbc_Row::GetDouble(std::string const& name) const {
    auto const& v = Get(name);
    if (v.Kind() == dbs_Kind::Integer) return double(v.AsInteger());
    if (v.Kind() != dbs_Kind::Double)
        throw nex_TextException(table_->className + ": \"" + name + "\" does not hold a double");
    return v.AsDouble();
}

std::string dbc_Row::GetString(std::string const& name) const {
    auto const& v = Get(name);
    if (v.Kind() == dbs_Kind::Enum) return v.AsEnum();
    if (v.Kind() != dbs_Kind::String)
        throw nex_TextException(table_->className + ": \"" + name + "\" does not hold a string");
    return v.AsString();
}

void dbc_Row::Set(std::string const& name, dbs_Value value) {
    auto pos = table_->Find(name);
    if (!pos) {
        table_->schema.push_back({-1, name, TypeCodeOf(value), cls_PlainTypeArg, 0});
        for (auto& row : table_->rows) row.fields.emplace_back();
        pos = table_->schema.size() - 1;
    }
    table_->rows[index_].fields[*pos] = std::move(value);
}

dbc_ClassConverter& dbc_Converter::Upgrade(std::string const& className, std::uint32_t classId, int version) {
    return classes_.try_emplace(classId, className, classId, version).first->second;
}

dbc_ClassConverter const* dbc_Converter::Find(std::uint32_t classId) const {
    auto it = classes_.find(classId);
    return it == classes_.end() ? nullptr : &it->second;
}

dbc_Converter& dbc_DatabaseConverter::GetConverter(int version) {
    return converters_.try_emplace(version, version).first->second;
}

void dbc_DatabaseConverter::Convert(dbs_Database& db, cls_ClassRegistrar const& current) const {
    for (auto& [id, table] : db.Tables()) {
        auto const* md = current.Find(id);
        if (!md || table.version >= md->Version()) continue;
        for (auto const& [version, converter] : converters_) {
            if (version <= table.version || version > md->Version()) continue;
            if (auto const* cc = converter.Find(id))
                for (auto const& fn : cc->Functions())
                    for (std::int64_t i = 0; i < std::int64_t(table.rows.size()); ++i) {
                        dbc_Row in(table, i), out(table, i);
                        fn(in, out, i);
                    }
            table.version = version;
        }
        // The current layout: the current attributes in their order; stored values kept by name.
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
