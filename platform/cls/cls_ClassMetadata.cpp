#include "platform/cls/cls_ClassMetadata.h"

#include <cstdio>

#include "platform/nex/nex_Exception.h"

std::string cls_HexId(std::uint32_t id) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", id);
    return buf;
}

cls_ClassMetadata::cls_ClassMetadata(std::string name, std::uint32_t typeId, int version, Factory factory,
                                     std::uint32_t baseId)
    : name_(std::move(name)), typeId_(typeId), version_(version), factory_(factory), baseId_(baseId) {}

void cls_ClassMetadata::AddAttribute(cls_Key key, int typeCode, std::uint32_t typeIdArg, int collectionKind) {
    for (auto const& a : attributes_) {
        if (a.name == key.name) throw nex_AssertException(name_ + ": attribute \"" + key.name + "\" declared twice");
        if (key.ordinal >= 0 && a.ordinal == key.ordinal)
            throw nex_AssertException(name_ + ": ordinal " + std::to_string(key.ordinal) + " declared twice");
    }
    attributes_.push_back({key.ordinal, key.name, typeCode, typeIdArg, collectionKind});
}

dbs_Attribute const* cls_ClassMetadata::FindAttribute(std::string const& name) const {
    for (auto const& a : attributes_)
        if (a.name == name) return &a;
    return nullptr;
}

dbs_Table cls_ClassMetadata::NewTable() const {
    dbs_Table t;
    t.classId = typeId_;
    t.className = name_;
    t.version = version_;
    t.baseId = baseId_;
    t.schema = attributes_;
    return t;
}
