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

// The strings are the enumerator names (the declaring macro makes both from one list),
// so a few tables of each module and size stand for all.
TEST(EnumTables, TablesHoldTheirPermittedStringsInOrderAndRoundTrip) {
    EXPECT_TABLE(kloC_Traction_AxisEnm, "AXIS_1", "AXIS_2", "AXIS_3");
    EXPECT_TABLE(kloC_Pressure_PressureTypeEnum, "UNIFORM", "USER_DEFINED", "HYDROSTATIC", "FIELD", "STAGNATION",
                 "VISCOUS");
    EXPECT_TABLE(kprC_FrequencyStep_AllEigenEnm, "ALL");
    EXPECT_TABLE(kprC_Step_MatrixSolverEnm, "DIRECT_SYMMETRIC", "DIRECT_UNSYMMETRIC", "SOLVER_DEFAULT",
                 "DDM_ITERATIVE", "SYMMETRIC", "UNSYMMETRIC");
    EXPECT_TABLE(kprC_MassScaling_MassScalingObjectiveEnm, "SEMI_AUTOMATIC", "AUTOMATIC", "REINITIALIZE",
                 "DISABLE_THROUGHOUT_STEP");
    EXPECT_TABLE(kprC_AdptMeshCons_CategoryEnm, "MECHANICAL", "THERMAL", "FLUID", "ELECTRICAL", "MASS_DIFFUSION",
                 "ACOUSTIC", "OTHER");
    EXPECT_TABLE(kadC_AdptMeshCtrl_SmoothingAlgorithmEnm, "STANDARD", "GEOMETRY_ENHANCED", "ANALYSIS_PRODUCT_DEFAULT");
    EXPECT_TABLE(kadC_AdptMeshDomain_SweepsEnm, "DEFAULT");
}

using Nlgeom = omu_PrimEnum<kprC_Step_NlgeomEnm, 1>;
using MatrixSolver = omu_PrimEnum<kprC_Step_MatrixSolverEnm, 1>;

TEST(EnumTables, NlgeomAcceptsOnlyTheExactUpperCaseString) {
    Nlgeom n(kprC_Step_NlgeomEnm::OFF);
    EXPECT_FALSE(n.SetValue("on") || n.SetValue("On"));
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

TEST(EnumStoredForm, EnumerationsStoreTheirStringsAndRefuseUnknownOnes) {
    EXPECT_EQ(cls_EnumCodec<kprC_Step_NlgeomEnm>::ToString(kprC_Step_NlgeomEnm::NOT_AVAILABLE), "NOT_AVAILABLE");
    EXPECT_EQ(cls_EnumCodec<kprC_Step_MatrixSolverEnm>::FromStored("DDM_ITERATIVE"),
              kprC_Step_MatrixSolverEnm::DDM_ITERATIVE);
    EXPECT_EQ(Refusal([] { cls_EnumCodec<kprC_Step_NlgeomEnm>::FromStored("on"); }),
              "omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: on  Permissible: OFF, ON, NOT_AVAILABLE");
    EXPECT_THROW(cls_EnumCodec<kprC_Step_NlgeomEnm>::ToString(static_cast<kprC_Step_NlgeomEnm>(9)),
                 omu_ValueErrorException);
}

}  // namespace
