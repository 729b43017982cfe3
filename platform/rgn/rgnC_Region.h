#pragma once
// A reference to a region of the model: the names of the sets and surfaces it is made
// of, how many entities it holds, the model space it lives in, and the platform flag
// that region queries of loads and constraints test (set for a region whose entities the
// model may lose, e.g. a picked region, so that it can be reported as dangling).
#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_String.h"

inline constexpr unsigned rgnC_Region_TypeId = 0x000A0010;

// Model-space codes.
enum rgnC_ModelSpace : int { rgnC_THREE_D = 1, rgnC_TWO_D = 2, rgnC_AXISYMMETRIC = 4 };

// Which regions a region query returns: 0 those with the flag set, 1 those with it clear, 2 all.
using rgnC_RegionType = int;

using rgnC_NameList = cow_List<cow_String>;

#define RGNC_REGION_ATTRIBUTES(A)          \
    A(rgnC_NameList, names, {})            \
    A(int, entityCount, 0)                 \
    A(int, modelSpace, rgnC_THREE_D)       \
    A(bool, flag, false)

class rgnC_Region : public cls_Persistent {
    CLS_PERSISTENT(rgnC_Region, cls_Persistent, rgnC_Region_TypeId, 1, RGNC_REGION_ATTRIBUTES)

    rgnC_Region() = default;
    rgnC_Region(cow_List<cow_String> names, int entityCount, int modelSpace = rgnC_THREE_D, bool flag = false)
        : names_(std::move(names)), entityCount_(entityCount), modelSpace_(modelSpace), flag_(flag) {}
    rgnC_Region(rgnC_Region const&) = default;
    rgnC_Region& operator=(rgnC_Region const&) = default;

    static constexpr char const* constructorCmd() { return "Region"; }

    bool IsEmpty() const { return names_.empty() && entityCount_ == 0; }
    // "Set-1, Surf-2", or "(empty)".
    cow_String Describe() const;

    bool operator==(rgnC_Region const& other) const {
        return names_ == other.names_ && entityCount_ == other.entityCount_ && modelSpace_ == other.modelSpace_ &&
               flag_ == other.flag_;
    }
};

// Scripts hand a region over as a Region object, as a set or surface name (one entity),
// or as a sequence of names (one entity each).
template <>
struct cls_ScriptCodec<rgnC_Region> {
    static cls_ScriptType Type() { return cls_ScriptType::ObjectOf(rgnC_Region::TypeId()); }
    static cls_ScriptValue Get(rgnC_Region const& r) { return cls_ScriptObject(std::make_shared<rgnC_Region const>(r)); }
    static void Assign(rgnC_Region& m, cls_ScriptValue const& v, char const* name);
};
