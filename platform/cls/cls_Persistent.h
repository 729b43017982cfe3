#pragma once
// The root of every stored class: what the writer and the reader need of an object
// whatever its class. A class without a stored base derives from it directly; its
// TypeId() of 1 is the "no base" id of the metadata.
#include <cstdint>

#include "platform/cls/cls_ClassMetadata.h"

class cls_WriteVisitor;
class cls_ReadVisitor;

class cls_Persistent {
public:
    virtual ~cls_Persistent() = default;

    static constexpr std::uint32_t TypeId() { return cls_NoBaseId; }
    virtual std::uint32_t DynTypeId() const = 0;
    virtual void DBWrite(cls_WriteVisitor const& writer) const = 0;
    virtual cls_Persistent* Copy() const = 0;
    void NewUid() {}

protected:
    cls_Persistent() = default;
    cls_Persistent(cls_Persistent const&) = default;
    cls_Persistent& operator=(cls_Persistent const&) = default;
    explicit cls_Persistent(cls_ReadVisitor const&) {}
};
