#include "platform/ini/ini_ModuleFrame.h"


#include "platform/ddr/ddr_Model.h"
#include "platform/typ/typ_ArchCompTable.h"

void ini_Register(ini_ModuleFrame const& frame) {
    typ_ArchCompTable::InsertEntry(frame.moduleNumber, frame.classTable());
    for (auto const& [key, prototype] : frame.extensions) mdl_ExtensionSubject<ddr_Model>::RegisterExtension(key, *prototype);
    frame.registerMetadata();
    frame.registerOldVersions();
}

void ini_Unregister(ini_ModuleFrame const& frame) {
    // Reverse iterators rather than a ranges view: clang 14 cannot compile libstdc++ 12's views.
    for (auto it = frame.extensions.rbegin(); it != frame.extensions.rend(); ++it)
        mdl_ExtensionSubject<ddr_Model>::UnRegisterExtension(it->first);
    typ_ArchCompTable::RemoveEntry(frame.moduleNumber);
}
