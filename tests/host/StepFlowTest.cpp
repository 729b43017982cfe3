// The host step flow: refused step changes leave the model as it was, and listeners
// receive the step lists after each change.
#include <gtest/gtest.h>

#include "host/hst_StepFlow.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_Step.h"

namespace {

using Names = cow_List<cow_String>;

// Keeps every list it receives.
class Recorder : public hst_StepListListener {
public:
    explicit Recorder(bool initial) : initial_(initial) {}
    bool WantsInitialStep() const override { return initial_; }
    void UpdateSteps(kprC_StepList const& steps) override {
        Names names;
        for (auto const& pair : steps) names.push_back(pair.stepName());
        received.push_back(names);
        last = steps;
    }
    std::vector<Names> received;
    kprC_StepList last;

private:
    bool initial_;
};

class StepFlow : public tst_LibraryTest {
protected:
    void SetUp() override {
        tst_LibraryTest::SetUp();
        model = std::make_unique<ddr_Model>();
        Steps() = Build({STATIC, FREQUENCY, MODAL});
        flow = std::make_unique<hst_StepFlow>(*model);
        flow->AddListener(loads);
        flow->AddListener(constraints);
    }
    void TearDown() override {
        flow.reset();
        model.reset();
        tst_LibraryTest::TearDown();
    }
    kprC_StepContainer& Steps() { return model->Extension<kprC_StepContainer>(ddr_Model::stepCmd()); }

    // Everything a refused change must leave as it was.
    struct Snapshot {
        Names order;
        std::vector<unsigned> ids;
        std::vector<kprC_Step const*> objects;
        unsigned lastId;
        std::size_t changes;
        bool operator==(Snapshot const&) const = default;
    };
    Snapshot Take() {
        Snapshot s{Steps().Keys(), Ids(Steps()), {}, Steps().lastID(), Changes().Entries().size()};
        for (auto const& name : s.order) s.objects.push_back(&Steps().ConstGet(name));
        return s;
    }

    std::unique_ptr<ddr_Model> model;
    std::unique_ptr<hst_StepFlow> flow;
    std::shared_ptr<Recorder> loads = std::make_shared<Recorder>(false);
    std::shared_ptr<Recorder> constraints = std::make_shared<Recorder>(true);
};

TEST_F(StepFlow, RefusedChangesLeaveTheModelExactlyAsItWas) {
    Commands().Add("mdb.models['M'].steps");
    struct Case {
        char const* what;
        std::function<void()> change;
        std::string message;
    };
    std::vector<Case> const cases = {
        {"insert breaking the modal step", [&] { flow->InsertAfter("S1", "X", tst_Step(RIKS)); }, "Invalid sequence of steps"},
        {"insert replacing the frequency step", [&] { flow->InsertAfter("S1", "S2", tst_Step(STATIC)); }, "Invalid sequence of steps"},
        {"replace the frequency step", [&] { flow->Replace("S2", tst_Step(STATIC)); }, "Invalid sequence of steps"},
        {"replace the Initial step", [&] { flow->Replace("Initial", tst_Step(STATIC)); }, "The Initial step cannot be replaced."},
        {"replace an unknown step", [&] { flow->Replace("Nope", tst_Step(STATIC)); }, "There is no step by that name"},
        {"remove the frequency step", [&] { flow->Remove("S2"); }, "Invalid sequence of steps"},
        {"remove the Initial step", [&] { flow->Remove("Initial"); }, "The Initial step cannot be removed."},
        {"insert over the Initial step", [&] { flow->InsertAfter("S1", "Initial", tst_Step()); },
         "The Initial step cannot be replaced."},
        {"rename the Initial step", [&] { flow->Rename("Initial", "First"); }, "The Initial step cannot be renamed."},
        {"rename onto another step", [&] { flow->Rename("S1", "S3"); }, "A step named 'S3' already exists."},
        {"rename an unknown step", [&] { flow->Rename("Nope", "X"); }, "There is no step by that name"},
    };
    for (auto const& c : cases) {
        Snapshot const before = Take();
        EXPECT_EQ(tst_MessageOf<nex_TextException>(c.change), c.message) << c.what;
        EXPECT_EQ(Take(), before) << c.what;
    }
    EXPECT_FALSE(flow->Remove("Nope"));
    EXPECT_TRUE(loads->received.empty());
    EXPECT_TRUE(constraints->received.empty());
}

TEST_F(StepFlow, ListenersReceiveBothListsAfterEveryChange) {
    flow->InsertAfter("S3", "S4", tst_Step(MODAL));
    unsigned const frequencyId = Steps().GetID("S2");
    flow->Replace("S1", tst_Step(kprC_GEOSTATIC_STEP_ID));
    flow->Rename("S4", "Last");
    EXPECT_TRUE(flow->Remove("Last"));
    std::vector<Names> const expected = {{"Initial", "S1", "S2", "S3", "S4"}, {"Initial", "S1", "S2", "S3", "S4"},
                                         {"Initial", "S1", "S2", "S3", "Last"}, {"Initial", "S1", "S2", "S3"}};
    EXPECT_EQ(constraints->received, expected);
    ASSERT_EQ(loads->received.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(loads->received[i], Names(expected[i].begin() + 1, expected[i].end())) << i;
    // The pairs hold the container's own step objects.
    EXPECT_TRUE(loads->last[0].procedure().SharesWith(Steps().Handle("S1")));
    EXPECT_EQ(loads->last[0].procedure()->ProcedureType(), kprC_GEOSTATIC_STEP_ID);
    EXPECT_EQ(Steps().GetID("S1"), 6u);  // replaced under its name with a new id
    EXPECT_EQ(Steps().GetID("S2"), frequencyId);
}

}  // namespace
