#pragma once
// One stored version of a class that the current class no longer reads directly: it
// describes the attributes of that version and registers the conversions to the next
// version. Each module registers one per class and version with dbc_OldClassRegistrar.
#include <cstdint>
#include <string>

#include "platform/cls/cls_ClassRegistrar.h"
#include "platform/dbc/dbc_DatabaseConverter.h"

class dbc_OldClassVersion {
public:
    dbc_OldClassVersion(std::string className, std::uint32_t classId, int version)
        : className_(std::move(className)), classId_(classId), version_(version) {}
    virtual ~dbc_OldClassVersion() = default;

    virtual void InitializeMetadata(cls_ClassRegistrar& registrar) const = 0;
    virtual void SchemaChanges(dbc_DatabaseConverter&) const {}
    virtual void ClassesToDelete(dbc_DatabaseConverter&) const {}
    virtual void ClassesToRename(dbc_DatabaseConverter&) const {}
    virtual void TablesToRename(dbc_DatabaseConverter&) const {}

    std::string const& ClassName() const { return className_; }
    std::uint32_t ClassId() const { return classId_; }
    int Version() const { return version_; }

private:
    std::string className_;
    std::uint32_t classId_;
    int version_;
};
