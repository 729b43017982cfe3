#pragma once
// Whole-model save and open: every extension of the model is one root of the model
// file, named by its key. Objects shared between extensions (a step held by the step
// container and by the step lists of the propagating containers) are written once and
// stay shared after opening.
//
// Opening refuses, with a sto_ModelFileException naming the file, anything a model of
// this library cannot be: a value that does not fit its attribute (named by table, row
// and column), a member of another class than the model registers under its key, a file
// without steps, and propagating objects whose stored histories do not follow the steps
// (kprC_StoredHistoryProblem).
#include <string>

#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/ddr/ddr_Model.h"

class hst_ModelFile {
public:
    static void Save(ddr_Model const& model, std::string const& path);
    // The tables the model is stored as, before they are written to a file.
    static dbs_Database Image(ddr_Model const& model);
    // A model with the extensions read from the file; a registered extension that the
    // file lacks stays empty (the steps excepted). The library must be initialised
    // (kloC_initialize). A file of an older release is converted as it is read (the file
    // itself stays as it is); what the conversion did goes to `report` when one is given.
    static ddr_Model Open(std::string const& path, dbc_ConversionReport* report = nullptr);
};
