#pragma once
// The model's maps from a name to a copy-on-write object (time points, adaptive mesh
// controls, ...) and the two lookups every such map answers.
#include <map>

#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"
#include "platform/nex/nex_Exception.h"

template <class T>
using mdl_MapString2ObjCow = std::map<cow_String, cow_COW<T>>;

// The names, in name order.
template <class T>
cow_List<cow_String> mdl_Keys(mdl_MapString2ObjCow<T> const& map) {
    cow_List<cow_String> keys;
    for (auto const& entry : map) keys.push_back(entry.first);
    return keys;
}

// The object under `name`; omu_KeyErrorException when there is none.
template <class T>
T const& mdl_Get(mdl_MapString2ObjCow<T> const& map, cow_String const& name) {
    auto it = map.find(name);
    if (it == map.end() || it->second.IsNull()) throw omu_KeyErrorException(name);
    return *it->second;
}
