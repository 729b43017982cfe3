#include <gtest/gtest.h>

#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"
#include "tests/module/output/OutputTestSupport.h"

namespace {

using Settings = LibraryUp;

std::string const msg57 = "Frequency or number interval must be specified and greater than zero";
std::string const msg117 = "Frequency value must be greater than or equal to zero.";
std::string const msg118 = "Number of intervals must be greater than zero.";
std::string const msg119 = "Degree of freedom must be greater than zero.";
std::string const msg166 = "Frequency and number of intervals cannot both be used together.  One must have a value of zero.";

rgnC_Region const someNode({"Set-1", "Set-2"}, 3, rgnC_TWO_D, true);

TEST_F(Settings, RestartEdits) {
    ExpectEdits<kprC_StandardRestart>({
        {"default", [](auto&) {}, ""}, {"frequency only", [](auto& r) { r.frequency(5); }, ""},
        {"intervals with time marks", [](auto& r) { r.numberIntervals(2), r.timeMarks(true); }, ""},
        {"overlay", [](auto& r) { r.overlay(true); }, ""},
        {"both", [](auto& r) { r.frequency(5), r.numberIntervals(2); }, msg166},
        {"both, one negative", [](auto& r) { r.frequency(-1), r.numberIntervals(2); }, msg166},
        {"negative frequency", [](auto& r) { r.frequency(-1); }, msg57},
        {"negative intervals", [](auto& r) { r.numberIntervals(-3); }, msg57},
    });
    ExpectEdits<kprC_ExplicitRestart>({
        {"default", [](auto&) {}, ""},
        {"many intervals, overlay, time marks", [](auto& r) { r.numberIntervals(9), r.overlay(true), r.timeMarks(true); }, ""},
        {"zero intervals", [](auto& r) { r.numberIntervals(0); }, msg118},
        {"negative intervals", [](auto& r) { r.numberIntervals(-2); }, msg118},
    });
}

TEST_F(Settings, MonitorEdits) {
    ExpectEdits<kprC_StandardMonitor>({
        {"default", [](auto&) {}, msg119}, {"dof 1", [](auto& m) { m.dof(1); }, ""},
        {"dof and node, frequency 0", [](auto& m) { m.dof(6), m.node(someNode), m.frequency(0); }, ""},
        {"negative frequency is checked first", [](auto& m) { m.frequency(-1); }, msg117},
        {"negative frequency with dof", [](auto& m) { m.frequency(-1), m.dof(2); }, msg117},
        {"negative dof", [](auto& m) { m.dof(-4); }, msg119},
    });
    ExpectEdits<kprC_ExplicitMonitor>({
        {"default", [](auto&) {}, msg119}, {"dof 3", [](auto& m) { m.dof(3), m.node(someNode); }, ""},
    });
}

TEST_F(Settings, DiagnosticPrintEdits) {
    ExpectEdits<kprC_StandardDiagnosticPrint>({
        {"default", [](auto&) {}, ""},
        {"frequency 0, every flag flipped",
         [](auto& d) {
             d.frequency(0), d.contact(true), d.modelChange(true), d.adaptiveMesh(true);
             d.plasticity(true), d.residual(false), d.solve(true);
         },
         ""},
        {"negative frequency", [](auto& d) { d.frequency(-1); }, msg117},
    });
    ExpectEdits<kprC_PerturbationDiagnosticPrint>({
        {"default", [](auto&) {}, ""}, {"solve", [](auto& d) { d.solve(true), d.frequency(7); }, ""},
        {"negative frequency", [](auto& d) { d.frequency(-2); }, msg117},
    });
    ExpectEdits<kprC_ExplicitDiagnosticPrint>({
        {"every flag flipped",
         [](auto& d) { d.allke(false), d.criticalElement(false), d.etotal(true), d.dmass(true); }, ""},
    });
}

TEST_F(Settings, SolverAnswersOfEveryKind) {
    EXPECT_EQ(std::tuple(kprC_StandardRestart().Explicit(), kprC_ExplicitRestart().Explicit(),
                         kprC_StandardMonitor().Explicit(), kprC_ExplicitMonitor().Explicit()),
              std::tuple(false, true, false, true));
    struct Case {
        std::unique_ptr<kprC_DiagnosticPrint> print;
        bool explicitKind, perturbation;
    };
    Case cases[] = {{std::make_unique<kprC_StandardDiagnosticPrint>(), false, false},
                    {std::make_unique<kprC_ExplicitDiagnosticPrint>(), true, false},
                    {std::make_unique<kprC_PerturbationDiagnosticPrint>(), false, true}};
    for (auto const& c : cases) {
        EXPECT_EQ(c.print->Explicit(), c.explicitKind) << c.print->DynTypeId();
        EXPECT_EQ(c.print->Perturbation(), c.perturbation) << c.print->DynTypeId();
    }
}

// Every field takes part in the comparison, the identity does not.
template <class T>
void ExpectEveryFieldCompared(std::vector<std::function<void(T&)>> const& changes) {
    T const base;
    T copy(base);
    EXPECT_TRUE(copy == base);
    EXPECT_TRUE(copy.IsEqual(base));
    EXPECT_NE(copy.Uid(), base.Uid());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        T changed(base);
        changes[i](changed);
        EXPECT_TRUE(changed != base) << i;
        EXPECT_FALSE(changed.IsEqual(base)) << i;
    }
}

TEST_F(Settings, EqualityComparesEveryField) {
    ExpectEveryFieldCompared<kprC_StandardDiagnosticPrint>({
        [](auto& d) { d.contact(true); }, [](auto& d) { d.frequency(2); },
        [](auto& d) { d.modelChange(true); }, [](auto& d) { d.adaptiveMesh(true); },
        [](auto& d) { d.plasticity(true); }, [](auto& d) { d.residual(false); },
        [](auto& d) { d.solve(true); }});
    ExpectEveryFieldCompared<kprC_ExplicitDiagnosticPrint>({
        [](auto& d) { d.allke(false); }, [](auto& d) { d.criticalElement(false); },
        [](auto& d) { d.etotal(true); }, [](auto& d) { d.dmass(true); }});
    ExpectEveryFieldCompared<kprC_PerturbationDiagnosticPrint>(
        {[](auto& d) { d.frequency(0); }, [](auto& d) { d.solve(true); }});
    ExpectEveryFieldCompared<kprC_StandardRestart>({
        [](auto& r) { r.overlay(true); }, [](auto& r) { r.frequency(1); },
        [](auto& r) { r.numberIntervals(1); }, [](auto& r) { r.timeMarks(true); }});
    ExpectEveryFieldCompared<kprC_ExplicitRestart>({
        [](auto& r) { r.overlay(true); }, [](auto& r) { r.numberIntervals(2); },
        [](auto& r) { r.timeMarks(true); }});
    ExpectEveryFieldCompared<kprC_StandardMonitor>({
        [](auto& m) { m.dof(1); }, [](auto& m) { m.node(someNode); }, [](auto& m) { m.frequency(0); }});
    ExpectEveryFieldCompared<kprC_ExplicitMonitor>({[](auto& m) { m.dof(1); }, [](auto& m) { m.node(someNode); }});
}

// The stored form of each class level: its table's name, version and base, its
// attributes in stored order, and the defaults a new object writes.
struct Level {
    std::uint32_t id;
    char const* name;
    int version;
    std::uint32_t base;
    std::vector<dbs_Attribute> schema;
    std::vector<dbs_Value> defaults;
};

void ExpectLevels(cls_Persistent const& object, std::vector<Level> const& levels) {
    dbs_Database db;
    cls_WriteVisitor(db).WriteRoot("root", object);
    for (auto const& l : levels) {
        auto const* t = db.FindTable(l.id);
        ASSERT_TRUE(t) << l.name;
        EXPECT_EQ(t->className, l.name);
        EXPECT_EQ(t->version, l.version) << l.name;
        EXPECT_EQ(t->baseId, l.base) << l.name;
        EXPECT_EQ(t->schema, l.schema) << l.name;
        EXPECT_EQ(cls_MetadataRegistrar::Find(l.id)->Attributes(), l.schema) << l.name;
        ASSERT_EQ(t->rows.size(), 1u) << l.name;
        EXPECT_EQ(t->rows[0].fields, l.defaults) << l.name;
    }
}

dbs_Attribute Int(int ordinal, char const* name) { return {ordinal, name, 5, 1, 0}; }
dbs_Attribute Bool(int ordinal, char const* name) { return {ordinal, name, 13, 1, 0}; }

TEST_F(Settings, StoredOrderVersionsAndDefaults) {
    Level const restart{0x023C0030, "kprC_Restart", 203, 1, {Bool(0, "overlay")}, {false}};
    ExpectLevels(kprC_StandardRestart(),
                 {restart,
                  {0x023C0031, "kprC_StandardRestart", 809, 0x023C0030,
                   {Int(0, "frequency"), Bool(2, "timeMarks"), Int(1, "numberIntervals")}, {0, false, 0}}});
    ExpectLevels(kprC_ExplicitRestart(),
                 {restart,
                  {0x023C0032, "kprC_ExplicitRestart", 203, 0x023C0030,
                   {Int(0, "numberIntervals"), Bool(1, "timeMarks")}, {1, false}}});

    Level const monitor{0x023C0037, "kprC_Monitor", 203, 1,
                        {Int(0, "dof"), {1, "node", 15, rgnC_Region_TypeId, 0}},
                        {0, dbs_Ref{rgnC_Region_TypeId, 0}}};
    ExpectLevels(kprC_StandardMonitor(),
                 {monitor, {0x023C0038, "kprC_StandardMonitor", 203, 0x023C0037, {Int(0, "frequency")}, {1}}});
    ExpectLevels(kprC_ExplicitMonitor(), {monitor, {0x023C0039, "kprC_ExplicitMonitor", 203, 0x023C0037, {}, {}}});

    Level const print{0x023C0033, "kprC_DiagnosticPrint", 203, 1, {}, {}};
    ExpectLevels(kprC_StandardDiagnosticPrint(),
                 {print,
                  {0x023C0034, "kprC_StandardDiagnosticPrint", 506, 0x023C0033,
                   {Bool(0, "contact"), Int(1, "frequency"), Bool(2, "modelChange"), Bool(3, "adaptiveMesh"),
                    Bool(4, "plasticity"), Bool(5, "residual"), Bool(6, "solve")},
                   {false, 1, false, false, false, true, false}}});
    ExpectLevels(kprC_ExplicitDiagnosticPrint(),
                 {print,
                  {0x023C0035, "kprC_ExplicitDiagnosticPrint", 203, 0x023C0033,
                   {Bool(0, "allke"), Bool(1, "criticalElement"), Bool(2, "etotal"), Bool(3, "dmass")},
                   {true, true, false, false}}});
    ExpectLevels(kprC_PerturbationDiagnosticPrint(),
                 {print,
                  {0x023C0036, "kprC_PerturbationDiagnosticPrint", 203, 0x023C0033,
                   {Int(0, "frequency"), Bool(1, "solve")}, {1, false}}});
}

// Reads back through the root class, as the step reads its settings, and compares.
template <class Root, class T>
void ExpectRoundTrip(T const& object) {
    dbs_Database db;
    auto back = RoundTrip<Root>(object, db);
    ASSERT_TRUE(back);
    auto const* typed = dynamic_cast<T const*>(back.get());
    ASSERT_TRUE(typed) << back->DynTypeId();
    EXPECT_TRUE(*typed == object) << T::TypeId();
    EXPECT_NO_THROW(typed->AssertValid());
}

TEST_F(Settings, EveryKindRoundTripsThroughTheDatabase) {
    ExpectRoundTrip<kprC_Restart>(kprC_StandardRestart(true, 0, 4, true));
    ExpectRoundTrip<kprC_Restart>(kprC_StandardRestart(false, 3, 0, false));
    ExpectRoundTrip<kprC_Restart>(kprC_ExplicitRestart(true, 7, true));
    ExpectRoundTrip<kprC_Monitor>(kprC_StandardMonitor(2, someNode, 5));
    ExpectRoundTrip<kprC_Monitor>(kprC_ExplicitMonitor(4, someNode));

    kprC_StandardDiagnosticPrint standard;
    standard.contact(true), standard.frequency(0), standard.adaptiveMesh(true), standard.residual(false);
    ExpectRoundTrip<kprC_DiagnosticPrint>(standard);
    kprC_ExplicitDiagnosticPrint explicitPrint;
    explicitPrint.allke(false), explicitPrint.dmass(true);
    ExpectRoundTrip<kprC_DiagnosticPrint>(explicitPrint);
    kprC_PerturbationDiagnosticPrint perturbation;
    perturbation.frequency(3), perturbation.solve(true);
    ExpectRoundTrip<kprC_DiagnosticPrint>(perturbation);

    // The monitor node is stored as its own region row.
    dbs_Database db;
    auto back = RoundTrip<kprC_Monitor>(kprC_StandardMonitor(2, someNode, 5), db);
    EXPECT_EQ(db.FindTable(rgnC_Region_TypeId)->rows.size(), 1u);
    auto const& node = back->node();
    EXPECT_EQ(std::tuple(node.names(), node.entityCount(), node.modelSpace(), node.flag()),
              std::tuple(cow_List<cow_String>{"Set-1", "Set-2"}, 3, rgnC_TWO_D, true));
}

TEST_F(Settings, CopyOnWriteHandlesCloneTheConcreteKind) {
    cow_COW<kprC_Restart> first(new kprC_ExplicitRestart(true, 4));
    cow_COW<kprC_Restart> second = first;
    second.GetMutable().overlay(false);
    EXPECT_FALSE(second.SharesWith(first));
    EXPECT_TRUE(first->overlay());
    auto const* clone = dynamic_cast<kprC_ExplicitRestart const*>(&second.Get());
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->numberIntervals(), 4);
}

}  // namespace
