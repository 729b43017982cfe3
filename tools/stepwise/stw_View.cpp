#include "tools/stepwise/stw_View.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "platform/mdl/mdl_PropagationStatus.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "module/kpr/steps/kprC_StepContainer.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "tools/stepwise/stw_Loads.h"
#include "tools/stepwise/stw_Model.h"

namespace {
// By status value; 9 to 15 never arise for loads but read sensibly if a file holds them.
stw_StatusWord const words[] = {
    {"-", "2", "not yet created"},
    {"created", "1;32", "created in this step"},
    {"propagated", "32", "in force, unchanged from the step before"},
    {"modified", "1;33", "modified in this step"},
    {"deactivated", "1;31", "deactivated in this step"},
    {"inactive", "2", "deactivated in an earlier step"},
    {"not valid", "1;35", "would be in force, but its type is not valid in this step's procedure"},
    {"outside", "2", "created in a perturbation step: not in force in this one"},
    {"base state", "36", "in force as part of the base state of this perturbation step"},
    {"propagated (base)", "32", "unchanged, met in a run of base-state steps"},
    {"modified (base)", "33", "modified, met in a run of base-state steps"},
    {"status 11", "35", "a status loads do not use"},
    {"status 12", "35", "a status loads do not use"},
    {"status 13", "35", "a status loads do not use"},
    {"status 14", "35", "a status loads do not use"},
    {"status 15", "35", "a status loads do not use"},
};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string NlgeomText(bool on) { return on ? "ON" : "OFF"; }

// A table as lines of padded columns two spaces apart, under a bold header line unless
// `withHeader` is false; `colours` (same shape as `rows`, or empty) wraps each cell in its
// ANSI colour, after padding so the columns stay aligned. Every line has the header's
// columns: a shorter row is padded with empty cells, a longer one cut.
using Cells = std::vector<std::string>;
std::string Table(Cells const& header, std::vector<Cells> const& rows, std::vector<Cells> const& colours,
                  bool colour, bool withHeader = true) {
    std::size_t const n = header.size();
    auto at = [](Cells const* cells, std::size_t c) -> std::string const& {
        static std::string const none;
        return cells && c < cells->size() ? (*cells)[c] : none;
    };
    std::vector<std::size_t> widths(n);
    for (std::size_t c = 0; c < n; ++c) {
        widths[c] = header[c].size();
        for (auto const& row : rows) widths[c] = std::max(widths[c], at(&row, c).size());
    }
    auto line = [&](Cells const& cells, Cells const* paint, char const* all) {
        std::size_t last = n;  // trailing empty cells are left off, not padded
        while (last > 1 && at(&cells, last - 1).empty()) --last;
        std::string text = " ";
        for (std::size_t c = 0; c < last; ++c) {
            std::string cell = at(&cells, c);
            if (c + 1 < last) cell.resize(widths[c], ' ');
            char const* sgr = !at(paint, c).empty() ? at(paint, c).c_str() : all;
            text += " ";
            text += colour && sgr ? "\x1b[" + std::string(sgr) + "m" + cell + "\x1b[0m" : cell;
            if (c + 1 < last) text += " ";
        }
        return text + "\n";
    };
    std::string text = withHeader ? line(header, nullptr, "1") : "";
    for (std::size_t r = 0; r < rows.size(); ++r) text += line(rows[r], colours.empty() ? nullptr : &colours[r], nullptr);
    return text;
}

std::string Heading(std::string const& title, bool colour) {
    return colour ? "\x1b[1;4m" + title + "\x1b[0m\n" : title + "\n";
}

// The text with every byte outside printable ASCII as \xHH, for a message.
std::string Printable(std::string const& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f) {
            out += char(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(std::string const& text) {
    auto const* p = reinterpret_cast<unsigned char const*>(text.data());
    auto const* end = p + text.size();
    while (p < end) {
        unsigned c = *p++;
        int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xe ? 2 : (c >> 3) == 0x1e ? 3 : -1;
        if (more < 0 || end - p < more) return false;
        unsigned v = more == 0 ? c : c & (0x3f >> more);
        for (int i = 0; i < more; ++i, ++p) {
            if ((*p & 0xc0) != 0x80) return false;
            v = (v << 6) | (*p & 0x3f);
        }
        unsigned const least[] = {0, 0x80, 0x800, 0x10000};
        if (v < least[more] || v > 0x10ffff || (v >= 0xd800 && v <= 0xdfff)) return false;
    }
    return true;
}

std::string const& Text(char const* what, std::string const& text) {
    if (!IsUtf8(text))
        throw stw_Failure(std::string("cannot write JSON: the ") + what + " \"" + Printable(text) +
                              "\" is not valid UTF-8",
                          stw_INVALID);
    return text;
}

double Finite(std::string const& what, double value) {
    if (!std::isfinite(value))
        throw stw_Failure("cannot write JSON: " + what + " is " + Number(value) + ", not a finite number", stw_INVALID);
    return value;
}

// The status's scripting string, or its number for a status without one.
nlohmann::json StatusCode(unsigned status) {
    char const* code = omu_PrimEnum<mdl_PropagationStatusEnm, 1>::StringOf(mdl_Status(status));
    return code ? nlohmann::json(code) : nlohmann::json(status);
}

// The statuses that appear in the matrix, in value order.
std::set<unsigned> Shown(stw_View const& view) {
    std::set<unsigned> shown;
    for (auto const* rows : {&view.loads, &view.constraints})
        for (auto const& row : *rows) shown.insert(row.statuses.begin(), row.statuses.end());
    return shown;
}
}  // namespace

stw_StatusWord stw_Word(unsigned status) {
    if (status == stw_NoRecord) return {"?", "1;35", "the load or constraint has no record for this step"};
    return status < std::size(words) ? words[status] : stw_StatusWord{"unknown", "35", "an unknown status"};
}

stw_View stw_BuildView(ddr_Model const& model) {
    stw_View view;
    auto const& steps = model.Extension<kprC_StepContainer>(ddr_Model::stepCmd());
    for (kprC_StepContainerIT it(steps); !it.IsDone(); it.Next())
        view.steps.push_back({it.Name(), kprC_ProcedureLabel(it.Current().ProcedureType()), steps.Nlgeom(it.Name()), it.Current().TimePeriod()});
    std::vector<std::string> analysis;
    for (std::size_t i = 1; i < view.steps.size(); ++i) analysis.push_back(view.steps[i].name);
    view.loads = stw_LoadRows(model, analysis);
    std::vector<std::string> all;
    for (auto const& s : view.steps) all.push_back(s.name);
    view.constraints = stw_ConstraintRows(model, all);
    return view;
}

std::string stw_Render(stw_View const& view, bool colour) {
    std::vector<Cells> stepRows;
    for (auto const& s : view.steps) stepRows.push_back({s.name, s.procedure, NlgeomText(s.nlgeom), Number(s.timePeriod)});
    std::string text = Heading("Steps", colour) + Table({"Step", "Procedure", "Nlgeom", "Time period"}, stepRows, {}, colour);

    text += "\n" + Heading("Loading history", colour);
    if (view.loads.empty() && view.constraints.empty()) return text + "  No loads.\n";
    // Loads over the analysis steps; constraints, when there are any, from the Initial step.
    auto matrix = [&](char const* kind, std::vector<stw_LoadRow> const& members, std::size_t firstStep) {
        Cells header = {kind, "Type"};
        for (std::size_t i = firstStep; i < view.steps.size(); ++i) header.push_back(view.steps[i].name);
        std::vector<Cells> rows, paints;
        for (auto const& member : members) {
            rows.push_back({member.name + (member.suppressed ? " (suppressed)" : ""), member.type});
            paints.push_back({"", ""});
            for (unsigned status : member.statuses) {
                rows.back().push_back(stw_Word(status).word);
                paints.back().push_back(stw_Word(status).colour);
            }
        }
        return Table(header, rows, paints, colour);
    };
    text += view.loads.empty() ? "  No loads.\n" : matrix("Load", view.loads, 1);
    if (!view.constraints.empty())
        text += "\n" + Heading("Adaptive mesh constraints", colour) + matrix("Constraint", view.constraints, 0);

    text += "\n" + Heading("Legend", colour);
    std::vector<Cells> legend, legendPaints;
    for (unsigned status : Shown(view)) {
        legend.push_back({stw_Word(status).word, stw_Word(status).meaning});
        legendPaints.push_back({stw_Word(status).colour, ""});
    }
    return text + Table({"Status", "Meaning"}, legend, legendPaints, colour, false);
}

nlohmann::json stw_ToJson(stw_View const& view) {
    nlohmann::json steps = nlohmann::json::array(), legend = nlohmann::json::array();
    for (auto const& s : view.steps)
        steps.push_back({{"name", Text("step name", s.name)},
                         {"procedure", s.procedure},
                         {"nlgeom", s.nlgeom},
                         {"timePeriod", Finite("the time period of step " + Printable(s.name), s.timePeriod)}});
    auto members = [&](std::vector<stw_LoadRow> const& rows, std::size_t firstStep, char const* what) {
        nlohmann::json out = nlohmann::json::array();
        for (auto const& row : rows) {
            nlohmann::json history = nlohmann::json::array();
            for (std::size_t i = 0; i < row.statuses.size() && i + firstStep < view.steps.size(); ++i)
                history.push_back({{"step", view.steps[i + firstStep].name},
                                   {"status", stw_Word(row.statuses[i]).word},
                                   {"code", StatusCode(row.statuses[i])}});
            out.push_back(
                {{"name", Text(what, row.name)}, {"type", row.type}, {"suppressed", row.suppressed}, {"history", history}});
        }
        return out;
    };
    nlohmann::json const loads = members(view.loads, 1, "load name");
    nlohmann::json const constraints = members(view.constraints, 0, "constraint name");
    for (unsigned status : Shown(view))
        legend.push_back({{"status", stw_Word(status).word}, {"meaning", stw_Word(status).meaning}});
    return {{"steps", steps}, {"loads", loads}, {"adaptiveMeshConstraints", constraints}, {"legend", legend}};
}
