#pragma once
// A set of class metadata, found by class id or by class name. The process keeps one
// for the current classes (cls_MetadataRegistrar); a database converter keeps others
// describing the classes of older stored versions.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/cls/cls_ClassMetadata.h"

class cls_ClassRegistrar {
public:
    // Registers the class, replacing an earlier registration of the same class, and
    // returns the registered metadata for the attributes to be added to. Refuses
    // (nex_TextException) a class whose id or name another class already holds.
    cls_ClassMetadata& AddClassMD(cls_ClassMetadata md);
    // Metadata without a reading factory: a class as an older version stored it.
    cls_ClassMetadata& CreateClassMD(std::string name, std::uint32_t typeId, int version,
                                     std::uint32_t baseId = cls_NoBaseId);
    // Removes the class when both its name and its id match; false otherwise.
    bool DeleteClass(std::string const& name, std::uint32_t typeId);

    cls_ClassMetadata const* Find(std::uint32_t typeId) const;
    cls_ClassMetadata const* Find(std::string const& name) const;
    std::size_t Size() const { return byId_.size(); }
    std::map<std::uint32_t, cls_ClassMetadata const*> All() const;

private:
    std::unordered_map<std::uint32_t, std::unique_ptr<cls_ClassMetadata>> byId_;
    std::unordered_map<std::string, std::uint32_t> byName_;
};
