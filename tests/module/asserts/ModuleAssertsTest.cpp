#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "module/kad/kadC_assert.h"
#include "module/klc/klcC_assert.h"
#include "module/klo/kloC_assert.h"
#include "module/kpr/kprC_assert.h"
#include "tests/module/asserts/AssertTestSupport.h"

namespace {
Outcome FailLoad(int code) { return RunAssert([&] { kloC_Assert(false, kloC_ErrorEnm(code)); }); }
Outcome FailLoadCase(int code) { return RunAssert([&] { klcC_Assert(false, klcC_ErrorEnm(code)); }); }
Outcome FailContent(int code, cow_String const& name) {
    return RunAssert([&] { klcC_AssertLoadCaseContent(false, klcC_CompoundErrorEnm(code), name); });
}
Outcome FailMesh(int code) { return RunAssert([&] { kadC_Assert(false, kadC_ErrorEnm(code)); }); }

std::set<int> const loadValueErrors = {2, 5, 17, 19, 20, 21, 31, 32, 37, 38, 39, 40, 42};
}  // namespace

TEST(ModuleAsserts, TrueConditionNeverThrows) {
    for (int code = -5; code <= 300; ++code) {
        EXPECT_EQ(RunAssert([&] { kloC_Assert(true, kloC_ErrorEnm(code)); }).kind, Thrown::Nothing) << code;
        EXPECT_EQ(RunAssert([&] { klcC_Assert(true, klcC_ErrorEnm(code)); }).kind, Thrown::Nothing) << code;
        EXPECT_EQ(RunAssert([&] { klcC_AssertLoadCaseContent(true, klcC_CompoundErrorEnm(code), "L"); }).kind,
                  Thrown::Nothing)
            << code;
        EXPECT_EQ(RunAssert([&] { kadC_Assert(true, kadC_ErrorEnm(code)); }).kind, Thrown::Nothing) << code;
        EXPECT_EQ(RunAssert([&] { kprC_Assert(true, kprC_ErrorEnm(code)); }).kind, Thrown::Nothing) << code;
    }
}

TEST(kloC_Assert, RaisesTheExactMessageAsTheCodesException) {
    auto const VE = Thrown::ValueError;
    auto const TX = Thrown::Text;
    std::vector<AssertCase> const cases = {
        {1, "", TX}, {2, "A load cannot be defined in the Initial step.", VE},
        {5, "Load by this name already exists.", VE}, {7, "Load cannot be deactivated.", TX},
        {9, "Load is not active.", TX}, {15, "Cannot reset a load in the step it was created.", TX}, {17, "", VE},
        {19, "distribution=HYDROSTATIC is not allowed in an VELMOR/Explicit step.", VE},
        {20, "The zero pressure elevation (z0) and the reference\npressure elevation (z1) must be distinct.", VE},
        {22, "Cannot move the load because an intermediate step is Created, Modified, or Deactivated.", TX},
        {30, "Cannot move a load into a Modal Steady State Dynamics step.", TX},
        {31, "The specified step either does not exist or is the Initial step.", VE},
        {32, "The load does not exist in the specifed step or is suppressed or inactive.", VE},
        {34, "The specified type of load cannot be created or resumed in this type of step.", TX},
        {35, "Bolt loads cannot be de-activated, there is no on/off behavior.", TX},
        {37, "A bolt load can only be created in the first analysis step which must also be a general step.", VE},
        {38, "A bolt load cannot be created with type 'Fixed'.", VE},
        {40, "DOF for concentrated heat flux must between 11 and 31.", VE},
        {41, "Load must be created with a non-zero magnitudes unless utilizing a user subroutine.", TX},
        {42, "Effective pipe diameter must be greater than zero", VE},
        {43, "Rotational Inertial load sub-category must be atleast either centrifugal or\nrotary acceleration, but not both.",
         TX},
        {44, "Axis of rotation must be defined by (0,0,0), (0,1,0)", TX}, {48, "Unknown load propagation status.", TX},
        {51, "Local orientation cannot be used when inertia relief load is specified \nin all free directions.", TX},
        {54, "Invalid type of load. Flux, charge, current, and flow loads not allowed in a load case.", TX},
        {55, "Connector loads and moments are not yet supported by load cases.", TX},
        {64, "Invalid load propagator error flag. Please report this error.", TX},
        {68, "Reset can only be used in the deactivated step.", TX}, {69, "Fields not enabled yet", TX},
        {70, "A field name must be supplied when the distribution type is set to FIELD.", TX}, {71, "", TX},
        {72, "", TX}, {300, "", TX},
    };
    ExpectRefusals(cases, FailLoad);
}

TEST(kloC_Assert, ValueErrorsExactlyForTheListedCodes) {
    for (int code = -1; code <= 80; ++code)
        EXPECT_EQ(FailLoad(code).kind, loadValueErrors.count(code) ? Thrown::ValueError : Thrown::Text) << code;
}

TEST(kloC_Assert, EveryMessageIsTranslated) {
    std::vector<std::string> raw;
    for (int code = 0; code <= kloC_LAST_ERROR; ++code) raw.push_back(FailLoad(code).message);
    MarkingTranslator translator;
    for (int code = 0; code <= kloC_LAST_ERROR; ++code) {
        auto const& message = raw[code];
        EXPECT_EQ(FailLoad(code).message, message.empty() ? "" : Marked(message)) << code;
        EXPECT_EQ(kloC_ErrorMessage(kloC_ErrorEnm(code)), message.empty() ? "" : Marked(message)) << code;
    }
    EXPECT_EQ(FailLoad(kloC_IN_ANNEAL_STEP).message, "<No loads are allowed in an Anneal step.>");
}

TEST(klcC_Assert, RaisesTheRawMessageOfEachCode) {
    MarkingTranslator translator;  // load case texts are never translated
    std::vector<AssertCase> const cases = {
        {0, "A scale factor cannot be zero or blank."}, {1, "Load case name must be unique to the model."},
        {2, "A load or boundary condition has been specified more than once in same load case."},
        {3, "Load cases are only available for Static Linear Perturbation and Steady-State Dynamics Direct steps."},
        {4, ""}, {-1, ""},
    };
    ExpectRefusals(cases, FailLoadCase);
}

TEST(klcC_AssertLoadCaseContent, PutsTheNameVerbatimInPlaceOfThePlaceholder) {
    MarkingTranslator translator;
    std::vector<AssertCase> const cases = {
        {0, "The load \"Load-1\" is suppressed or does not exist."},
        {1, "The boundary condition \"Load-1\" is suppressed or does not exist."},
        {2, "The field \"Load-1\" is suppressed or does not exist."},
        {3,
         "The load \"Load-1\" is suppressed or does not exist.\n\nAvailable loads may be viewed by clicking the Add... "
         "button."},
        {4,
         "The boundary condition \"Load-1\" is suppressed or does not exist.\n\nAvailable boundary conditions may be "
         "viewed by clicking the Add... button."},
        {5,
         "The field \"Load-1\" is suppressed or does not exist.\n\nAvailable fields may be viewed by clicking the "
         "Add... button."},
        {6, ""},
    };
    ExpectRefusals(cases, [](int code) { return FailContent(code, "Load-1"); });
    // Placeholders and quotes inside the name are not expanded again.
    EXPECT_EQ(FailContent(klcC_BOUNDARY_CONDITION_MISSING, "BC %s %d \"x\"").message,
              "The boundary condition \"BC %s %d \"x\"\" is suppressed or does not exist.");
    EXPECT_EQ(FailContent(klcC_LOAD_MISSING, "").message, "The load \"\" is suppressed or does not exist.");
}

TEST(kadC_Assert, RaisesTheRawMessageOfEachCode) {
    MarkingTranslator translator;  // adaptive meshing texts are never translated
    std::vector<AssertCase> const cases = {
        {0, "Frequency value must be greater than zero."}, {1, "Initial remeshing sweeps must be greater than zero."},
        {2, "Sweeps per increment must be greater than zero."},
        {3, "Free boundary upwinding factor must be greater than or equal to zero and less than or equal to one."},
        {4, "Initial feature angle must be greater than or equal to zero and less than or equal to 180."},
        {5, "Transition feature angle must be greater than or equal to zero and less than or equal to 180."},
        {6, "Volumetric smoothing weight must be greater than or equal to zero."},
        {7, "Laplacian smoothing weight must be greater than or equal to zero."},
        {8, "Equipotential smoothing weight must be greater than or equal to zero."},
        {9, "Mesh constraint angle must be greater than or equal to zero and less than or equal to 180."},
        {10, "The sum of smoothing weights must be less than or equal to one."}, {11, "A region must be specified."},
        {12, "Curvature refinement must be greater than or equal to zero."},
        {13, "Original configuration projection weight must be greater than or equal to zero."}, {14, ""}, {-1, ""},
    };
    ExpectRefusals(cases, FailMesh);
}
