// The load types each procedure admits: its family lists in order, strict validity, and
// the relaxed admission rules of perturbation procedures.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "module/klo/kloC_TypeIds.h"
#include "module/klo/loads/kloC_LoadTypes.h"
#include "module/klo/loads/kloC_LoadTypeLabelMap.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace load_types_test {

constexpr unsigned STATIC = kprC_StaticStep_TypeId, BUCKLE = kprC_BuckleStep_TypeId,
                   FREQUENCY = kprC_FrequencyStep_TypeId, SOILS = kprC_SoilsStep_TypeId,
                   GEOSTATIC = kprC_GeostaticStep_TypeId, CTD = kprC_CoupledTempDisplacementStep_TypeId,
                   SLP = kprC_StaticLinearPerturbationStep_TypeId, SS_SUBSPACE = kprC_SteadyStateSubspaceStep_TypeId;

// Labels by abbreviation, so that a procedure's lists fit on a line.
cow_List<cow_String> Labels(std::string const& abbreviations) {
    static std::map<std::string, cow_String> const labels = {
        {"CF", "Concentrated force"}, {"MO", "Moment"}, {"PR", "Pressure"}, {"SE", "Shell edge load"},
        {"ST", "Surface traction"}, {"PP", "Pipe pressure"}, {"BF", "Body force"}, {"LL", "Line load"},
        {"GR", "Gravity"}, {"BL", "Bolt load"}, {"PEG", "Generalized plane strain"},
        {"RBF", "Rotational body force"}, {"COR", "Coriolis force"}, {"CNF", "Connector force"},
        {"CNM", "Connector moment"}, {"IR", "Inertia relief"}, {"SHF", "Surface heat flux"},
        {"BHF", "Body heat flux"}, {"CHF", "Concentrated heat flux"}, {"CPF", "Concentrated pore fluid"},
        {"SPF", "Surface pore fluid"}, {"CCU", "Concentrated current"}, {"SCU", "Surface current"},
        {"BCU", "Body current"}, {"CCH", "Concentrated charge"}, {"SCH", "Surface charge"}, {"BCH", "Body charge"},
        {"CCF", "Concentrated concentration flux"}, {"SCF", "Surface concentration flux"},
        {"BCF", "Body concentration flux"}, {"IVA", "Inward volume acceleration"},
    };
    cow_List<cow_String> out;
    std::istringstream in(abbreviations);
    for (std::string a; in >> a;) out.push_back(labels.at(a));
    return out;
}

// Every procedure's six family lists, in order: mechanical, thermal, fluid, electrical,
// mass diffusion, acoustic. Strict validity is membership of the type's label in one of
// them, for every type; the hydrostatic fluid flux and pressure penetration are in no
// list, and an identifier that is not a load type is never valid.
TEST(LoadTypes, FamilyListsInOrderAndStrictValidity) {
    std::string const perturbation = "CF MO PR SE ST BF LL GR PP PEG ", general = "CF MO PR SE ST PP BF LL GR BL ",
                      explicitDynamics = "CF MO PR SE ST BF LL GR CNF CNM", thermal = "SHF BHF CHF",
                      charges = "CCH SCH BCH";
    struct Row {
        unsigned procedure;
        std::string mechanical, thermal, fluid, electrical, massDiffusion, acoustic;
    };
    Row const rows[] = {
        {kprC_AnnealStep_TypeId, "", "", "", "", "", ""},
        {BUCKLE, perturbation + "COR CNF CNM IR", "", "", "", "", "IVA"},
        {CTD, general + "RBF COR CNF CNM", thermal, "", "", "", ""},
        {kprC_CoupledThermalElectricStep_TypeId, "", thermal, "", "CCU SCU BCU", "", ""},
        {kprC_ExplicitDynamicsStep_TypeId, explicitDynamics, "", "", "", "", "IVA"},
        {FREQUENCY, "", "", "", "", "", ""},
        {GEOSTATIC, general + "RBF COR CNF CNM", "", "CPF SPF", "", "", ""},
        {kprC_HeatTransferStep_TypeId, "", thermal, "", "", "", ""},
        {kprC_ImplicitDynamicsStep_TypeId, general + "PEG RBF COR CNF CNM IR", "", "", charges, "", "IVA"},
        {kprC_MassDiffusionStep_TypeId, "", "", "", "", "CCF SCF BCF", ""},
        {kprC_ModalDynamicsStep_TypeId, perturbation + "COR CNF CNM", "", "", "", "", "IVA"},
        {kprC_RandomResponseStep_TypeId, "", "", "", "", "", ""},
        {kprC_ResponseSpectrumStep_TypeId, "", "", "", "", "", ""},
        {SOILS, general + "RBF COR CNF CNM", "", "CPF SPF", "", "", ""},
        {STATIC, general + "PEG RBF COR CNF CNM IR", "", "", charges, "", ""},
        {kprC_StaticRiksStep_TypeId, general + "PEG RBF COR CNF CNM IR", "", "", "", "", ""},
        {SLP, perturbation + "RBF COR CNF CNM IR", "", "", charges, "", "IVA"},
        {kprC_SteadyStateDirectStep_TypeId, perturbation + "COR CNF CNM", "", "", charges, "", "IVA"},
        {kprC_SteadyStateModalStep_TypeId, perturbation + "COR CNF CNM", "", "", "", "", "IVA"},
        {kprC_SubspaceDynamicsStep_TypeId, perturbation + "COR CNF CNM", "", "", "", "", "IVA"},
        {kprC_UsaAddedMassGenerationStep_TypeId, "", "", "", "", "", ""},
        {kprC_ViscoStep_TypeId, general + "PEG RBF COR CNF CNM", "", "", "", "", ""},
        {kprC_TempDisplacementDynamicsStep_TypeId, explicitDynamics, thermal, "", "", "", "IVA"},
        {kprC_SubstructureGenerateStep_TypeId, "", "", "", "", "", ""},
        {kprC_ComplexFrequencyStep_TypeId, "", "", "", "", "", ""},
        {SS_SUBSPACE, perturbation + "COR CNF CNM", "", "", "", "", "IVA"},
        {0u, "", "", "", "", "", ""},  // the Initial step, as validity checks name it
        {1u, "", "", "", "", "", ""},
    };
    ASSERT_EQ(std::size(rows), kprC_PROCEDURE_COUNT + 2);
    for (auto const& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << r.procedure);
        int const p = int(r.procedure);
        std::set<cow_String> listed;
        for (auto const& [got, abbreviations] : std::initializer_list<std::pair<cow_List<cow_String>, std::string>>{
                 {kloC_getMechanicalLoadTypesforStep(p), r.mechanical}, {kloC_getThermalLoadTypesforStep(p), r.thermal},
                 {kloC_getFluidLoadTypesforStep(p), r.fluid}, {kloC_getElectricalLoadTypesforStep(p), r.electrical},
                 {kloC_getMassDiffusionLoadTypesforStep(p), r.massDiffusion}, {kloC_getAcousticLoadTypesforStep(p), r.acoustic}}) {
            EXPECT_EQ(got, Labels(abbreviations)) << abbreviations;
            listed.insert(got.begin(), got.end());
        }
        for (auto const& [type, label] : kloC_LoadTypeLabelMap::Instance().Labels())
            EXPECT_EQ(kloC_isValidLoadTypeforStep(int(type), p), listed.contains(label)) << label;
        EXPECT_FALSE(kloC_isValidLoadTypeforStep(0x02880099, p));
    }
    EXPECT_EQ(kloC_LoadTypeLabelMap::Instance().Labels().size(), 33u);
}

TEST(LoadTypes, RelaxedAdmissionByRule) {
    EXPECT_TRUE(kloC_RelaxedAdmission(kloC_ConcentratedForce_TypeId, FREQUENCY));
    EXPECT_FALSE(kloC_RelaxedAdmission(kloC_ConcentratedForce_TypeId, BUCKLE));
    for (unsigned p = kprC_FIRST_PROCEDURE; p < kprC_FIRST_PROCEDURE + kprC_PROCEDURE_COUNT; ++p) {
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

}  // namespace load_types_test
