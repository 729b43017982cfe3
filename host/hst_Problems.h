#pragma once
// Every refusal a model's objects raise when checked: each analysis step's own rules,
// then its controls', in history order, then the first step that may not follow the
// ones before it, then each load in name order, then each adaptive mesh control in name
// order and each step's adaptive mesh domains in history order. What `stepwise check`
// prints and what scripts get from validate().
#include <string>
#include <vector>

#include "platform/ddr/ddr_Model.h"

// The kind and name of the object, the exact message, and a line that explains it further
// (empty when the message says it all).
struct hst_Problem {
    std::string kind;  // "step", "load", "adaptive mesh constraint", "adaptive mesh control" or
                       // "adaptive mesh domain"
    std::string name;
    std::string message;
    std::string detail = {};
    bool operator==(hst_Problem const&) const = default;
    // "step 'Step-1': Initial increment must be greater than zero"
    std::string Text() const { return kind + " '" + name + "': " + message; }
};

std::vector<hst_Problem> hst_Problems(ddr_Model const& model);

// "Step 'Step-2' does not allow adaptive mesh domains.": the refusal of a domain in a step
// whose procedure has none.
std::string hst_NoDomainsMessage(std::string const& stepName);
