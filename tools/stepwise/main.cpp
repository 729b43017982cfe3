#include <cstdio>
#include <cstring>

#include "module/kpr/procedures/kprC_ProcedureTable.h"

namespace {
void PrintProcedureTable() {
    std::printf("%-10s  %-40s  %-27s  %s\n", "Code", "Label", "Scripting string", "Bit");
    for (kprC_ProcedureRow const& row : kprC_ProcedureTable())
        std::printf("0x%08X  %-40s  %-27s  0x%X\n", row.code, row.label.c_str(), row.scriptingString.c_str(),
                    static_cast<unsigned int>(row.bit));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "demo") == 0) {
        PrintProcedureTable();
        return 0;
    }
    std::fputs("usage: stepwise demo\n", stderr);
    return 2;
}
