#pragma once
// What `stepwise show` and `stepwise demo` print: the step table and the loading-history
// matrix of a model, gathered once and then rendered as text (plain or coloured) or as JSON.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/ddr/ddr_Model.h"

struct stw_StepRow {
    std::string name;
    std::string procedure;  // the procedure's label
    bool nlgeom;            // nonlinear geometry in effect in this step
    double timePeriod;
    bool operator==(stw_StepRow const&) const = default;
};

// The status shown where a load has no record for a step.
inline constexpr unsigned stw_NoRecord = 99;

// One load (or adaptive mesh constraint): its status in every step it can have a record
// for, in step order (placed by step name).
struct stw_LoadRow {
    std::string name;
    std::string type;  // the load type's label
    bool suppressed;
    std::vector<unsigned> statuses;
    bool operator==(stw_LoadRow const&) const = default;
};

struct stw_View {
    std::vector<stw_StepRow> steps;  // the Initial step first
    std::vector<stw_LoadRow> loads;  // by name
    // Adaptive mesh constraints by name, their statuses from the Initial step on.
    std::vector<stw_LoadRow> constraints;
    bool operator==(stw_View const&) const = default;
};

// How a propagation status reads in the matrix: a word or two, its colour on a terminal
// and the legend's sentence.
struct stw_StatusWord {
    char const* word;
    char const* colour;  // an ANSI SGR parameter
    char const* meaning;
};
stw_StatusWord stw_Word(unsigned status);

stw_View stw_BuildView(ddr_Model const& model);
std::string stw_Render(stw_View const& view, bool colour);
// Raises stw_Failure for a name that is not valid UTF-8 and a number that is not finite,
// which JSON cannot hold (it would write null).
nlohmann::json stw_ToJson(stw_View const& view);
