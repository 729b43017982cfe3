#pragma once
// The readable text form of a field that has no plain SQLite form (lists, maps,
// arrays, null, and values of another kind than their column's): JSON with type
// tags, so that every dbs_Kind comes back exactly.
//   42  integer            42.0, 1e+300  double        "abc"  string     true  bool
//   null  null              [a, b]  list                {"enum":"ON"}
//   {"ref":[classId,oid]}   {"map":[[key,value],...]}   {"ints":[1,2]}
//   {"doubles":[1.0,2.5]}   {"strings":["a"]}           {"undefined":true}
//   {"double":"inf"}, {"double":"-inf"}, {"double":"0x7ff8000000000000"} (NaN bits)
#include <string>
#include <string_view>

#include "platform/dbs/dbs_Value.h"

// Nesting deeper than this is refused both ways, so reading cannot exhaust the stack.
inline constexpr int sto_MaxValueDepth = 200;

// Throws sto_Problem for a value nested too deeply.
void sto_AppendValueText(std::string& out, dbs_Value const& value);
std::string sto_ValueText(dbs_Value const& value);
// Throws sto_Problem naming what is wrong with the text.
dbs_Value sto_ParseValueText(std::string_view text);
