// The procedure codes: every classification function on every code, the solution
// controls by class id, the label map and bit map (per thread, created once), and the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <latch>
#include <set>
#include <thread>

#include "module/kpr/procedures/kprC_LabelsBitMap.h"
#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/procedures/kprC_ProcedureTable.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/nex/nex_Exception.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "platform/thr/thr_ThreadSingleton.h"

namespace {

// Expected answers per code. Letters in `always`: X explicit, P perturbation,
// F frequency/buckle (and modes), I implicit/modal, C coupled, L load case,
// N number interval, T time interval, p time point, m time marks, o output frequency.
// Letters in `byFlag`: p and m answer the flag, o its negation.
struct Procedure {
    unsigned int code;
    char const* label;
    char const* script;
    unsigned int bit;
    char const* always;
    char const* byFlag;
};

Procedure const procedures[] = {
    {0x023C0065, "Anneal", "ANNEAL", 0x1, "XN", "m"},
    {0x023C0066, "Buckle", "BUCKLE", 0x2, "PF", ""},
    {0x023C0067, "Coupled temp-displacement", "COUPLED_TEMP_DISPLACEMENT", 0x8, "CNTpmo", ""},
    {0x023C0068, "Coupled thermal-electric", "COUPLED_THERMAL_ELECTRIC", 0x10, "CNTpmo", ""},
    {0x023C0069, "Dynamic, Explicit", "DYNAMIC_EXPLICIT", 0x40, "XNT", "pmo"},
    {0x023C006A, "Frequency\\@PROCEDURE_FREQUENCY", "FREQUENCY", 0x200, "PF", ""},
    {0x023C006B, "Geostatic", "GEOSTATIC", 0x400, "o", ""},
    {0x023C006C, "Heat transfer", "HEAT_TRANSFER", 0x800, "NTpmo", ""},
    {0x023C006D, "Dynamic, Implicit", "DYNAMIC_IMPLICIT", 0x20, "INTpmo", ""},
    {0x023C006E, "Mass diffusion\\@PROCEDURE_MASS_DIFFUSION", "MASS_DIFFUSION", 0x1000, "NTpmo", ""},
    {0x023C006F, "Modal dynamics", "MODAL_DYNAMICS", 0x2000, "PINTpo", ""},
    {0x023C0070, "Random response", "RANDOM_RESPONSE", 0x4000, "Po", ""},
    {0x023C0071, "Response spectrum", "RESPONSE_SPECTRUM", 0x8000, "Po", ""},
    {0x023C0072, "Soils", "SOILS", 0x10000, "NTpmo", ""},
    {0x023C0073, "Static, General", "STATIC_GENERAL", 0x20000, "NTpmo", ""},
    {0x023C0074, "Static, Riks", "STATIC_RIKS", 0x80000, "o", ""},
    {0x023C0075, "Static, Linear perturbation", "STATIC_LINEAR_PERTURBATION", 0x40000, "PLo", ""},
    {0x023C0076, "Steady-state dynamics, Direct", "STEADY_STATE_DIRECT", 0x100000, "PLo", ""},
    {0x023C0077, "Steady-state dynamics, Modal", "STEADY_STATE_MODAL", 0x200000, "Po", ""},
    {0x023C0078, "Dynamic, Subspace", "DYNAMIC_SUBSPACE", 0x80, "NTpo", ""},
    {0x023C0079, "USA added mass generation", "USA_ADDED_MASS_GENERATION", 0x1000000, "", ""},
    {0x023C007A, "Visco", "VISCO", 0x2000000, "NTpmo", ""},
    {0x023C007B, "Dynamic, Temp-disp, Explicit", "DYNAMIC_TEMP_DISPLACEMENT", 0x100, "XCNT", "pmo"},
    {0x023C007C, "Substructure generation", "", 0x800000, "", ""},
    {0x023C007D, "Complex frequency", "COMPLEX_FREQUENCY", 0x4, "PF", ""},
    {0x023C007E, "Steady-state dynamics, Subspace", "STEADY_STATE_SUBSPACE", 0x400000, "Po", ""},
};

// Codes that are not procedures: the Initial step's 1, its class id, neighbours of the range.
unsigned int const nonProcedures[] = {0, 1, 0x023C002D, 0x023C0041, 0x023C0064, 0x023C007F, 0x023D0065, 0xFFFFFFFF};

bool Has(char const* letters, char letter) { return std::string_view(letters).find(letter) != std::string_view::npos; }

void ExpectClassification(unsigned int code, char const* always, char const* byFlag) {
    SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << code);
    std::pair<char, bool (*)(unsigned int)> const plain[] = {
        {'X', kprC_IsExplicit},        {'P', kprC_IsPerturbation},   {'F', kprC_IsFrequencyBuckle},
        {'F', kprC_ModesIsAllowed},    {'I', kprC_IsImplicitModal},  {'C', kprC_IsCoupledStep},
        {'L', kprC_LoadCaseIsAllowed}, {'N', kprC_NumberIntervalIsAllowed}, {'T', kprC_TimeIntervalIsAllowed}};
    for (auto const& [letter, function] : plain) EXPECT_EQ(function(code), Has(always, letter)) << letter;
    struct Flagged {
        char letter;
        bool (*function)(unsigned int, bool);
        bool negated;
    } const flagged[] = {{'p', kprC_TimePointIsAllowed, false},
                         {'m', kprC_TimeMarksIsAllowed, false},
                         {'o', kprC_OutputFrequencyIsAllowed, true}};
    for (auto const& f : flagged)
        for (bool flag : {false, true}) {
            bool const expected = Has(byFlag, f.letter) ? flag != f.negated : Has(always, f.letter);
            EXPECT_EQ(f.function(code, flag), expected) << f.letter << " flag " << flag;
        }
}

TEST(ProcedureClassification, EveryFunctionOnEveryCode) {
    for (auto const& p : procedures) ExpectClassification(p.code, p.always, p.byFlag);
    for (unsigned int code : nonProcedures) ExpectClassification(code, "", "");
}

TEST(ProcedureClassification, SolutionControlsByClassId) {
    // Letters: R rotation/displacement/hydrostatic, T temperature, P pore, C concentration, E electrical.
    struct Row {
        unsigned int id;
        char const* has;
    } const rows[] = {{0x023C0041, "R"}, {0x023C0042, "RT"}, {0x023C0043, "RP"}, {0x023C0044, "C"},
                      {0x023C0045, "T"}, {0x023C0046, "TE"}, {0x023C0047, "RE"}, {0x023C0040, ""},
                      {0x023C0048, ""},  {0x023C0073, ""},   {1, ""},          {0, ""}};
    for (auto const& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << "id 0x" << r.id);
        EXPECT_EQ(kprC_HasRotationControls(r.id), Has(r.has, 'R'));
        EXPECT_EQ(kprC_HasDisplacementControls(r.id), Has(r.has, 'R'));
        EXPECT_EQ(kprC_HasHydrostaticControls(r.id), Has(r.has, 'R'));
        EXPECT_EQ(kprC_HasTemperatureControls(r.id), Has(r.has, 'T'));
        EXPECT_EQ(kprC_HasPoreControls(r.id), Has(r.has, 'P'));
        EXPECT_EQ(kprC_HasConcentrationControls(r.id), Has(r.has, 'C'));
        EXPECT_EQ(kprC_HasElectricalControls(r.id), Has(r.has, 'E'));
    }
    EXPECT_EQ(kprC_InitialStepName(), "Initial step");
}

// The procedures in registration order: ascending bits.
std::vector<Procedure> InRegistrationOrder() {
    std::vector<Procedure> ordered(std::begin(procedures), std::end(procedures));
    std::sort(ordered.begin(), ordered.end(), [](auto const& a, auto const& b) { return a.bit < b.bit; });
    return ordered;
}

// The label map and the procedure table list the procedures in registration order with
// their texts (the table's without the translation context "\@..."), scripting strings and bits.
TEST(ProcedureLabels, LabelMapAndTableHoldTheProceduresInRegistrationOrder) {
    auto const& map = thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance();
    auto const ordered = InRegistrationOrder();
    auto const codes = map.ProcedureTypes();
    auto const rows = kprC_ProcedureTable();
    ASSERT_EQ(codes.size(), ordered.size());
    ASSERT_EQ(rows.size(), ordered.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        std::string const label = ordered[i].label;
        EXPECT_EQ(codes[i], ordered[i].code);
        EXPECT_EQ(map.LabelTexts().at(codes[i]), label);
        EXPECT_EQ(rows[i].code, ordered[i].code);
        EXPECT_EQ(rows[i].label, label.substr(0, label.find("\\@")));
        EXPECT_EQ(rows[i].scriptingString, ordered[i].script);
        EXPECT_EQ(static_cast<unsigned int>(rows[i].bit), ordered[i].bit);
    }
    EXPECT_EQ(map.LabelTexts().count(1), 0u);
}

TEST(ProcedureLabels, BitsFollowRegistrationOrderAndAreDistinct) {
    auto const& bits = thr_ThreadSingleton<kprC_LabelsBitMap>::Instance();
    std::set<int> seen;
    for (auto const& p : procedures) {
        EXPECT_EQ(static_cast<unsigned int>(bits.Value(p.code)), p.bit) << std::hex << p.code;
        seen.insert(bits.Value(p.code));
    }
    EXPECT_EQ(seen.size(), 26u);
    for (unsigned int code : nonProcedures) {
        char expected[96];
        std::snprintf(expected, sizeof expected,
                      "\"kprC_LabelsBitMap::Value - not a procedure type code: 0x%08X\"==0", code);
        try {
            bits.Value(code);
            ADD_FAILURE() << "accepted " << code;
        } catch (nex_AssertException const& e) {
            EXPECT_STREQ(e.what(), expected);
        }
    }
}

TEST(ProcedureLabels, BitMapIsPerThread) {
    thr_ThreadSingleton<kprC_LabelsBitMap>::Release();
    kprC_LabelsBitMap const* mine = &thr_ThreadSingleton<kprC_LabelsBitMap>::Instance();
    kprC_LabelsBitMap const* theirs = nullptr;
    int theirBit = 0, usersDuring = 0;
    std::thread other([&] {
        theirs = &thr_ThreadSingleton<kprC_LabelsBitMap>::Instance();
        theirBit = theirs->Value(kprC_STATIC_STEP_ID);
        usersDuring = thr_ThreadSingleton<kprC_LabelsBitMap>::Users();
    });
    other.join();
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(theirBit, 0x20000);
    EXPECT_EQ(usersDuring, 2);
    EXPECT_EQ(thr_ThreadSingleton<kprC_LabelsBitMap>::Users(), 1);
    thr_ThreadSingleton<kprC_LabelsBitMap>::Release();
}

TEST(ProcedureLabels, LabelMapIsCreatedOnceAcrossThreadsWithTheInstalledTranslator) {
    thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Destroy();
    std::atomic<int> translations{0};
    auto previous = atr_SetTranslator([&](std::string_view s) {
        ++translations;
        return "<" + std::string(s) + ">";
    });
    std::latch start(8);
    kprC_ProcedureTypeLabelMap const* seen[8] = {};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            seen[i] = &thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance();
        });
    for (auto& t : threads) t.join();
    atr_SetTranslator(previous);

    EXPECT_EQ(translations.load(), 26);
    for (auto const* s : seen) EXPECT_EQ(s, seen[0]);
    for (auto const& p : procedures) {
        EXPECT_EQ(seen[0]->TranslatedLabels().at(p.code), "<" + std::string(p.label) + ">");
        EXPECT_EQ(seen[0]->LabelTexts().at(p.code), p.label);
    }
    thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Destroy();
}

}  // namespace
