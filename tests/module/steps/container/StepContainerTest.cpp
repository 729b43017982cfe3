// The step container: insertion, ids, refusals, sequence checks, change records, renames,
// nlgeom along the history, its stored and flat forms (and corrupt ones), and shortcuts.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "module/kpr/kprC_assert.h"
#include "module/kpr/shortcuts/kprC_StepShortcuts.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "platform/cls/cls_ReadVisitor.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/nex/nex_Exception.h"
#include "support/tst_Step.h"
#include "module/steps/general/StepTestSupport.h"

namespace {

using StepContainer = tst_LibraryTest;
using Names = cow_List<cow_String>;
using IdList = std::vector<unsigned>;

TEST_F(StepContainer, InsertAfterPlacesTheStepAndNeverReusesIds) {
    kprC_StepContainer steps = Build({STATIC, STATIC});  // Initial 1, S1 2, S2 3
    EXPECT_TRUE(steps.InsertAfter("Initial", "N", tst_Step(STATIC)));
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "N", "S1", "S2"}));
    EXPECT_EQ(Ids(steps), (IdList{1, 4, 2, 3}));
    EXPECT_TRUE(steps.InsertAfter("S2", "Last", tst_Step(STATIC)));
    EXPECT_EQ(steps.Keys().back(), "Last");
    EXPECT_EQ(steps.GetID("Last"), 5u);

    // Under an existing name: the old step goes, the new one takes its place after `after` with a new id.
    EXPECT_TRUE(steps.InsertAfter("S2", "S1", tst_Step(FREQUENCY)));
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "N", "S2", "S1", "Last"}));
    EXPECT_EQ(steps.GetID("S1"), 6u);
    EXPECT_EQ(Code(steps, "S1"), FREQUENCY);
    EXPECT_FALSE(steps.IsMember(2u));
    EXPECT_EQ(steps.Size(), 5u);

    // After itself: replaced where it stands instead of being lost.
    EXPECT_TRUE(steps.InsertAfter("S2", "S2", tst_Step(FREQUENCY)));
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "N", "S2", "S1", "Last"}));
    EXPECT_EQ(steps.GetID("S2"), 7u);

    // Removal and Clear keep the counter.
    EXPECT_TRUE(steps.Remove("Last"));
    EXPECT_TRUE(steps.InsertAfter("S1", "Again", tst_Step(STATIC)));
    EXPECT_EQ(steps.GetID("Again"), 8u);
    steps.Clear();
    EXPECT_TRUE(steps.IsEmpty());
    EXPECT_TRUE(steps.Keys().empty());
    steps.SetInitialStep("Initial", kprC_InitialStep());
    EXPECT_EQ(steps.GetID("Initial"), 9u);
}

TEST_F(StepContainer, RefusalsLeaveTheContainerUnchanged) {
    kprC_StepContainer steps = Build({STATIC});
    auto const names = steps.Keys();
    auto const ids = Ids(steps);
    // A message in quotes is an assertion's.
    std::vector<std::pair<std::function<void()>, std::string>> const cases = {
        {[&] { steps.SetInitialStep("Other", kprC_InitialStep()); }, "Initial step already exists"},
        {[&] { steps.InsertAfter("Nope", "X", tst_Step()); }, "There is no step by that name"},
        {[&] { steps.InsertAfter("Initial", "Initial", tst_Step()); }, "The Initial step cannot be replaced."},
        {[&] { steps.InsertAfter("S1", "Initial", tst_Step()); }, "The Initial step cannot be replaced."},
        {[&] { steps.Remove("Initial"); }, "The Initial step cannot be removed."},
        {[&] { steps.ChangeKey("Initial", "First"); }, "The Initial step cannot be renamed."},
        {[&] { steps.ChangeKey("S1", "Initial"); }, "The Initial step cannot be replaced."},
        {[&] { steps.Insert("X", tst_Step()); }, "\"Can only insert after into step containers\"==0"},
        {[&] { steps.Insert("X", new tst_Step()); }, "\"Can only insert after into step containers\"==0"},
    };
    for (auto const& [action, message] : cases) {
        EXPECT_EQ(message[0] == '"' ? tst_MessageOf<nex_AssertException>(action) : tst_MessageOf<nex_TextException>(action),
                  message);
        EXPECT_EQ(steps.Keys(), names) << message;
        EXPECT_EQ(Ids(steps), ids) << message;
        EXPECT_EQ(steps.lastID(), 2u) << message;
    }
    EXPECT_FALSE(steps.Remove("Nope"));
    EXPECT_EQ(steps.Keys(), names);
}

TEST_F(StepContainer, AnInvalidSequenceIsReportedAndTheChangeStaysForTheCallerToUndo) {
    kprC_StepContainer steps = Build({STATIC, RIKS});
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { steps.InsertAfter("S2", "After", tst_Step(STATIC)); }),
              "Invalid sequence of steps");
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "S1", "S2", "After"}));
    // Without the check the same insertion passes; AssertValid then reports it.
    kprC_StepContainer unchecked = Build({STATIC, RIKS});
    EXPECT_TRUE(unchecked.InsertAfter("S2", "After", tst_Step(STATIC), true));
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { unchecked.AssertValid(); }), "Invalid sequence of steps");

    // Removing the frequency step under a modal step leaves an invalid history.
    kprC_StepContainer modal = Build({STATIC, FREQUENCY, MODAL});
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { modal.Remove("S2"); }), "Invalid sequence of steps");
    EXPECT_EQ(modal.Keys(), (Names{"Initial", "S1", "S3"}));
}

// Every analysis step is validated, the first one included, before the sequence is.
TEST_F(StepContainer, AssertValidChecksEveryAnalysisStepBeforeTheSequence) {
    kprC_StaticStep const invalid;  // no initial increment yet
    char const* const noIncrement = "Initial increment must be greater than zero";
    struct Case {
        std::vector<unsigned> codes;
        char const* replaced;  // the step replaced by the invalid one, or nullptr
        char const* message;
    } const cases[] = {
        {{STATIC, STATIC}, nullptr, ""},
        {{STATIC, STATIC}, "S1", noIncrement},
        {{STATIC, STATIC}, "S2", noIncrement},
        {{STATIC}, "S1", noIncrement},
        {{STATIC, RIKS, STATIC}, nullptr, "Invalid sequence of steps"},
        {{STATIC, RIKS, STATIC}, "S1", noIncrement},
    };
    for (auto const& c : cases) {
        kprC_StepContainer steps = Build({c.codes.begin(), c.codes.begin() + std::min<std::size_t>(2, c.codes.size())});
        if (c.codes.size() > 2) steps.InsertAfter("S2", "S3", tst_Step(c.codes[2]), true);
        if (c.replaced) {
            auto const names = steps.Keys();
            auto const at = std::find(names.begin(), names.end(), cow_String(c.replaced));
            steps.InsertAfter(*(at - 1), c.replaced, invalid, true);
        }
        EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { steps.AssertValid(); }), c.message)
            << (c.replaced ? c.replaced : "none") << " of " << c.codes.size();
    }
}

TEST_F(StepContainer, RemovalChecksAdmitUsaAddedMassStepsWhichInsertionsDoNot) {
    kprC_StepContainer steps = Build({DYN_IMPLICIT});
    EXPECT_TRUE(steps.InsertAfter("S1", "Usa", tst_Step(USA), true));
    EXPECT_TRUE(steps.InsertAfter("Usa", "Last", tst_Step(DYN_IMPLICIT), true));
    EXPECT_TRUE(steps.Remove("Last"));
    EXPECT_EQ(tst_MessageOf<nex_TextException>([&] { steps.InsertAfter("Usa", "X", tst_Step(STATIC)); }),
              "Invalid sequence of steps");
}

TEST_F(StepContainer, ChangeHistoryRecords) {
    using Entry = omu_ChangeHistory::Entry;
    kprC_StepContainer steps;
    steps.SetInitialStep("Initial", kprC_InitialStep());
    steps.InsertAfter("Initial", "A", tst_Step());  // no command: no record of the container's own
    Commands().Add("session.openMdb()");
    steps.InsertAfter("A", "B", tst_Step());  // a session command: none either
    Commands().Add("mdb.models['M'].StaticStep(name='C')");
    steps.InsertAfter("A", "C", tst_Step());
    steps.InsertAfter("C", "A2", tst_Step());
    steps.InsertAfter("Initial", "B", tst_Step());  // replaces B: the repository records the removal
    steps.ChangeKey("C", "D");
    steps.Remove("A2");
    std::string const cmd = "mdb.models['M'].StaticStep(name='C')";
    EXPECT_EQ(Changes().Entries(), (std::vector<Entry>{{"", {"Insert", "Initial", -99}}, {cmd, {"Insert", "C", 2}},
                                                       {cmd, {"Insert", "A2", 3}}, {"", {"Remove", "B"}},
                                                       {cmd, {"Insert", "B", 1}}, {"", {"Rename", "C", "D", 3}},
                                                       {"", {"Remove", "A2"}}}));
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "B", "A", "D"}));
}

TEST_F(StepContainer, RenameKeepsIdAndPositionAndRekeysTheDomainUnderADummyCommand) {
    kprC_StepContainer steps = Build({STATIC, STATIC});
    tst_Step withDomain;
    auto domain = [](int frequency) {
        auto* d = new kadC_AdptMeshDomain();
        d->frequency(frequency);
        d->controls("Ada-" + std::to_string(frequency));
        return cow_COW<kadC_AdptMeshDomain>(d);
    };
    withDomain.MutableAmd().emplace("S3", domain(7));
    withDomain.MutableAmd().emplace("Other", domain(8));
    // A stale entry under the new name gives way to the step's own domain.
    withDomain.MutableAmd().emplace("Renamed", domain(99));
    steps.InsertAfter("S1", "S3", withDomain);
    kprC_StepContainer const before = steps;
    Commands().Add("rename");
    steps.ChangeKey("S3", "Renamed");
    EXPECT_EQ(Commands().Commands(), (std::vector<std::string>{"rename"}));
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "S1", "Renamed", "S2"}));
    EXPECT_EQ(steps.GetID("Renamed"), 4u);
    EXPECT_FALSE(steps.IsMember(cow_String("S3")));
    auto const& amd = static_cast<kprC_AnalysisStep const&>(steps.ConstGet("Renamed")).amd();
    ASSERT_EQ(amd.size(), 2u);
    EXPECT_EQ(amd.at("Renamed")->frequency(), 7);
    EXPECT_EQ(amd.at("Renamed")->controls(), "Ada-7");
    EXPECT_EQ(amd.at("Other")->frequency(), 8);
    // The copy taken before keeps its own step untouched.
    EXPECT_TRUE(static_cast<kprC_AnalysisStep const&>(before.ConstGet("S3")).amd().contains("S3"));

    // Onto an existing name: that step goes, the renamed one keeps its place; a step
    // without a domain under its name keeps its map as it was.
    static_cast<kprC_AnalysisStep&>(steps.Get("S1")).MutableAmd().emplace("Elsewhere", domain(3));
    steps.ChangeKey("S1", "S2");
    EXPECT_EQ(static_cast<kprC_AnalysisStep const&>(steps.ConstGet("S2")).amd().at("Elsewhere")->frequency(), 3);
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "S2", "Renamed"}));
    EXPECT_EQ(steps.GetID("S2"), 2u);
    steps.ChangeKey("Unknown", "X");
    EXPECT_EQ(steps.Keys(), (Names{"Initial", "S2", "Renamed"}));
}

TEST_F(StepContainer, NlgeomFollowsTheHistory) {
    using N = kprC_Step::NlgeomEnm;
    struct Case {
        unsigned firstCode;
        std::vector<N> settings;
        std::vector<bool> expected;  // Initial, then each analysis step
    };
    std::vector<Case> const cases = {
        {STATIC, {N::ON, N::NOT_AVAILABLE, N::OFF}, {false, true, true, true}},
        {STATIC, {N::OFF, N::NOT_AVAILABLE, N::ON}, {false, false, false, true}},
        {DYN_EXPLICIT, {N::NOT_AVAILABLE, N::NOT_AVAILABLE}, {true, true, true}},
        {DYN_EXPLICIT, {N::OFF, N::NOT_AVAILABLE}, {true, false, false}},
        {STATIC, {N::ON, N::OFF, N::OFF}, {false, true, true, true}},
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        kprC_StepContainer steps;
        steps.SetInitialStep("Initial", kprC_InitialStep());
        cow_String previous = "Initial";
        for (std::size_t i = 0; i < cases[c].settings.size(); ++i) {
            cow_String name = "S" + std::to_string(i + 1);
            unsigned code = i == 0 ? cases[c].firstCode : cases[c].firstCode == DYN_EXPLICIT ? DYN_EXPLICIT : STATIC;
            steps.InsertAfter(previous, name, tst_Step(code, cases[c].settings[i]), true);
            previous = name;
        }
        auto const names = steps.Keys();
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(steps.Nlgeom(names[i]), cases[c].expected[i]) << c << i;
    }
    kprC_StepContainer initialOnly = Build({});
    EXPECT_FALSE(initialOnly.Nlgeom("Initial"));
    kprC_StepContainer odd = Build({});
    odd.InsertAfter("Initial", "S1", tst_Step(STATIC, static_cast<kprC_Step::NlgeomEnm>(7)));
    EXPECT_EQ(tst_MessageOf<nex_AssertException>([&] { odd.Nlgeom("S1"); }), "\"Unknown nlgeom value\" == 0");
}

TEST_F(StepContainer, LoadCasesIterationAndCopies) {
    kprC_StepContainer steps = Build({STATIC, FREQUENCY});
    tst_Step withCase;
    withCase.MutableLcc().emplace("LC", cow_COW<klcC_LoadCase>(new klcC_LoadCase()));
    steps.InsertAfter("S2", "S3", withCase);
    EXPECT_FALSE(steps.HasLoadCase("Initial"));
    EXPECT_FALSE(steps.HasLoadCase("S1"));
    EXPECT_TRUE(steps.HasLoadCase("S3"));

    Names seen;
    for (kprC_StepContainerIT it(steps); !it.IsDone(); it.Next()) {
        seen.push_back(it.Name());
        EXPECT_EQ(&it.Current(), &steps.ConstGet(it.Name()));
    }
    EXPECT_EQ(seen, steps.Keys());

    std::unique_ptr<mdl_Extension> copy(steps.Copy());
    auto const& copied = static_cast<kprC_StepContainer const&>(*copy);
    EXPECT_EQ(copied.Keys(), steps.Keys());
    EXPECT_EQ(copied.lastID(), steps.lastID());
    for (auto const& name : steps.Keys()) EXPECT_TRUE(copied.Handle(name).SharesWith(steps.Handle(name))) << name;
}

// A class storing a step container in the flat form.
#define TST_FLAT_ATTRIBUTES(A)
class tst_FlatHolder : public cls_Persistent {
    CLS_PERSISTENT(tst_FlatHolder, cls_Persistent, 0x7F000212, 1, TST_FLAT_ATTRIBUTES)
    tst_FlatHolder() = default;
    void cls_WriteMore(cls_WriteVisitor const& w) const { kprC_StepContainer::Dump(steps, w); }
    void cls_ReadMore(cls_ReadVisitor const& r) { steps = kprC_StepContainer::Load(r); }
    static void cls_MetadataMore(cls_ClassMetadata& md) { kprC_StepContainer::AddFlatFormMetadata(md); }
    kprC_StepContainer steps;
};
CLS_DEFINE(tst_FlatHolder)

TEST_F(StepContainer, StoredFormRoundTripKeepsOrderIdsCounterAndSharing) {
    kprC_StepContainer steps = Build({STATIC, FREQUENCY, MODAL});
    steps.InsertAfter("Initial", "First", tst_Step(STATIC, kprC_Step::NlgeomEnm::ON));
    steps.Remove("S3");
    kprC_StepContainer const copy = steps;
    dbs_Database db;
    {
        cls_WriteVisitor writer(db);
        writer.WriteRoot("steps", steps);
        writer.WriteRoot("copy", copy);
    }
    auto const& registrar = cls_MetadataRegistrar::Registrar();
    auto const* base = registrar.Find(kprC_StepRepositoryBase::TypeId());
    auto const* container = registrar.Find(kprC_StepContainer::TypeId());
    ASSERT_TRUE(base && container);
    EXPECT_EQ(base->Name(), "kprC_StepRepositoryBase");
    EXPECT_EQ(container->BaseId(), 0x023C002Fu);
    EXPECT_EQ(container->Version(), 831);

    cls_ReadVisitor reader(db);
    auto read = reader.ReadRoot<kprC_StepContainer>("steps");
    auto readCopy = reader.ReadRoot<kprC_StepContainer>("copy");
    EXPECT_EQ(read->Keys(), steps.Keys());
    EXPECT_EQ(Ids(*read), Ids(steps));
    EXPECT_EQ(read->lastID(), 5u);
    EXPECT_TRUE(read->Nlgeom("First"));
    for (auto const& name : steps.Keys()) {
        EXPECT_EQ(Code(*read, name), Code(steps, name));
        EXPECT_TRUE(read->Handle(name).SharesWith(readCopy->Handle(name))) << name;
    }
    EXPECT_TRUE(read->InsertAfter("S2", "New", tst_Step(MODAL)));
    EXPECT_EQ(read->GetID("New"), 6u);
}

// A stored container whose order, maps and counter do not describe one history is
// refused with what is wrong ("Invalid step container: ..."); in the flat form, a step after the first
// that is not an analysis step is refused as such ("Invalid step").
TEST_F(StepContainer, CorruptStoredContainersAreRefused) {
    cls_MetadataRegistrar::initClassMetadata(tst_FlatHolder::InitializeMetadata, 7);
    tst_FlatHolder holder;
    holder.steps = Build({STATIC, FREQUENCY});  // Initial 1, S1 2, S2 3
    dbs_Database written;
    {
        cls_WriteVisitor writer(written);
        writer.WriteRoot("steps", holder.steps);
        writer.WriteRoot("holder", holder);
    }
    // The entry of `key` in a stored map takes `value` (by default, the entry of `from`).
    auto entry = [](dbs_Value& map, dbs_Value const& key, std::optional<dbs_Value> value, dbs_Value const& from = {}) {
        dbs_Map m = map.AsMap();
        for (auto const& [k, v] : m)
            if (!value && k == from) value = v;
        for (auto& [k, v] : m)
            if (k == key) v = *value;
        map = m;
    };
    std::uint32_t const container = kprC_StepContainer::TypeId(), base = kprC_StepRepositoryBase::TypeId(),
                        flat = tst_FlatHolder::TypeId();
    struct Case {
        std::function<void(dbs_Database&)> damage;
        bool flat;
        char const* message;
    };
    std::vector<Case> const cases = {
        {[&](auto& db) { Field(db, container, "order") = dbs_List{"Initial", "S1"}; }, false,
         "Invalid step container: it holds step \"S2\", which its order leaves out"},
        {[&](auto& db) { Field(db, container, "order") = dbs_List{"Initial", "S1", "S1"}; }, false,
         "Invalid step container: the order names step \"S1\" twice"},
        {[&](auto& db) { Field(db, container, "order") = dbs_List{"Initial", "S1", "S9"}; }, false,
         "Invalid step container: the order names step \"S9\", which it does not hold"},
        {[&](auto& db) { Field(db, container, "order") = dbs_List{"S1", "Initial", "S2"}; }, false,
         "Invalid step container: its first step \"S1\" is not an Initial step"},
        {[&](auto& db) { Field(db, base, "lastID") = 2; }, false,
         "Invalid step container: step \"S2\" has the id 3, above the last id handed out (2)"},
        {[&](auto& db) { entry(Field(db, base, "nameToID"), "S2", dbs_Value(9)); }, false,
         "Invalid step container: step \"S2\" has the id 9, which holds no step"},
        {[&](auto& db) { entry(Field(db, base, "IDToObj"), 3, dbs_Value(dbs_Null{})); }, false,
         "Invalid step container: step \"S2\" has the id 3, which holds no step"},
        {[&](auto& db) { entry(Field(db, base, "IDToObj"), 3, std::nullopt, 1); }, false,
         "Invalid step container: step \"S2\" is a second Initial step"},
        {[&](auto& db) { Field(db, flat, "stepsorder") = dbs_List{"S1", "Initial", "S2"}; }, true,
         "Invalid step container: its first step \"S1\" is not an Initial step"},
        {[&](auto& db) { entry(Field(db, flat, "steps"), "S2", std::nullopt, "Initial"); }, true,
         "Invalid step"},
    };
    for (auto const& c : cases) {
        auto db = written;
        c.damage(db);
        cls_ReadVisitor reader(db);
        EXPECT_EQ(tst_MessageOf<nex_TextException>([&] {
                      c.flat ? (void)reader.ReadRoot<tst_FlatHolder>("holder") : (void)reader.ReadRoot<kprC_StepContainer>("steps");
                  }),
                  c.message);
    }
    // Undamaged, both forms read back.
    ASSERT_NE(cls_MetadataRegistrar::Find(flat)->FindAttribute("steps"), nullptr);
    cls_ReadVisitor reader(written);
    EXPECT_EQ(reader.ReadRoot<kprC_StepContainer>("steps")->Keys(), (Names{"Initial", "S1", "S2"}));
    auto const read = reader.ReadRoot<tst_FlatHolder>("holder");
    EXPECT_EQ(read->steps.Keys(), (Names{"Initial", "S1", "S2"}));
    EXPECT_EQ(Code(read->steps, "S1"), STATIC);
    EXPECT_EQ(Code(read->steps, "S2"), FREQUENCY);
    cls_MetadataRegistrar::removeClassMetadata(tst_FlatHolder::InitializeMetadata);
}

TEST_F(StepContainer, ShortcutsFindTheContainerAndAStepAfterARoundTrip) {
    ddr_Model model;
    auto& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    steps = Build({STATIC});
    kprC_StepContainerShortcut toContainer{kprC_StepContainerInModelShortcut()};
    kprC_StepShortcut toStep{kprC_StepInStepContainerShortcut("S1", toContainer)};
    EXPECT_EQ(toContainer.Find(model), &steps);
    EXPECT_EQ(toStep.Find(model), &steps.ConstGet("S1"));

    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("shortcut", toStep);
    auto read = cls_ReadVisitor(db).ReadRoot<kprC_StepShortcut>("shortcut");
    EXPECT_EQ(read->Find(model), &steps.ConstGet("S1"));
    steps.Remove("S1");
    EXPECT_EQ(read->Find(model), nullptr);

    struct Expected {
        std::uint32_t id;
        char const* name;
    };
    std::vector<Expected> const expected = {
        {kprC_StepIMPLSC::TypeId(), "kprC_StepIMPLSC"},
        {kprC_StepShortcut::TypeId(), "kprC_StepShortcut"},
        {kprC_StepInStepContainerShortcut::TypeId(), "kprC_StepInStepContainerShortcut"},
        {kprC_StepContainerIMPLSC::TypeId(), "kprC_StepContainerIMPLSC"},
        {kprC_StepContainerShortcut::TypeId(), "kprC_StepContainerShortcut"},
        {kprC_StepContainerInModelShortcut::TypeId(), "kprC_StepContainerInModelShortcut"},
        {kprC_SCWrapper::TypeId(), "kprC_SCWrapper"},
    };
    for (auto const& e : expected) {
        auto const* md = cls_MetadataRegistrar::Find(e.id);
        ASSERT_NE(md, nullptr) << e.name;
        EXPECT_EQ(md->Name(), e.name);
        // The wrapper is stored above its older version 401 (it would be converted again otherwise).
        EXPECT_EQ(md->Version(), e.id == kprC_SCWrapper::TypeId() ? 831 : 203) << e.name;
    }
    // The template instance's attributes are its own, checked nowhere else.
    EXPECT_EQ(RegisteredNames(kprC_SCWrapper::TypeId()), (std::vector<std::string>{"extension"}));
    EXPECT_EQ(cls_MetadataRegistrar::MaskOf(kprC_StepShortcut::InitializeMetadata), 4u);
    EXPECT_EQ(kprC_StepContainerInModelShortcut::MemberName(), "steps");
}

}  // namespace
