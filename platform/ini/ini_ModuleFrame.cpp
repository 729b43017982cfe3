#include "platform/ini/ini_ModuleFrame.h"

#include <ranges>

#include "platform/ddr/ddr_Model.h"
#include "platform/typ/typ_ArchCompTable.h"

void ini_Register(ini_ModuleFrame const& frame) {
    typ_ArchCompTable::InsertEntry(frame.moduleNumber, frame.classTable());
    for (auto const& [key, prototype] : frame.extensions) mdl_ExtensionSubject<ddr_Model>::RegisterExtension(key, *prototype);
    frame.registerMetadata();
    frame.registerOldVersions();
}

void ini_Unregister(ini_ModuleFrame const& frame) {
    for (auto const& [key, prototype] : frame.extensions | std::views::reverse)
        mdl_ExtensionSubject<ddr_Model>::UnRegisterExtension(key);
    typ_ArchCompTable::RemoveEntry(frame.moduleNumber);
}
