#include "platform/ini/ini_PlatformModules.h"

#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/ddr/ddr_ModelShortcut.h"
#include "platform/gsl/gsl_ModelSegment.h"
#include "platform/ini/ini_Modules.h"
#include "platform/mdl/mdl_Repository.h"
#include "platform/rgn/rgnC_Region.h"
#include "platform/typ/typ_ArchCompTable.h"
#include "platform/typ/typ_PlatformTable.h"

namespace {
// Only the type tables module has work of its own: the platform's class table.
template <class Module> struct Work {
    static void Up() {}
    static void Down() {}
};
struct typ_Module;
template <> struct Work<typ_Module> {
    static void Up() { typ_ArchCompTable::InsertEntry(typ_PlatformModuleNumber, typ_PlatformTable()); }
    static void Down() { typ_ArchCompTable::RemoveEntry(typ_PlatformModuleNumber); }
};
struct mdl_Module;
template <> struct Work<mdl_Module> {
    static void Up() { cls_MetadataRegistrar::initClassMetadata(mdl_Repository::InitializeMetadata, 7); }
    static void Down() {}
};
struct ddr_Module;
template <> struct Work<ddr_Module> {
    static void Up() { cls_MetadataRegistrar::initClassMetadata(ddr_ModelShortcut::InitializeMetadata, 4); }
    static void Down() {}
};
struct rgnC_Module;
template <> struct Work<rgnC_Module> {
    // The geometry values that regions come with.
    static void Up() {
        cls_MetadataRegistrar::initClassMetadata(rgnC_Region::InitializeMetadata, 7);
        cls_MetadataRegistrar::initClassMetadata(gsl_PickedPoint::InitializeMetadata, 7);
        cls_MetadataRegistrar::initClassMetadata(gsl_ModelSegment::InitializeMetadata, 7);
    }
    static void Down() {}
};
}  // namespace

#define INI_DEFINE_MODULE(prefix) \
    namespace { struct prefix##_Module; } \
    void prefix##_initialize(int& moduleCount) { ini_Initialize(#prefix, moduleCount, Work<prefix##_Module>::Up); } \
    void prefix##_finalize(int& moduleCount) { ini_Finalize(#prefix, moduleCount, Work<prefix##_Module>::Down); }
INI_PLATFORM_MODULES(INI_DEFINE_MODULE)
