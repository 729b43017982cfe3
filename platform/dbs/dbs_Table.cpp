#include "platform/dbs/dbs_Table.h"

bool dbs_Value::operator==(dbs_Value const& other) const {
    if (v_.index() != other.v_.index()) return false;
    return std::visit(
        [&](auto const& mine) -> bool {
            using T = std::decay_t<decltype(mine)>;
            auto const& theirs = std::get<T>(other.v_);
            if constexpr (requires { *mine; })
                return *mine == *theirs;
            else
                return mine == theirs;
        },
        v_);
}

std::optional<std::size_t> dbs_Table::Find(std::string const& name) const {
    for (std::size_t i = 0; i < schema.size(); ++i)
        if (schema[i].name == name) return i;
    return std::nullopt;
}

dbs_Table* dbs_Database::FindTable(std::uint32_t classId) {
    auto it = tables_.find(classId);
    return it == tables_.end() ? nullptr : &it->second;
}

dbs_Table const* dbs_Database::FindTable(std::uint32_t classId) const {
    auto it = tables_.find(classId);
    return it == tables_.end() ? nullptr : &it->second;
}

dbs_Table& dbs_Database::AddTable(dbs_Table table) {
    auto id = table.classId;
    return tables_[id] = std::move(table);
}

void dbs_Database::RemoveTable(std::uint32_t classId) { tables_.erase(classId); }
