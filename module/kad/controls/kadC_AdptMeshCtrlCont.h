#pragma once
// The model's adaptive mesh controls by name ("adaptiveMeshControls", keyed by "name"),
// held as a model extension under the control key and stored with the model. Controls
// are shared copy-on-write between copies of the map (and so between copies of the
// model). Files of earlier releases hold an empty placeholder of version 1 without a
// base part; the converter gives it one, so such a file opens with no controls.
#include <map>

#include "module/kad/controls/kadC_AdptMeshCtrl.h"
#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"
#include "platform/mdl/mdl_MapString2ObjCow.h"
#include "platform/mdl/mdl_Repository.h"

using kadC_AdptMeshCtrlMap = mdl_MapString2ObjCow<kadC_AdptMeshCtrl>;

#define KADC_ADPTMESHCTRLCONT_ATTRIBUTES(A) A(kadC_AdptMeshCtrlMap, adaptiveMeshControls, {})

class kadC_AdptMeshCtrlCont : public mdl_Repository {
    CLS_PERSISTENT(kadC_AdptMeshCtrlCont, mdl_Repository, kadC_AdptMeshCtrlCont_TypeId, 203,
                   KADC_ADPTMESHCTRLCONT_ATTRIBUTES)
    using Map = kadC_AdptMeshCtrlMap;

    kadC_AdptMeshCtrlCont() = default;
    kadC_AdptMeshCtrlCont(kadC_AdptMeshCtrlCont const&) = default;
    kadC_AdptMeshCtrlCont& operator=(kadC_AdptMeshCtrlCont const&) = default;

    std::size_t Size() const { return adaptiveMeshControls_.size(); }
    bool Has(cow_String const& name) const { return adaptiveMeshControls_.contains(name); }
    cow_List<cow_String> Keys() const { return mdl_Keys(adaptiveMeshControls_); }
    // The control under `name`; omu_KeyErrorException when there is none.
    kadC_AdptMeshCtrl const& Get(cow_String const& name) const { return mdl_Get(adaptiveMeshControls_, name); }
    // Adds or replaces the control under `name` after checking it; a refused control (the
    // nex_TextException of AssertValid) leaves the map as it was.
    void Set(cow_String const& name, kadC_AdptMeshCtrl const& control);
    // False when there is no control under `name`.
    bool Remove(cow_String const& name) { return adaptiveMeshControls_.erase(name) > 0; }
};
