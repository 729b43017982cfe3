#include "tools/stepwise/stw_Model.h"

#include "host/hst_ModelFile.h"
#include "module/klo/kloC_Module.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "store/sto_ModelFile.h"

stw_Library::stw_Library() { kloC_initialize(modules_); }
stw_Library::~stw_Library() { kloC_finalize(modules_); }

namespace {
// The model file names the file and the problem; the program says it in its own words
// ("cannot open 'x': the file does not exist").
std::string Plain(std::string const& what, std::string const& path, std::string message) {
    for (char const* lead : {"Cannot open model file \"", "Cannot save model file \""}) {
        std::string const prefix = lead + path + "\": ";
        if (message.starts_with(prefix)) message.erase(0, prefix.size());
    }
    return "cannot " + what + " '" + path + "': " + message;
}
}  // namespace

ddr_Model stw_Open(std::string const& path, dbc_ConversionReport* report) {
    try {
        return hst_ModelFile::Open(path, report);
    } catch (std::exception const& e) {
        throw stw_Failure(Plain("open", path, e.what()), stw_UNREADABLE);
    }
}

void stw_Save(ddr_Model const& model, std::string const& path, bool force) {
    if (auto const why = force ? std::string() : sto_ModelFile::ReplaceRefusal(path); !why.empty())
        throw stw_Failure("will not replace '" + path + "': " + why + "; give --force to replace it", stw_UNREADABLE);
    try {
        hst_ModelFile::Save(model, path);
    } catch (std::exception const& e) {
        throw stw_Failure(Plain("save", path, e.what()), stw_UNREADABLE);
    }
}

dbs_Database stw_Image(ddr_Model const& model) {
    dbs_Database db;
    cls_WriteVisitor writer(db);
    for (auto const& key : model.ExtensionKeys()) writer.WriteRoot(key, model.GetExtension(key));
    return db;
}
