// Damping components and containers: initial values, registration, the component rules
// in order, and the tuples scripts give them as.
#include "../steps/general/StepTestSupport.h"
#include "module/kpr/damping/kprC_Damping.h"
#include "platform/cls/cls_MetadataRegistrar.h"

namespace damping_test {
class Damping : public StepTest {};

// Scripts' view of one attribute of a class.
cls_ScriptAttribute const& Attribute(std::uint32_t typeId, char const* name) {
    static std::vector<cls_ScriptAttribute> attributes;
    attributes = cls_ScriptRegistry::AttributesOf(typeId);
    auto const* a = cls_ScriptRegistry::FindAttribute(attributes, name);
    if (!a) throw std::runtime_error(std::string("no attribute ") + name);
    return *a;
}

cls_ScriptList Tuple(std::initializer_list<cls_ScriptValue> values) { return cls_ScriptList(values); }

TEST_F(Damping, RegistrationAndInitialValues) {
    struct Class {
        std::uint32_t id;
        cls_MetadataRegistrar::MetadataFn metadata;
        int version;
        unsigned mask;
        std::vector<std::string> fields;  // stored, each 0 or 0.0 at first
    };
    std::vector<Class> const classes = {
        {kprC_DirectDamping::TypeId(), kprC_DirectDamping::InitializeMetadata, 203, 7, {"components"}},
        {kprC_DirectDampingComponent::TypeId(), kprC_DirectDampingComponent::InitializeMetadata, 203, 7, {"start", "end", "fraction"}},
        {kprC_CompositeDamping::TypeId(), kprC_CompositeDamping::InitializeMetadata, 445, 3, {"components"}},
        {kprC_CompositeDampingComponent::TypeId(), kprC_CompositeDampingComponent::InitializeMetadata, 445, 3, {"start", "end"}},
        {kprC_RayleighDamping::TypeId(), kprC_RayleighDamping::InitializeMetadata, 203, 7, {"components"}},
        {kprC_RayleighDampingComponent::TypeId(), kprC_RayleighDampingComponent::InitializeMetadata, 203, 7, {"start", "end", "alpha", "beta"}},
        {kprC_StructuralDamping::TypeId(), kprC_StructuralDamping::InitializeMetadata, 203, 3, {"components"}},
        {kprC_StructuralDampingComponent::TypeId(), kprC_StructuralDampingComponent::InitializeMetadata, 203, 3, {"start", "end", "factor"}},
        {kprC_DirectDampingByFrequency::TypeId(), kprC_DirectDampingByFrequency::InitializeMetadata, 445, 3, {"components"}},
        {kprC_DirectDampingByFrequencyComponent::TypeId(), kprC_DirectDampingByFrequencyComponent::InitializeMetadata, 445, 3, {"frequency", "fraction"}},
        {kprC_RayleighDampingByFrequency::TypeId(), kprC_RayleighDampingByFrequency::InitializeMetadata, 445, 3, {"components"}},
        {kprC_RayleighDampingByFrequencyComponent::TypeId(), kprC_RayleighDampingByFrequencyComponent::InitializeMetadata, 445, 3, {"frequency", "alpha", "beta"}},
        {kprC_StructuralDampingByFrequency::TypeId(), kprC_StructuralDampingByFrequency::InitializeMetadata, 445, 3, {"components"}},
        {kprC_StructuralDampingByFrequencyComponent::TypeId(), kprC_StructuralDampingByFrequencyComponent::InitializeMetadata, 445, 3, {"frequency", "factor"}},
    };
    for (auto const& c : classes) {
        auto const* md = cls_MetadataRegistrar::Find(c.id);
        ASSERT_TRUE(md) << std::hex << c.id;
        SCOPED_TRACE(md->Name());
        EXPECT_EQ(md->Version(), c.version);
        EXPECT_EQ(cls_MetadataRegistrar::MaskOf(c.metadata), c.mask);
        std::vector<std::string> names;
        for (auto const& a : md->Attributes()) names.push_back(a.name);
        EXPECT_EQ(names, c.fields);
        std::unique_ptr<cls_Persistent> object(cls_ScriptRegistry::Find(c.id)->create());
        auto db = Written(*object);
        for (auto const& f : c.fields) {
            auto const& v = Field(db, c.id, f);
            EXPECT_TRUE(v == dbs_Value(std::int64_t(0)) || v == dbs_Value(0.0) || v == dbs_Value(dbs_List{})) << f;
        }
    }
}

TEST_F(Damping, ComponentRulesInOrder) {
    auto direct = [](int start, int end, double fraction) {
        kprC_DirectDampingComponent c;
        c.start(start), c.end(end), c.fraction(fraction);
        return RaisedMessage([&] { c.AssertValid(); });
    };
    EXPECT_EQ(direct(1, 1, 0.0), "");
    EXPECT_EQ(direct(0, 5, -0.02), "Invalid start mode for damping");
    EXPECT_EQ(direct(1, 0, -0.02), "Invalid end mode for damping");
    EXPECT_EQ(direct(3, 2, -0.02), "Invalid mode range for damping");
    EXPECT_EQ(direct(1, 5, -0.01), "Invalid value for fraction of critical damping");
    kprC_RayleighDampingComponent r;
    r.start(1), r.end(10), r.alpha(-3.0);
    EXPECT_EQ(RaisedMessage([&] { r.AssertValid(); }), "");
    r.beta(-0.1);
    EXPECT_EQ(RaisedMessage([&] { r.AssertValid(); }), "Invalid value for Rayleigh beta damping");
    kprC_StructuralDampingComponent s;
    s.start(2), s.end(2), s.factor(-1.0);
    EXPECT_EQ(RaisedMessage([&] { s.AssertValid(); }), "Invalid value for structural damping");
    kprC_CompositeDampingComponent composite;
    EXPECT_EQ(RaisedMessage([&] { composite.AssertValid(); }), "Invalid start mode for damping");
    kprC_DirectDampingByFrequencyComponent byFrequency;
    byFrequency.fraction(-1.0);
    EXPECT_EQ(RaisedMessage([&] { byFrequency.AssertValid(); }), "Invalid frequency for damping");
    byFrequency.frequency(2.0);
    EXPECT_EQ(RaisedMessage([&] { byFrequency.AssertValid(); }), "Invalid value for fraction of critical damping");
    kprC_RayleighDampingByFrequencyComponent rf;
    rf.frequency(1.0), rf.beta(-1.0);
    EXPECT_EQ(RaisedMessage([&] { rf.AssertValid(); }), "Invalid value for Rayleigh beta damping");
    kprC_StructuralDampingByFrequencyComponent sf;
    EXPECT_EQ(RaisedMessage([&] { sf.AssertValid(); }), "Invalid frequency for damping");

    // Overlapping ranges pass; the first bad component of a container is raised.
    kprC_DirectDamping container;
    kprC_DirectDampingComponent a, b, bad;
    a.start(1), a.end(10), b.start(5), b.end(20), bad.start(4), bad.end(3);
    container.components({a, b});
    EXPECT_EQ(RaisedMessage([&] { container.AssertValid(); }), "");
    container.components({a, bad, kprC_DirectDampingComponent()});
    EXPECT_EQ(RaisedMessage([&] { container.AssertValid(); }), "Invalid mode range for damping");
}

TEST_F(Damping, TuplesCarryOmittedElementsFromThePreviousOne) {
    kprC_DirectDamping d;
    auto const& components = Attribute(kprC_DirectDamping::TypeId(), "components");
    components.set(d, cls_ScriptList{Tuple({3}), Tuple({1, 5, 0.02}), Tuple({6}), Tuple({7, 9})}, "components");
    ASSERT_EQ(d.components().size(), 4u);
    auto is = [](kprC_DirectDampingComponent const& c, int start, int end, double fraction) {
        return c.start() == start && c.end() == end && c.fraction() == fraction;
    };
    EXPECT_TRUE(is(d.components()[0], 3, 0, 0.0));  // the first tuple's omitted elements are 0
    EXPECT_TRUE(is(d.components()[1], 1, 5, 0.02));
    EXPECT_TRUE(is(d.components()[2], 6, 5, 0.02));
    EXPECT_TRUE(is(d.components()[3], 7, 9, 0.02));
    EXPECT_EQ(components.get(d).Repr(), "((3, 0, 0.0), (1, 5, 0.02), (6, 5, 0.02), (7, 9, 0.02))");
    EXPECT_NE(d.components()[1].Uid(), d.components()[2].Uid());

    kprC_RayleighDampingByFrequency r;
    auto const& rc = Attribute(kprC_RayleighDampingByFrequency::TypeId(), "components");
    EXPECT_THROW(rc.set(r, cls_ScriptList{Tuple({1.0, 2.0, 3.0, 4.0})}, "components"), omu_TypeErrorException);
    EXPECT_THROW(rc.set(r, cls_ScriptList{Tuple({})}, "components"), omu_TypeErrorException);
    EXPECT_THROW(rc.set(r, cls_ScriptList{Tuple({"high"})}, "components"), omu_TypeErrorException);
    try {
        rc.set(r, cls_ScriptList{Tuple({1.0}), Tuple({})}, "components");
    } catch (omu_TypeErrorException const& e) {
        EXPECT_EQ(e.Message(), "components entry 2 must give 1 to 3 values (frequency, alpha, beta), not 0");
    }
    EXPECT_TRUE(r.components().empty());
}
}  // namespace damping_test
