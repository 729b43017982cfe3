#include "host/hst_ModelFile.h"

#include "host/hst_StepFlow.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/propagation/kprC_StoredHistory.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/dbc/dbc_OldClassRegistrar.h"
#include "store/sto_ModelFile.h"

namespace {

std::string Quoted(std::string const& s) { return "\"" + s + "\""; }

// A failure of the reader where the file holds it: table, row and column.
std::string Placed(cls_ReadFailure const& f) {
    if (f.className.empty()) return "the model member " + Quoted(f.attribute) + " " + f.problem;
    std::string const where = "table " + Quoted(f.className) + ", row " + std::to_string(f.row);
    if (f.attribute.empty()) return "bad object in " + where + ": " + f.problem;
    return "bad value in " + where + ", column " + Quoted(f.attribute) + ": " + f.problem;
}

std::string Names(kprC_StepList const& steps) {
    std::string out;
    for (auto const& s : steps) out += (out.empty() ? "" : ", ") + Quoted(s.stepName());
    return out.empty() ? "none" : out;
}

bool SameSteps(kprC_StepList const& a, kprC_StepList const& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].stepName() != b[i].stepName() || !a[i].procedure() || !b[i].procedure() ||
            a[i].procedure()->ProcedureType() != b[i].procedure()->ProcedureType())
            return false;
    return true;
}

// What a model read from a file must be beyond what each object checks as it is read:
// steps beginning with the Initial step, and loads that follow them. Empty when it is.
std::string ModelProblem(ddr_Model& model) {
    // A name stored with a null reference reads as a member without an object.
    auto const hollow = [&](auto const& container, cow_String const& key) -> std::string {
        auto const* name = container.NameWithoutMember();
        return name ? "the model member " + Quoted(key) + " holds no object under " + Quoted(*name) : "";
    };
    if (model.HasExtension(ddr_Model::adaptiveMeshConstraintCmd()))
        if (auto problem = hollow(model.Extension<kprC_AdptMeshConsCont>(ddr_Model::adaptiveMeshConstraintCmd()),
                                  ddr_Model::adaptiveMeshConstraintCmd());
            !problem.empty())
            return problem;
    if (model.HasExtension(ddr_Model::loadCmd()))
        if (auto problem = hollow(model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()), ddr_Model::loadCmd());
            !problem.empty())
            return problem;
    auto const& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    if (steps.Keys().empty()) return "its step container holds no steps, not even the Initial step";
    auto const list = hst_StepFlow::StepList(steps, false);
    auto& loads = model.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
    if (!SameSteps(loads.procedures(), list)) {
        // A container without loads (or a file without one) only takes the steps over.
        if (!loads.IsEmpty())
            return "the load container follows the steps " + Names(loads.procedures()) +
                   " where the model's analysis steps are " + Names(list);
        loads.procedures(list);
    }
    for (auto const& name : loads.Keys())
        if (auto problem = kprC_StoredHistoryProblem<kloC_LoadKind>(loads.ConstGet(name), list); !problem.empty())
            return "the history of load " + Quoted(name) + " does not fit the steps: " + problem;
    return {};
}

}  // namespace

dbs_Database hst_ModelFile::Image(ddr_Model const& model) {
    dbs_Database db;
    cls_WriteVisitor writer(db);
    for (auto const& key : model.ExtensionKeys()) writer.WriteRoot(key, model.GetExtension(key));
    return db;
}

void hst_ModelFile::Save(ddr_Model const& model, std::string const& path) { sto_ModelFile::Save(Image(model), path); }

ddr_Model hst_ModelFile::Open(std::string const& path, dbc_ConversionReport* report) {
    dbs_Database db = sto_ModelFile::Open(path);
    auto refuse = [&](std::string const& problem) {
        return sto_ModelFileException("Cannot open model file " + Quoted(path) + ": " + problem);
    };
    try {
        dbc_DatabaseConverter converter;
        dbc_OldClassRegistrar::PrepareConversion(converter);
        converter.Convert(db, cls_MetadataRegistrar::Registrar(), report);
    } catch (std::exception const& e) {
        throw refuse(e.what());
    }
    if (!db.Roots().contains(ddr_Model::stepCmd()))
        throw refuse("it holds no steps (the model member " + Quoted(ddr_Model::stepCmd()) + " is missing)");

    ddr_Model model;  // the registered extensions, empty
    cls_ReadVisitor reader(db);
    for (auto const& [key, ref] : db.Roots()) {
        std::shared_ptr<cls_Persistent> object;
        try {
            object = reader.ReadRootObject(key);
        } catch (std::bad_alloc const&) {
            throw refuse("out of memory");
        } catch (std::exception const& e) {
            throw refuse(reader.Failure() ? Placed(*reader.Failure()) : e.what());
        }
        auto const* extension = dynamic_cast<mdl_Extension const*>(object.get());
        std::string const found = object ? reader.ClassName(object->DynTypeId()) : "nothing";
        if (!extension) throw refuse("the model member " + Quoted(key) + " is " + found + ", which is no model member");
        if (model.HasExtension(key) && model.GetExtension(key).DynTypeId() != extension->DynTypeId())
            throw refuse("the model member " + Quoted(key) + " is a " + found + " where a " +
                         reader.ClassName(model.GetExtension(key).DynTypeId()) + " is expected");
        model.SetExtension(key, std::unique_ptr<mdl_Extension>(extension->Copy()));
    }
    if (auto problem = ModelProblem(model); !problem.empty()) throw refuse(problem);
    return model;
}
