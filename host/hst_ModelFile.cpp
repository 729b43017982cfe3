#include "host/hst_ModelFile.h"

#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "store/sto_ModelFile.h"

void hst_ModelFile::Save(ddr_Model const& model, std::string const& path) {
    dbs_Database db;
    cls_WriteVisitor writer(db);
    for (auto const& key : model.ExtensionKeys()) writer.WriteRoot(key, model.GetExtension(key));
    sto_ModelFile::Save(db, path);
}

ddr_Model hst_ModelFile::Open(std::string const& path) {
    dbs_Database db = sto_ModelFile::Open(path);
    dbc_DatabaseConverter converter;
    dbc_OldClassRegistrar::PrepareConversion(converter);
    converter.Convert(db, cls_MetadataRegistrar::Registrar());

    ddr_Model model;
    cls_ReadVisitor reader(db);
    for (auto const& [key, ref] : db.Roots()) {
        auto object = reader.ReadRootObject(key);
        auto const* extension = dynamic_cast<mdl_Extension const*>(object.get());
        if (!extension)
            throw nex_TextException(path + ": the model member \"" + key + "\" is not a model extension");
        model.SetExtension(key, std::unique_ptr<mdl_Extension>(extension->Copy()));
    }
    return model;
}
