#pragma once
// The program's access to model files and its exit statuses.
#include <stdexcept>
#include <string>

#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/dbs/dbs_Table.h"
#include "platform/ddr/ddr_Model.h"

// Exit statuses of every command (the README lists them).
enum stw_Exit : int {
    stw_OK = 0,
    stw_INVALID = 1,     // check: something is not valid; demo: what was read differs from what was written
    stw_UNREADABLE = 2,  // the model file cannot be read or written
    stw_USAGE = 3,       // the command line is wrong (unknown command, option or step)
};

// A failure the program reports in plain words and ends with `code`.
struct stw_Failure : std::runtime_error {
    stw_Failure(std::string const& message, stw_Exit code) : std::runtime_error(message), exit(code) {}
    stw_Exit exit;
};

// Brings the library up for the lifetime of the object.
class stw_Library {
public:
    stw_Library();
    ~stw_Library();
    stw_Library(stw_Library const&) = delete;
    stw_Library& operator=(stw_Library const&) = delete;

private:
    int modules_ = 0;
};

// The model in the file; stw_Failure (stw_UNREADABLE) "cannot open 'path': why" when it
// cannot be read as a model. What converting an older file did goes to `report` when given.
ddr_Model stw_Open(std::string const& path, dbc_ConversionReport* report = nullptr);
// Saves over an existing file only when it is a model file the user may write, unless
// `force`: anything else (notes, another program's database, a write-protected file) is
// refused with stw_Failure (stw_UNREADABLE) and left as it is.
void stw_Save(ddr_Model const& model, std::string const& path, bool force);
// The table database the model file is written from: two models that write the same
// image are the same model.
dbs_Database stw_Image(ddr_Model const& model);
