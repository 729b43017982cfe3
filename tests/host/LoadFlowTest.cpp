// Loads following the step changes of the host flow: histories, shared step records,
// refused changes undone in the loads, and the loads read back from the model file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "host/hst_ModelFile.h"
#include "host/hst_StepFlow.h"
#include "module/klo/loads/kloC_ConcentratedForce.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/klo/loads/kloC_Pressure.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_History.h"
#include "support/tst_Step.h"

namespace {

// Loads following the model's steps through the host's step-change flow.
class LoadFlow : public tst_LibraryTest {
protected:
    void SetUp() override {
        tst_LibraryTest::SetUp();
        model = std::make_unique<ddr_Model>();
        Steps() = Build({STATIC, STATIC, STATIC});
        flow = std::make_unique<hst_StepFlow>(*model);
        flow->Rename("S1", "Step-1");  // hands the first list to the loads
        Loads().Insert("Force", kloC_ConcentratedForce(rgnC_Region({"Set-1"}, 1), "S2", kloC_ConcentratedForceState(1.0, 0.0, 0.0)));
        kloC_ConcentratedForceState change;
        change.MutableComponent(1) = 5.0;
        Loads().Get("Force").Insert("S3", change);
        Loads().Insert("Pressure", kloC_Pressure(rgnC_Region({"Surf-1"}, 1), "Step-1", kloC_PressureState(2.0)));
    }
    void TearDown() override {
        flow.reset();
        model.reset();
        tst_LibraryTest::TearDown();
    }
    kprC_StepContainer& Steps() { return model->Extension<kprC_StepContainer>(ddr_Model::stepCmd()); }
    kloC_LoadContainer& Loads() { return model->Extension<kloC_LoadContainer>(ddr_Model::loadCmd()); }
    std::string History(cow_String const& name) { return tst_Letters(Loads().ConstGet(name).History()); }
    // Explicit steps only, of which the second may become an anneal step, where pressures
    // are not valid; a pressure created in `step`.
    void ExplicitWithPressure(cow_String const& step) {
        Steps() = Build({DYN_EXPLICIT, DYN_EXPLICIT, DYN_EXPLICIT});
        Loads().ClearSteps();
        flow->Rename("S1", "Step-1");
        Loads().Insert("Pressure", kloC_Pressure(rgnC_Region({"Surf-1"}, 1), step, kloC_PressureState(2.0)));
    }
    std::vector<cow_String> RecordNames(cow_String const& name) {
        std::vector<cow_String> names;
        for (auto const& r : Loads().ConstGet(name).States()) names.push_back(r.stepName());
        return names;
    }

    // Every record of a step holds the step list's own handle to it: a million records of
    // a hundred steps hold a hundred names and step objects.
    bool RecordsShareTheSteps() {
        auto const& steps = Loads().procedures();
        for (auto const& name : Loads().Keys()) {
            auto const& records = Loads().ConstGet(name).States();
            if (records.size() != steps.size()) return false;
            for (std::size_t i = 0; i < steps.size(); ++i)
                if (!records[i].step().SharesWith(steps[i].step())) return false;
        }
        return true;
    }

    std::unique_ptr<ddr_Model> model;
    std::unique_ptr<hst_StepFlow> flow;
};

TEST_F(LoadFlow, LoadsFollowInsertionsRemovalsRenamesAndReplacements) {
    EXPECT_EQ(History("Force"), "NCM");
    EXPECT_EQ(History("Pressure"), "CPP");

    flow->InsertAfter("Step-1", "Before", tst_Step(STATIC));  // before the force's creation step
    EXPECT_EQ(RecordNames("Force"), (std::vector<cow_String>{"Step-1", "Before", "S2", "S3"}));
    EXPECT_EQ(History("Force"), "NNCM");
    EXPECT_EQ(History("Pressure"), "CPPP");
    EXPECT_TRUE(RecordsShareTheSteps());

    flow->Rename("S3", "Last");
    EXPECT_TRUE(RecordsShareTheSteps());
    EXPECT_EQ(History("Force"), "NNCM");
    EXPECT_EQ(Loads().ConstGet("Force").CreateStepName(), "S2");
    EXPECT_EQ(dynamic_cast<kloC_VectorState const&>(Loads().ConstGet("Force").StateIn("Last")).Component(1).value(), 5.0);

    EXPECT_TRUE(flow->Remove("Last"));  // the step where the force is modified
    EXPECT_EQ(History("Force"), "NNC");
    EXPECT_EQ(History("Pressure"), "CPP");

    // A replaced step: each record holds the step container's own new step object.
    flow->Replace("S2", tst_Step(FREQUENCY));
    EXPECT_EQ(History("Pressure"), "CPB");
    EXPECT_TRUE(Loads().ConstGet("Pressure").States()[2].procedure().SharesWith(Steps().Handle("S2")));
    EXPECT_TRUE(RecordsShareTheSteps());
}

// A listener that refuses a step change after the loads have followed it: steps and
// loads go back to what they were.
class Refusing : public hst_StepListListener {
public:
    bool WantsInitialStep() const override { return false; }
    void UpdateSteps(kprC_StepList const&) override { throw nex_TextException("refused"); }
};

// Every kind of step change, refused after the loads followed it: the steps, the change
// history and each load are put back, record by record (names, statuses, states,
// suppression), the loads as the very objects they were.
TEST_F(LoadFlow, EveryRefusedStepChangeIsUndoneInTheLoads) {
    Loads().Get("Pressure").Deactivate("S3");
    auto fingerprint = [&] {
        std::string out;
        for (auto const& name : Loads().Keys()) {
            auto const& load = Loads().ConstGet(name);
            out += std::string(name) + (load.IsSuppressed() ? " suppressed " : " ") + History(name) + ":";
            for (auto const& r : load.States()) out += std::string(r.stepName()) + (r.HasState() ? "+ " : "- ");
            out += "\n";
        }
        return out + std::to_string(dynamic_cast<kloC_VectorState const&>(Loads().ConstGet("Force").StateIn("S3")).Component(1).value());
    };
    flow->AddListener(std::make_shared<Refusing>());
    std::string const before = fingerprint();
    std::pair<char const*, std::function<void()>> const changes[] = {
        {"remove the creation step", [&] { flow->Remove("S2"); }},
        {"remove a step with definitions", [&] { flow->Remove("S3"); }},
        {"insert at the front", [&] { flow->InsertAfter("Step-1", "Before", tst_Step(STATIC)); }},
        {"insert at the end", [&] { flow->InsertAfter("S3", "After", tst_Step(STATIC)); }},
        {"rename", [&] { flow->Rename("S2", "Two"); }},
        {"procedure of the same effect", [&] { flow->Replace("S3", tst_Step(STATIC)); }},
    };
    auto const order = Steps().Keys();
    auto const entries = Changes().Entries().size();
    for (auto const& [what, change] : changes) {
        auto const* force = &Loads().ConstGet("Force");
        EXPECT_EQ(tst_MessageOf<nex_Exception>(change), "refused") << what;
        EXPECT_EQ(fingerprint(), before) << what;
        EXPECT_EQ(Steps().Keys(), order) << what;
        EXPECT_EQ(Changes().Entries().size(), entries) << what;
        EXPECT_EQ(Loads().procedures().size(), 3u) << what;
        EXPECT_EQ(&Loads().ConstGet("Force"), force) << what;
    }
}

TEST_F(LoadFlow, ARefusedChangeThatSuppressedALoadResumesIt) {
    ExplicitWithPressure("S2");
    flow->AddListener(std::make_shared<Refusing>());
    EXPECT_EQ(tst_MessageOf<nex_Exception>([&] { flow->Replace("S2", tst_Step(kprC_ANNEAL_STEP_ID)); }), "refused");
    EXPECT_FALSE(Loads().ConstGet("Pressure").IsSuppressed());
    EXPECT_TRUE(Loads().SuppressedByStepChange().empty());
    EXPECT_EQ(History("Pressure"), "NCP");
    EXPECT_EQ(Loads().ConstGet("Pressure").ConstGetStateQuad("S2").procedure()->ProcedureType(), DYN_EXPLICIT);
}

// Steps, their ids and counter, and the loads come back, every record sharing the steps.
TEST_F(LoadFlow, ModelFileRoundTripKeepsStepsLoadsAndSharing) {
    Loads().Get("Pressure").Deactivate("S3");
    auto const path = (std::filesystem::temp_directory_path() / ("loadflow_" + std::to_string(::getpid()) + ".swm")).string();
    hst_ModelFile::Save(*model, path);
    ddr_Model read = hst_ModelFile::Open(path);
    std::filesystem::remove(path);
    auto const& steps = read.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    auto const& loads = read.Extension<kloC_LoadContainer>(ddr_Model::loadCmd());
    EXPECT_EQ(read.ExtensionKeys(), model->ExtensionKeys());
    EXPECT_EQ(steps.Keys(), Steps().Keys());
    EXPECT_EQ(Ids(steps), Ids(Steps()));
    EXPECT_EQ(steps.lastID(), Steps().lastID());
    EXPECT_TRUE(ddr_Model(read).Extension<kprC_StepContainer>(ddr_Model::stepCmd()).Handle("S2").SharesWith(steps.Handle("S2")));
    EXPECT_EQ(loads.Keys(), Loads().Keys());
    for (auto const& name : loads.Keys()) {
        EXPECT_EQ(loads.ConstGet(name).History(), Loads().ConstGet(name).History()) << name;
        auto const& records = loads.ConstGet(name).States();
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_TRUE(records[i].procedure().SharesWith(steps.Handle(records[i].stepName()))) << name << i;
            EXPECT_TRUE(records[i].procedure().SharesWith(loads.procedures()[i].procedure())) << name << i;
            // One name and step object per step, not one pair per record read.
            EXPECT_TRUE(records[i].step().SharesWith(loads.procedures()[i].step())) << name << i;
        }
    }
    // The read model goes on following its steps.
    hst_StepFlow again(read);
    again.Remove("S3");
    EXPECT_EQ(read.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()).ConstGet("Pressure").History().size(), 2u);
}

}  // namespace
