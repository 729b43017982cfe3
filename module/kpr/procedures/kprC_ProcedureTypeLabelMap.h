#pragma once
// The display labels of the procedure types, in registration order (the order of the
// code list and of the procedure bits). One instance per process, created on first use
// through thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance() and read-only after.
#include <string>

#include "platform/atr/atr_String.h"
#include "platform/cow/cow_String.h"
#include "platform/thr/thr_GlobalSingleton.h"

class kprC_ProcedureTypeLabelMap {
public:
    // Translates each label once, in registration order.
    kprC_ProcedureTypeLabelMap();

    // A copy of the codes in registration order.
    cow_List<unsigned int> ProcedureTypes() const { return codes_; }
    cow_Map<unsigned int, atr_String> const& TranslatedLabels() const { return translated_; }
    // The label texts as registered, before translation.
    cow_Map<unsigned int, cow_String> const& LabelTexts() const { return labels_; }

private:
    cow_Map<unsigned int, atr_String> translated_;
    cow_Map<unsigned int, cow_String> labels_;
    cow_List<unsigned int> codes_;
};

// The translated label of a procedure type ("Static, General"); "Initial" for the Initial
// step's code, the one step type without a procedure label.
inline std::string kprC_ProcedureLabel(unsigned int procedureType) {
    auto const& labels = thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance().TranslatedLabels();
    auto const found = labels.find(procedureType);
    return found != labels.end() ? std::string(found->second) : std::string("Initial");
}
