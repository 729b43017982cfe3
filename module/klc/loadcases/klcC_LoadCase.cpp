#include "module/klc/loadcases/klcC_LoadCase.h"

#include <cmath>

#include "module/klc/klcC_assert.h"

void klcC_LoadCase::AssertValid() const {
    for (auto const* factors : {&boundaryConditions_, &loads_, &fields_})
        for (auto const& [name, factor] : *factors)
            klcC_Assert(std::isfinite(factor) && factor != 0.0f, klcC_ZERO_SCALE_FACTOR);
}

cls_ScriptValue cls_ScriptCodec<klcC_ScaleFactors>::Get(klcC_ScaleFactors const& factors) {
    cls_ScriptList out;
    for (auto const& [name, factor] : factors) out.push_back(cls_ScriptList{name, double(factor)});
    return out;
}

void cls_ScriptCodec<klcC_ScaleFactors>::Assign(klcC_ScaleFactors& m, cls_ScriptValue const& v, char const* name) {
    auto const* pairs = v.If<cls_ScriptList>();
    if (!pairs) cls_ScriptMismatch(name, Type(), v);
    klcC_ScaleFactors out;
    for (auto const& pair : *pairs) {
        auto const* entry = pair.If<cls_ScriptList>();
        if (!entry || entry->size() != 2)
            throw omu_ValueErrorException(std::string(name) + " must be a sequence of (name, scale factor) pairs");
        std::string key;
        float factor = 0.0f;
        cls_ScriptCodec<std::string>::Assign(key, (*entry)[0], name);
        cls_ScriptCodec<float>::Assign(factor, (*entry)[1], name);
        // A name given twice is the command layer's refusal (code 2), not a silent replacement.
        if (!out.emplace(std::move(key), factor).second) klcC_Assert(false, klcC_DUPLICATE_ENTRY);
    }
    m = std::move(out);
}

CLS_DEFINE(klcC_LoadCase)
