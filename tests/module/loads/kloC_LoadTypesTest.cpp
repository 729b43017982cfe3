#include <gtest/gtest.h>

#include "module/klo/kloC_TypeIds.h"
#include "module/klo/loads/kloC_LoadTypes.h"
#include "module/kpr/kprC_TypeIds.h"

namespace {

constexpr unsigned STATIC = kprC_StaticStep_TypeId, BUCKLE = kprC_BuckleStep_TypeId,
                   FREQUENCY = kprC_FrequencyStep_TypeId, SOILS = kprC_SoilsStep_TypeId,
                   GEOSTATIC = kprC_GeostaticStep_TypeId, CTD = kprC_CoupledTempDisplacementStep_TypeId,
                   SLP = kprC_StaticLinearPerturbationStep_TypeId, SS_SUBSPACE = kprC_SteadyStateSubspaceStep_TypeId;

std::vector<unsigned> AllProcedures() {
    std::vector<unsigned> codes;
    for (unsigned c = 0x023C0065; c <= 0x023C007E; ++c) codes.push_back(c);
    return codes;
}

TEST(LoadTypes, StrictValidityFollowsTheFamilyLists) {
    struct Case {
        unsigned type;
        unsigned procedure;
        bool valid;
    };
    Case const cases[] = {
        {kloC_ConcentratedForce_TypeId, STATIC, true},     {kloC_ConcentratedForce_TypeId, BUCKLE, true},
        {kloC_ConcentratedForce_TypeId, FREQUENCY, false}, {kloC_PEGLoad_TypeId, SOILS, false},
        {kloC_PEGLoad_TypeId, GEOSTATIC, false},           {kloC_PEGLoad_TypeId, CTD, false},
        {kloC_PEGLoad_TypeId, STATIC, true},               {kloC_RotationalBodyForce_TypeId, SLP, true},
        {kloC_RotationalBodyForce_TypeId, BUCKLE, false},  {kloC_InertiaRelief_TypeId, BUCKLE, true},
        {kloC_InertiaRelief_TypeId, kprC_ViscoStep_TypeId, false},
        {kloC_SurfaceHeatFlux_TypeId, kprC_HeatTransferStep_TypeId, true},
        {kloC_ConcentratedCharge_TypeId, kprC_CoupledThermalElectricStep_TypeId, false},
        {kloC_ConcentratedCurrent_TypeId, kprC_CoupledThermalElectricStep_TypeId, true},
        {kloC_InwardVolAccel_TypeId, kprC_ExplicitDynamicsStep_TypeId, true},
        {0x02880099, STATIC, false},
    };
    for (auto const& c : cases)
        EXPECT_EQ(kloC_isValidLoadTypeforStep(int(c.type), int(c.procedure)), c.valid)
            << std::hex << c.type << " in " << c.procedure;

    std::vector<unsigned> boltSteps;
    for (unsigned p : AllProcedures())
        if (kloC_isValidLoadTypeforStep(int(kloC_BoltLoad_TypeId), int(p))) boltSteps.push_back(p);
    EXPECT_EQ(boltSteps, (std::vector<unsigned>{CTD, GEOSTATIC, kprC_ImplicitDynamicsStep_TypeId, SOILS, STATIC,
                                                kprC_StaticRiksStep_TypeId, kprC_ViscoStep_TypeId}));
    for (unsigned p : AllProcedures()) {
        EXPECT_FALSE(kloC_isValidLoadTypeforStep(int(kloC_HydroFluidFlow_TypeId), int(p)));
        EXPECT_FALSE(kloC_isValidLoadTypeforStep(int(kloC_PressurePenetration_TypeId), int(p)));
    }
}

TEST(LoadTypes, FamilyListsKeepTheirOrderAndAreEmptyWhereNoLoadApplies) {
    EXPECT_EQ(kloC_getMechanicalLoadTypesforStep(int(SLP)),
              (cow_List<cow_String>{"Concentrated force", "Moment", "Pressure", "Shell edge load", "Surface traction",
                                    "Body force", "Line load", "Gravity", "Pipe pressure", "Generalized plane strain",
                                    "Rotational body force", "Coriolis force", "Connector force", "Connector moment",
                                    "Inertia relief"}));
    EXPECT_EQ(kloC_getMechanicalLoadTypesforStep(int(SOILS)),
              (cow_List<cow_String>{"Concentrated force", "Moment", "Pressure", "Shell edge load", "Surface traction",
                                    "Pipe pressure", "Body force", "Line load", "Gravity", "Bolt load",
                                    "Rotational body force", "Coriolis force", "Connector force",
                                    "Connector moment"}));
    EXPECT_EQ(kloC_getElectricalLoadTypesforStep(int(SLP)),
              (cow_List<cow_String>{"Concentrated charge", "Surface charge", "Body charge"}));
    auto const families = {kloC_getMechanicalLoadTypesforStep, kloC_getThermalLoadTypesforStep,
                           kloC_getFluidLoadTypesforStep,      kloC_getElectricalLoadTypesforStep,
                           kloC_getMassDiffusionLoadTypesforStep, kloC_getAcousticLoadTypesforStep};
    for (unsigned p : {kprC_AnnealStep_TypeId, FREQUENCY, kprC_RandomResponseStep_TypeId,
                       kprC_ResponseSpectrumStep_TypeId, kprC_ComplexFrequencyStep_TypeId,
                       kprC_SubstructureGenerateStep_TypeId, kprC_UsaAddedMassGenerationStep_TypeId, 0u, 1u})
        for (auto family : families) EXPECT_TRUE(family(int(p)).empty()) << std::hex << p;
}

TEST(LoadTypes, RelaxedAdmissionByRule) {
    EXPECT_TRUE(kloC_RelaxedAdmission(kloC_ConcentratedForce_TypeId, FREQUENCY));
    EXPECT_FALSE(kloC_RelaxedAdmission(kloC_ConcentratedForce_TypeId, BUCKLE));
    for (unsigned p : AllProcedures()) {
        bool ruleA = kprC_BuckleStep_TypeId == p || FREQUENCY == p || SLP == p || SS_SUBSPACE == p ||
                     p == kprC_ModalDynamicsStep_TypeId || p == kprC_RandomResponseStep_TypeId ||
                     p == kprC_ResponseSpectrumStep_TypeId || p == kprC_SteadyStateDirectStep_TypeId ||
                     p == kprC_SteadyStateModalStep_TypeId || p == kprC_SubspaceDynamicsStep_TypeId ||
                     p == kprC_ComplexFrequencyStep_TypeId;
        EXPECT_EQ(kloC_RelaxedAdmission(kloC_HydroFluidFlow_TypeId, p), ruleA) << std::hex << p;
        EXPECT_EQ(kloC_RelaxedAdmission(kloC_SurfacePoreFluid_TypeId, p), ruleA && p != SS_SUBSPACE);
        EXPECT_EQ(kloC_RelaxedAdmission(kloC_RotationalBodyForce_TypeId, p), ruleA && p != SLP);
        EXPECT_EQ(kloC_RelaxedAdmission(kloC_CoriolisForce_TypeId, p), p == SS_SUBSPACE);
        EXPECT_FALSE(kloC_RelaxedAdmission(kloC_BodyCharge_TypeId, p));
    }
    EXPECT_FALSE(kloC_RelaxedAdmission(kloC_InertiaRelief_TypeId, BUCKLE));
    EXPECT_TRUE(kloC_RelaxedAdmission(kloC_InertiaRelief_TypeId, SS_SUBSPACE));
}

}  // namespace
