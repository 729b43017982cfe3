#include "module/datum/dtmC_DatumRefVersions.h"

#include "module/datum/dtmC_DatumRef.h"

namespace {

// The attributes of a version: the current ones up to `count`.
void Describe(cls_ClassRegistrar& registrar, int version, std::size_t count) {
    auto& md = registrar.CreateClassMD("dtmC_DatumRef", dtmC_DatumRef::TypeId(), version);
    auto const& entries = dtmC_DatumRef::Attributes().Entries();
    for (std::size_t i = 0; i < count; ++i)
        md.AddAttribute(entries[i]->key, entries[i]->typeCode, entries[i]->typeIdArg, entries[i]->collectionKind);
}

// Binds, in the converter of `target`, "attribute = 0 when the row has none".
void AddZero(dbc_DatabaseConverter& converter, int target, int version, char const* attribute) {
    converter.GetConverter(target)
        .Upgrade("dtmC_DatumRef", dtmC_DatumRef::TypeId(), version)
        .BindConversionFunction([attribute](dbc_Row const& in, dbc_Row& out, std::int64_t) {
            if (!in.IsDefined(attribute)) out.Set(attribute, 0);
        });
}

}  // namespace

dtmC_DatumRef_203::dtmC_DatumRef_203() : dbc_OldClassVersion("dtmC_DatumRef", dtmC_DatumRef::TypeId(), 203) {}
void dtmC_DatumRef_203::InitializeMetadata(cls_ClassRegistrar& registrar) const { Describe(registrar, 203, 2); }
void dtmC_DatumRef_203::SchemaChanges(dbc_DatabaseConverter& converter) const {
    AddZero(converter, 209, 203, "_instanceId");
}

dtmC_DatumRef_209::dtmC_DatumRef_209() : dbc_OldClassVersion("dtmC_DatumRef", dtmC_DatumRef::TypeId(), 209) {}
void dtmC_DatumRef_209::InitializeMetadata(cls_ClassRegistrar& registrar) const { Describe(registrar, 209, 3); }
void dtmC_DatumRef_209::SchemaChanges(dbc_DatabaseConverter& converter) const {
    AddZero(converter, 320, 209, "_axisId");
}
