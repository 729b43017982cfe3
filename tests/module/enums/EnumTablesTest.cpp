#include <gtest/gtest.h>

#include "module/kad/enums/kadC_Enums.h"
#include "module/klo/enums/kloC_Enums.h"
#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "platform/nex/nex_Exception.h"

namespace {

template <class Make>
std::string Refusal(Make make) {
    try {
        make();
    } catch (omu_ValueErrorException const& e) {
        return e.what();
    }
    return "(accepted)";
}

std::string Joined(std::vector<std::string> const& strings) {
    std::string out;
    for (auto const& s : strings) out += (out.empty() ? "" : ", ") + s;
    return out;
}

// The table of E is exactly `strings`, valued 0, 1, 2, ... in order, and every entry
// converts string -> value -> string through the wrapper.
template <class E>
void ExpectTable(char const* name, std::vector<std::string> const& strings) {
    SCOPED_TRACE(name);
    using W = omu_PrimEnum<E, 1>;
    cow_Map<cow_String, unsigned int> expected;
    for (unsigned int i = 0; i < strings.size(); ++i) expected.emplace(strings[i], i);
    W first(static_cast<E>(0));
    EXPECT_EQ(first.PermissibleValues(), expected);
    EXPECT_EQ(first.PermissibleValuesAsString(), Joined(strings));
    for (unsigned int i = 0; i < strings.size(); ++i) {
        W fromString(strings[i]);
        EXPECT_EQ(fromString.UnsignedValue(), i);
        W fromValue(fromString.Value());
        EXPECT_EQ(fromValue.AsString(), strings[i]);
        EXPECT_TRUE(fromValue == fromString);
        W stored(omu_FromStored{}, fromString.AsString());
        EXPECT_EQ(stored.Value(), static_cast<E>(i));
    }
    auto const beyond = static_cast<E>(strings.size());
    EXPECT_EQ(W::StringOf(beyond), nullptr);
    EXPECT_THROW(W{beyond}, omu_ValueErrorException);
}

#define EXPECT_TABLE(E, ...) ExpectTable<E>(#E, {__VA_ARGS__})

TEST(EnumTables, EveryEnumerationHasItsPermittedStringsAndRoundTrips) {
    EXPECT_TABLE(kloC_Traction_AxisEnm, "AXIS_1", "AXIS_2", "AXIS_3");
    EXPECT_TABLE(kloC_CoriolisForce_AxisSelectionEnum, "PICKEDPOINTS", "ENTEREDCOORD");
    EXPECT_TABLE(kloC_RotationalBodyForce_AxisSelectionEnum, "PICKEDPOINTS", "ENTEREDCOORD");
    EXPECT_TABLE(kloC_PipePressure_PipeEndConditionEnum, "CLOSED", "OPEN");
    EXPECT_TABLE(kloC_PipePressure_PipePressureSideEnum, "INTERNAL", "EXTERNAL");
    EXPECT_TABLE(kloC_Pressure_PressureTypeEnum, "UNIFORM", "USER_DEFINED", "HYDROSTATIC", "FIELD", "STAGNATION",
                 "VISCOUS");
    EXPECT_TABLE(kloC_ShellEdgeLoad_ShellEdgeLoadTractionEnm, "NORMAL", "TRANSVERSE", "SHEAR", "MOMENT", "GENERAL");
    EXPECT_TABLE(kloC_SurfaceTraction_SurfaceTractionEnm, "GENERAL", "SHEAR");
    EXPECT_TABLE(kloC_LineLoad_SystemTypeEnum, "LOCAL", "GLOBAL");
    EXPECT_TABLE(kloC_BoltLoadMethodEnm, "APPLY_FORCE", "ADJUST_LENGTH", "FIX_LENGTH");
    EXPECT_TABLE(kloC_Load_DistribTypeEnum, "UNIFORM", "USER_DEFINED", "FIELD");
    EXPECT_TABLE(kprC_FrequencyStep_AllEigenEnm, "ALL");
    EXPECT_TABLE(kprC_FrequencyStep_NormalizationEnm, "DISPLACEMENT", "MASS");
    EXPECT_TABLE(kprC_ComplexFrequencyStep_AllEnm, "ALL");
    EXPECT_TABLE(kprC_ResponseSpectrumStep_SummationEnm, "ABS", "CQC", "NRL", "SRSS", "TENP");
    EXPECT_TABLE(kprC_ResponseSpectrumStep_CompEnm, "SINGLE_DIRECTION", "MULTIPLE_DIRECTION_ABSOLUTE_SUM",
                 "MULTIPLE_DIRECTION_SRSS_SUM");
    EXPECT_TABLE(kprC_CoupledTempDisplacementStep_StabilizationMethodEnm, "NONE", "DISSIPATED_ENERGY_FRACTION",
                 "DAMPING_FACTOR");
    EXPECT_TABLE(kprC_CoupledTempDisplacementStep_CreepIntegrationEnm, "IMPLICIT_EXPLICIT", "EXPLICIT", "CREEP_OFF",
                 "IMPLICIT");
    EXPECT_TABLE(kprC_ExplicitContactControls_DefaultEnm, "DEFAULT", "INC_VALUE");
    EXPECT_TABLE(kprC_LinearCtrl_DefaultEnm, "DEFAULT", "PROPAGATED");
    EXPECT_TABLE(kprC_SteadyStateDirectStep_ScaleEnm, "LOGARITHMIC", "LINEAR");
    EXPECT_TABLE(kprC_SteadyStateDirectStep_FactorizationEnm, "REAL_ONLY", "COMPLEX");
    EXPECT_TABLE(kprC_SteadyStateSubspaceStep_ScaleEnm, "LOGARITHMIC", "LINEAR");
    EXPECT_TABLE(kprC_SteadyStateSubspaceStep_ProjectionEnm, "ALL_FREQUENCIES", "CONSTANT", "EIGENFREQUENCY",
                 "PROPERTY_CHANGE");
    EXPECT_TABLE(kprC_SteadyStateSubspaceStep_FactorizationEnm, "REAL_ONLY", "COMPLEX");
    EXPECT_TABLE(kprC_ViscoStep_StabilizationMethodEnm, "NONE", "DISSIPATED_ENERGY_FRACTION", "DAMPING_FACTOR");
    EXPECT_TABLE(kprC_ViscoStep_IntegrationEnm, "IMPLICIT_EXPLICIT", "EXPLICIT_ONLY");
    EXPECT_TABLE(kprC_AnnealStep_MaintainCurrentEnm, "MAINTAIN_CURRENT");
    EXPECT_TABLE(kprC_MassScaling_MassScalingOccursEnm, "AT_BEGINNING", "THROUGHOUT_STEP");
    EXPECT_TABLE(kprC_MassScaling_MassScalingPreviousStepEnm, "PREVIOUS_STEP", "ARRAY");
    EXPECT_TABLE(kprC_MassScaling_MassScalingModelEnm, "MODEL");
    EXPECT_TABLE(kprC_MassScaling_MassScalingDirectionEnm, "GLOBAL_X", "GLOBAL_Y", "GLOBAL_Z", "GLOBAL_NONE");
    EXPECT_TABLE(kprC_MassScaling_MassScalingTypeEnm, "UNIFORM", "BELOW_MIN", "SET_EQUAL_DT", "ROLLING");
    EXPECT_TABLE(kprC_MassScaling_MassScalingObjectiveEnm, "SEMI_AUTOMATIC", "AUTOMATIC", "REINITIALIZE",
                 "DISABLE_THROUGHOUT_STEP");
    EXPECT_TABLE(kprC_RandomResponseStep_ScaleEnm, "LOGARITHMIC", "LINEAR");
    EXPECT_TABLE(kprC_SteadyStateModalStep_ScaleEnm, "LOGARITHMIC", "LINEAR");
    EXPECT_TABLE(kprC_SoilsStep_SoilsResponseEnm, "CONSOLIDATION", "STEADY_STATE");
    EXPECT_TABLE(kprC_SoilsStep_StabilizationMethodEnm, "NONE", "DISSIPATED_ENERGY_FRACTION", "DAMPING_FACTOR");
    EXPECT_TABLE(kprC_StaticStep_StabilizationEnm, "NONE", "DISSIPATED_ENERGY_FRACTION", "DAMPING_FACTOR");
    EXPECT_TABLE(kprC_SubspaceDynamicsStep_SubspaceAllEnm, "ALL", "SPECIFIED_MODES");
    EXPECT_TABLE(kprC_ExplicitDynamicsStep_TimeIncrementationMethodEnm, "AUTOMATIC_GLOBAL", "FIXED_USER_DEFINED_INC",
                 "AUTOMATIC_EBE", "FIXED_EBE");
    EXPECT_TABLE(kprC_TempDisplacementDynamicsStep_TimeIncrementationMethodEnm, "AUTOMATIC_GLOBAL",
                 "FIXED_USER_DEFINED_INC", "AUTOMATIC_EBE", "FIXED_EBE");
    EXPECT_TABLE(kprC_AdptMeshCons_CategoryEnm, "MECHANICAL", "THERMAL", "FLUID", "ELECTRICAL", "MASS_DIFFUSION",
                 "ACOUSTIC", "OTHER");
    EXPECT_TABLE(kprC_BucklingCaseEnm, "NOT_APPLICABLE", "STRESS_PERTURBATION", "BUCKLING_MODES",
                 "PERTURBATION_AND_BUCKLING");
    EXPECT_TABLE(kprC_AdptMeshCons_MotionTypeEnum, "INDEPENDENT", "FOLLOW", "USER_DEFINED");
    EXPECT_TABLE(kprC_Controls_DefaultEnm, "DEFAULT", "PROPAGATED");
    EXPECT_TABLE(kprC_Step_TimeIncrementationMethodEnm, "AUTOMATIC", "FIXED");
    EXPECT_TABLE(kprC_Step_NlgeomEnm, "OFF", "ON", "NOT_AVAILABLE");
    EXPECT_TABLE(kprC_Step_EigensolverEnm, "SUBSPACE", "LANCZOS", "AMS");
    EXPECT_TABLE(kprC_Step_DefaultEnm, "DEFAULT");
    EXPECT_TABLE(kprC_Step_ConvertSDIEnm, "CONVERT_SDI_OFF", "CONVERT_SDI_ON", "PROPAGATED");
    EXPECT_TABLE(kprC_Step_MatrixSolverEnm, "DIRECT_SYMMETRIC", "DIRECT_UNSYMMETRIC", "SOLVER_DEFAULT",
                 "DDM_ITERATIVE", "SYMMETRIC", "UNSYMMETRIC");
    EXPECT_TABLE(kprC_Step_ResponseEnm, "STEADY_STATE", "TRANSIENT", "NOT_APPLICABLE");
    EXPECT_TABLE(kprC_Step_ExtrapolationEnm, "LINEAR", "PARABOLIC", "NONE");
    EXPECT_TABLE(kprC_Step_AmplitudeEnm, "STEP", "RAMP");
    EXPECT_TABLE(kprC_Step_ReplacementPolicyEnm, "DO_NOT_REPLACE", "SUBSTITUTE", "DELETE", "SUBSTITUTE_DELETE");
    EXPECT_TABLE(kprC_Step_SolutionTechniqueEnm, "FULL_NEWTON", "SEPARATED", "CONTACT_ITERATIONS", "QUASI_NEWTON");
    EXPECT_TABLE(kadC_AdptMeshCtrl_AdvectionEnm, "FIRST_ORDER_ADVECTION", "SECOND_ORDER_ADVECTION");
    EXPECT_TABLE(kadC_AdptMeshCtrl_SmoothingAlgorithmEnm, "STANDARD", "GEOMETRY_ENHANCED", "ANALYSIS_PRODUCT_DEFAULT");
    EXPECT_TABLE(kadC_AdptMeshCtrl_SmoothingPriorityEnm, "UNIFORM", "GRADED");
    EXPECT_TABLE(kadC_AdptMeshCtrl_MomentumAdvectionEnm, "ELEMENT_CENTER_PROJECTION", "HALF_INDEX_SHIFT");
    EXPECT_TABLE(kadC_AdptMeshCtrl_RemeshPredictorEnm, "CURRENT", "PREVIOUS");
    EXPECT_TABLE(kadC_AdptMeshCtrl_AutomaticEnm, "AUTOMATIC", "FACTOR");
    EXPECT_TABLE(kadC_AdptMeshDomain_SweepsEnm, "DEFAULT");
}

using Nlgeom = omu_PrimEnum<kprC_Step_NlgeomEnm, 1>;
using MatrixSolver = omu_PrimEnum<kprC_Step_MatrixSolverEnm, 1>;

TEST(EnumTables, NlgeomAcceptsOnlyTheExactUpperCaseString) {
    Nlgeom n(kprC_Step_NlgeomEnm::OFF);
    EXPECT_FALSE(n.SetValue("on"));
    EXPECT_FALSE(n.SetValue("On"));
    EXPECT_EQ(n.Value(), kprC_Step_NlgeomEnm::OFF);
    EXPECT_TRUE(n.SetValue("ON"));
    EXPECT_EQ(n.Value(), kprC_Step_NlgeomEnm::ON);
    EXPECT_EQ(Refusal([] { Nlgeom x(cow_String("On")); }),
              "omu_PrimEnum(const cow_String&) - str not allowed: On  Permissible: OFF, ON, NOT_AVAILABLE");
}

TEST(EnumTables, RefusalMessagesNameTheInputAndThePermittedStrings) {
    EXPECT_EQ(Refusal([] { MatrixSolver m(static_cast<kprC_Step_MatrixSolverEnm>(7)); }),
              "omu_PrimEnum(Enum) - Enum value not allowed: 7  Permissible: DIRECT_SYMMETRIC, DIRECT_UNSYMMETRIC, "
              "SOLVER_DEFAULT, DDM_ITERATIVE, SYMMETRIC, UNSYMMETRIC");
    EXPECT_EQ(Refusal([] { MatrixSolver m{cow_String()}; }),
              "omu_PrimEnum(const cow_String&) - str not allowed:   Permissible: DIRECT_SYMMETRIC, DIRECT_UNSYMMETRIC, "
              "SOLVER_DEFAULT, DDM_ITERATIVE, SYMMETRIC, UNSYMMETRIC");
    EXPECT_EQ(Refusal([] { MatrixSolver m(omu_FromStored{}, "SOLVER"); }),
              "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: SOLVER  Permissible: DIRECT_SYMMETRIC, "
              "DIRECT_UNSYMMETRIC, SOLVER_DEFAULT, DDM_ITERATIVE, SYMMETRIC, UNSYMMETRIC");
}

TEST(EnumTables, EachWrapperConsultsOnlyItsOwnTable) {
    using Extrapolation = omu_PrimEnum<kprC_Step_ExtrapolationEnm, 1>;
    using Stabilization = omu_PrimEnum<kprC_StaticStep_StabilizationEnm, 1>;
    using Response = omu_PrimEnum<kprC_Step_ResponseEnm, 1>;
    using SoilsResponse = omu_PrimEnum<kprC_SoilsStep_SoilsResponseEnm, 1>;
    using Amplitude = omu_PrimEnum<kprC_Step_AmplitudeEnm, 1>;
    EXPECT_EQ(Extrapolation(cow_String("NONE")).UnsignedValue(), 2u);
    EXPECT_EQ(Stabilization(cow_String("NONE")).UnsignedValue(), 0u);
    // Another enumeration's current string converts when it is permitted here too.
    Response steady(kprC_Step_ResponseEnm::STEADY_STATE);
    EXPECT_EQ(SoilsResponse(steady).Value(), kprC_SoilsStep_SoilsResponseEnm::STEADY_STATE);
    EXPECT_EQ(Amplitude(kprC_Step_AmplitudeEnm::RAMP).PermissibleValues(),
              (cow_Map<cow_String, unsigned int>{{"STEP", 0}, {"RAMP", 1}}));
}

TEST(EnumTables, ProcedureTypeWrapperListsTheScriptingStringsInOrder) {
    kprC_ProcedureTypeEnum none(cow_String("NONE"));
    EXPECT_EQ(none.Value(), 1u);
    EXPECT_EQ(kprC_ProcedureTypeEnum(cow_String("STATIC_GENERAL")).Value(), 0x023C0073u);
    EXPECT_EQ(kprC_ProcedureTypeEnum(0x023C006Du).AsString(), "DYNAMIC_IMPLICIT");
    EXPECT_EQ(none.PermissibleValuesAsString(),
              "NONE, ANNEAL, BUCKLE, COUPLED_TEMP_DISPLACEMENT, COUPLED_THERMAL_ELECTRIC, DYNAMIC_IMPLICIT, "
              "DYNAMIC_EXPLICIT, DYNAMIC_SUBSPACE, DYNAMIC_TEMP_DISPLACEMENT, COMPLEX_FREQUENCY, FREQUENCY, "
              "GEOSTATIC, HEAT_TRANSFER, MASS_DIFFUSION, MODAL_DYNAMICS, RANDOM_RESPONSE, RESPONSE_SPECTRUM, SOILS, "
              "STATIC_GENERAL, STATIC_LINEAR_PERTURBATION, STATIC_RIKS, STEADY_STATE_DIRECT, STEADY_STATE_SUBSPACE, "
              "STEADY_STATE_MODAL, USA_ADDED_MASS_GENERATION, VISCO");
    auto const values = none.PermissibleValues();
    EXPECT_EQ(values.size(), 26u);
    for (auto const& [string, code] : values) {
        EXPECT_NE(code, 0x023C007Cu) << string;
        EXPECT_EQ(kprC_ProcedureTypeEnum(code).AsString(), string);
    }
    EXPECT_EQ(Refusal([] { kprC_ProcedureTypeEnum s(0x023C007Cu); }).substr(0, 60),
              "omu_PrimEnum(Enum) - Enum value not allowed: 37486716  Permi");
}

}  // namespace

TEST(EnumStoredForm, EnumerationsStoreTheirStringsAndRefuseUnknownOnes) {
    EXPECT_EQ(cls_EnumCodec<kprC_Step_NlgeomEnm>::ToString(kprC_Step_NlgeomEnm::NOT_AVAILABLE), "NOT_AVAILABLE");
    EXPECT_EQ(cls_EnumCodec<kprC_Step_MatrixSolverEnm>::FromStored("DDM_ITERATIVE"),
              kprC_Step_MatrixSolverEnm::DDM_ITERATIVE);
    try {
        cls_EnumCodec<kprC_Step_NlgeomEnm>::FromStored("on");
        ADD_FAILURE();
    } catch (omu_ValueErrorException const& e) {
        EXPECT_STREQ(e.what(),
                     "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: on  Permissible: OFF, ON, NOT_AVAILABLE");
    }
    EXPECT_THROW(cls_EnumCodec<kprC_Step_NlgeomEnm>::ToString(static_cast<kprC_Step_NlgeomEnm>(9)),
                 omu_ValueErrorException);
}
