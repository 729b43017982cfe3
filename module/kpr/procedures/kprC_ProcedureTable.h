#pragma once
// The procedure types as rows for display, in registration order.
#include "platform/cow/cow_String.h"

struct kprC_ProcedureRow {
    unsigned int code;
    cow_String label;            // translated
    cow_String scriptingString;  // empty for a procedure that scripts cannot name
    int bit;
};

cow_List<kprC_ProcedureRow> kprC_ProcedureTable();
