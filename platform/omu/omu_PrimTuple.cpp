#include "platform/omu/omu_PrimTuple.h"

std::string omu_PrimTuple::ToString() const {
    std::string out = "(";
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i) out += ", ";
        if (auto const* text = std::get_if<std::string>(&items_[i]))
            out += "\"" + *text + "\"";
        else
            out += std::to_string(std::get<int>(items_[i]));
    }
    return out + ")";
}
