#include "tools/stepwise/stw_Commands.h"

int stw_Show(std::string const& path, bool colour, bool json, std::ostream& out) {
    stw_View const view = stw_BuildView(stw_Open(path));
    if (json)
        out << stw_ToJson(view).dump(2) << "\n";
    else
        out << stw_Render(view, colour);
    return stw_OK;
}
