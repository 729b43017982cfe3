// The default tables, the rules of the primary controls and of the field lists, and the
// operations on the shared field parameters. Every rule that reads a list at a fixed
// position first checks that the list is long enough, whatever a stored file held.
#include "module/kpr/controls/kprC_PrimaryControls.h"

#include <cmath>

#include "platform/nex/nex_Exception.h"

namespace {
void AssertLength(kprC_ControlsList const& list, std::size_t size, char const* name) {
    if (list.size() < size) throw nex_TextException(cls_ShortListMessage(name, size, list.size()));
}

bool IntegralOrZero(double value) { return value == 0.0 || std::floor(value) == value; }

// Entries [0, count) not negative.
void AssertNotNegative(kprC_ControlsList const& list, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) kprC_Assert(list[i] >= 0.0, kprC_CONTROLS_DATA_NEGATIVE);
}

// A field list as the 10-entry parameters: the displacement field without its last entry.
kprC_ControlsList Basic(kprC_ControlsList const& list, bool extra) {
    if (!extra || list.empty()) return list;
    return kprC_ControlsList(list.begin(), list.end() - 1);
}
}  // namespace

kprC_ControlsList kprC_PrimaryControls::constraintsDef() { return {1.0e-5, 1.0e-5, 1.0e-5, 0.005, 0.1, 1.0e-5, 1.0e-5}; }

kprC_ControlsList kprC_PrimaryControls::lineSearchDef() { return {0.0, 1.0, 0.0001, 0.25, 0.1}; }

// Positions 1, 2 are I(O) and I(R), 10 is I(T), 27 the fraction of the stability limit, 28 Dp.
kprC_ControlsList kprC_PrimaryControls::timeIncrementationDef(bool discontinuous) {
    return {discontinuous ? 8.0 : 4.0, discontinuous ? 10.0 : 8.0, 9.0, 16.0, 10.0, 4.0, 12.0, 5.0, 6.0, 3.0,
            50.0, 0.25, 0.5, 0.75, 0.85, 0.25, 0.25, 1.5, 0.75, 0.8, 1.5, 1.25, 2.0, 1.0, 0.1, 1.0, 0.95, 1.0};
}

// Positions 3 and 4 are the initial and the user-defined time average flux.
kprC_ControlsList kprC_PrimaryControls::fieldDef(bool extra) {
    kprC_ControlsList list{0.005, 0.01, 0.0, 0.0, 0.02, 1.0e-5, 0.001, 1.0e-8, 1.0, 1.0e-5};
    if (extra) list.push_back(fieldExtraEntry);
    return list;
}

void kprC_PrimaryControls::AssertValid() const {
    AssertLength(constraints_, constraintsSize, "constraints");
    AssertLength(lineSearch_, lineSearchSize, "lineSearch");
    AssertLength(timeIncrementation_, timeIncrementationSize, "timeIncrementation");
    auto const& t = timeIncrementation_;
    auto const& ls = lineSearch_;
    kprC_Assert(!(allowPropagation() && resetDefaultValues()), kprC_CONTROLS_PROPAGATION_AND_RESET);
    if (discontinuous_) {
        kprC_Assert(t[0] == 8.0, kprC_DISCONTINUOUS_IO_CHANGED);
        kprC_Assert(t[1] == 10.0, kprC_DISCONTINUOUS_IR_CHANGED);
    }
    kprC_Assert(IntegralOrZero(ls[0]), kprC_LINE_SEARCH_ITERATIONS_NOT_INTEGER);
    // Eleven entries, although the message says ten: entry 11 was inserted later.
    for (std::size_t i = 0; i < 11; ++i) kprC_Assert(IntegralOrZero(t[i]), kprC_TIME_INCREMENTATION_NOT_INTEGER);
    kprC_Assert(ls[0] >= 0.0, kprC_LINE_SEARCH_ITERATIONS_NEGATIVE);
    kprC_Assert(t[9] <= 10.0, kprC_TIME_INCREMENTATION_IT_ABOVE_10);
    kprC_Assert(t[26] <= 1.0, kprC_STABILITY_LIMIT_FRACTION_ABOVE_1);
    kprC_Assert(t[0] >= 3.0, kprC_TIME_INCREMENTATION_IO_BELOW_3);
    kprC_Assert(t[27] >= 1.0, kprC_TIME_INCREMENTATION_DP_BELOW_1);
    AssertNotNegative(constraints_, constraintsSize);
    AssertNotNegative(lineSearch_, lineSearchSize);
    AssertNotNegative(timeIncrementation_, 27);
}

void kprC_PrimaryControls::AssertFields(std::initializer_list<Field> fields) {
    for (auto const& f : fields) AssertLength(*f.list, f.extra ? fieldSize + 1 : fieldSize, f.name);
    for (auto const& f : fields) AssertNotNegative(*f.list, 7);
    for (auto const& f : fields) kprC_Assert((*f.list)[2] == 0.0 || (*f.list)[3] == 0.0, f.fluxError);
}

std::vector<kprC_PrimaryControls::Field> kprC_PrimaryControls::Fields() const {
    std::vector<Field> fields;
    CollectFields(fields);
    return fields;
}

bool kprC_PrimaryControls::HasGlobalFieldValue() const {
    if (HasDefaultValue()) return true;
    auto const fields = Fields();
    for (auto const& f : fields)
        if (Basic(*f.list, f.extra) != Basic(*fields.front().list, fields.front().extra)) return false;
    return true;
}

kprC_ControlsList kprC_PrimaryControls::BasicGlobalFieldValue() const {
    auto const fields = Fields();
    if (fields.empty() || !HasGlobalFieldValue()) return {};
    return Basic(*fields.front().list, fields.front().extra);
}

kprC_ControlsList kprC_PrimaryControls::GlobalFieldValue() const {
    auto const fields = Fields();
    if (fields.empty() || !HasGlobalFieldValue()) return {};
    if (fields.front().extra) return *fields.front().list;
    kprC_ControlsList list = *fields.front().list;
    list.push_back(fieldExtraEntry);
    return list;
}

void kprC_PrimaryControls::SetGlobalField(kprC_ControlsList const& list) {
    if (list.size() != fieldSize && list.size() != fieldSize + 1)
        throw omu_ValueErrorException("The global field must hold " + std::to_string(fieldSize) + " or " +
                                      std::to_string(fieldSize + 1) + " entries; it holds " +
                                      std::to_string(list.size()) + ".");
    kprC_ControlsList basic(list.begin(), list.begin() + fieldSize);
    kprC_ControlsList extended = basic;
    extended.push_back(list.size() > fieldSize ? list.back() : fieldExtraEntry);
    // The lists are this object's own members, reached through the level that holds them.
    for (auto const& f : Fields()) *const_cast<kprC_ControlsList*>(f.list) = f.extra ? extended : basic;
}

void kprC_PrimaryControls::cls_ScriptMore(std::vector<cls_ScriptAttribute>& out) {
    cls_AddScriptAttribute<kprC_PrimaryControls, kprC_ControlsList>(
        out, [](kprC_PrimaryControls const& c) { return c.GlobalFieldValue(); },
        [](kprC_PrimaryControls& c, kprC_ControlsList list) { c.SetGlobalField(list); }, globalFieldCmd().c_str(), "");
    out.back().type.derived = true;
}

CLS_DEFINE(kprC_PrimaryControls)
