#include "platform/rgn/rgnC_Region.h"

cow_String rgnC_Region::Describe() const {
    if (names_.empty()) return entityCount_ ? std::to_string(entityCount_) + " entities" : "(empty)";
    cow_String out;
    for (auto const& n : names_) out += (out.empty() ? "" : ", ") + n;
    return out;
}
