#pragma once
// Whole-model save and open: every extension of the model is one root of the model
// file, named by its key. Objects shared between extensions (a step held by the step
// container and by the step lists of the propagating containers) are written once and
// stay shared after opening.
#include <string>

#include "platform/ddr/ddr_Model.h"

class hst_ModelFile {
public:
    static void Save(ddr_Model const& model, std::string const& path);
    // A model with the extensions read from the file; a registered extension that the
    // file lacks stays empty. The library must be initialised (kloC_initialize).
    static ddr_Model Open(std::string const& path);
};
