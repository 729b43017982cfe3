#include "platform/rgn/rgnC_Region.h"

cow_String rgnC_Region::Describe() const {
    if (names_.empty()) return entityCount_ ? std::to_string(entityCount_) + " entities" : "(empty)";
    cow_String out;
    for (auto const& n : names_) out += (out.empty() ? "" : ", ") + n;
    return out;
}

void cls_ScriptCodec<rgnC_Region>::Assign(rgnC_Region& m, cls_ScriptValue const& v, char const* name) {
    if (auto const* text = v.If<std::string>()) {
        m = rgnC_Region({*text}, 1);
    } else if (auto const* list = v.If<cls_ScriptList>()) {
        rgnC_NameList names;
        for (auto const& e : *list) {
            auto const* n = e.If<std::string>();
            if (!n) cls_ScriptMismatch(name, Type(), v);
            names.push_back(*n);
        }
        int const count = int(names.size());
        m = rgnC_Region(std::move(names), count);
    } else {
        m = *cls_ScriptObjectOf<rgnC_Region>(v, Type(), name);
    }
}

CLS_DEFINE(rgnC_Region)
