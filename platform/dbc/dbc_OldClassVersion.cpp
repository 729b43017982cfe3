#include "platform/dbc/dbc_OldClassVersion.h"

void dbc_Change::Apply(dbc_Row& row) const {
    switch (kind) {
        case Kind::ADD:
            if (!row.IsDefined(name)) row.Set(name, value);
            break;
        case Kind::RENAME: row.Rename(name, newName); break;
        case Kind::DROP: row.Drop(name); break;
        case Kind::CHANGE_TYPE:
            if (row.IsDefined(name)) row.Set(name, retype(row.Get(name)));
            break;
        case Kind::CONVERT: convert(row); break;
    }
}

dbc_OldClassVersion& dbc_OldClassVersion::Attribute(std::string name, int typeCode, std::uint32_t typeIdArg,
                                                    int collectionKind) {
    attributes_.push_back({int(attributes_.size()), std::move(name), typeCode, typeIdArg, collectionKind});
    return *this;
}

dbc_OldClassVersion& dbc_OldClassVersion::Push(dbc_Change change) {
    changes_.push_back(std::move(change));
    return *this;
}

dbc_OldClassVersion& dbc_OldClassVersion::Add(std::string name, dbs_Value value) {
    return Push({dbc_Change::Kind::ADD, std::move(name), {}, std::move(value), {}, {}});
}
dbc_OldClassVersion& dbc_OldClassVersion::Rename(std::string from, std::string to) {
    return Push({dbc_Change::Kind::RENAME, std::move(from), std::move(to), {}, {}, {}});
}
dbc_OldClassVersion& dbc_OldClassVersion::Drop(std::string name) {
    return Push({dbc_Change::Kind::DROP, std::move(name), {}, {}, {}, {}});
}
dbc_OldClassVersion& dbc_OldClassVersion::ChangeType(std::string name,
                                                     std::function<dbs_Value(dbs_Value const&)> retype) {
    return Push({dbc_Change::Kind::CHANGE_TYPE, std::move(name), {}, {}, std::move(retype), {}});
}
dbc_OldClassVersion& dbc_OldClassVersion::Convert(dbc_ConversionFn fn) {
    return Push({dbc_Change::Kind::CONVERT, {}, {}, {}, {}, std::move(fn)});
}

cls_ClassMetadata dbc_OldClassVersion::Metadata() const {
    cls_ClassMetadata md(className_, classId_, version_, {}, baseId_);
    for (auto const& a : attributes_) md.AddAttribute({a.ordinal, a.name.c_str()}, a.typeCode, a.typeIdArg, a.collectionKind);
    return md;
}
