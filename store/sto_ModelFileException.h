#pragma once
// The one refusal of the model file: a file that cannot be saved or opened. The
// message names the file and the problem.
#include "platform/nex/nex_Exception.h"

class sto_ModelFileException : public nex_Exception {
    using nex_Exception::nex_Exception;
};

// A problem found while reading or writing, before the file's name is put in front.
struct sto_Problem {
    std::string text;
};
