#pragma once
// The model's ordered analysis history, held as a model extension under the step key:
// the Initial step first, then the analysis steps in the order they run. It maps names
// to steps and ids, hands out ids that are never reused, and runs the step sequencer
// after every change so that an invalid history is reported at once (the caller undoes
// the change).
#include "platform/mdl/mdl_IdRepositoryOfCows.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_InitialStep.h"

using kprC_StepRepositoryBase = mdl_IdRepositoryOfCows<cow_String, kprC_Step, kprC_StepRepositoryBase_TypeId, 831>;

#define KPRC_STEPCONTAINER_ATTRIBUTES(A) A(cow_List<cow_String>, order, {})

class kprC_StepContainer : public kprC_StepRepositoryBase {
    CLS_PERSISTENT(kprC_StepContainer, kprC_StepRepositoryBase, kprC_StepContainer_TypeId, 831,
                   KPRC_STEPCONTAINER_ATTRIBUTES)

    kprC_StepContainer() = default;
    kprC_StepContainer(kprC_StepContainer const&) = default;
    kprC_StepContainer& operator=(kprC_StepContainer const&) = default;

    // Error 82 when the container already holds steps.
    void SetInitialStep(cow_String const& name, kprC_InitialStep const& step);
    // Steps enter only through SetInitialStep and InsertAfter: always refused.
    bool Insert(cow_String const& name, kprC_Step* step) override;
    bool Insert(cow_String const& name, kprC_Step const& step) override;
    // Inserts a copy of `step` right after `after` under a new id; a step already named
    // `name` is replaced. Error 81 for an unknown `after`; unless `skipCheck`, the
    // sequencer's error for an invalid history (the new step then stays).
    bool InsertAfter(cow_String const& after, cow_String const& name, kprC_AnalysisStep const& step,
                     bool skipCheck = false);
    // False for an unknown name. The sequencer's error when the remaining history is
    // invalid (the removal then stays).
    bool Remove(cow_String const& name) override;
    void Clear() override;
    void ChangeKey(cow_String const& oldName, cow_String const& newName);
    // Names in history order.
    cow_List<cow_String> Keys() const override;

    bool Nlgeom(cow_String const& name) const;
    void AssertValid() const;
    bool HasLoadCase(cow_String const& name) const;

    // The flat form: "steps" (name -> step) and "stepsorder", both stored by name only.
    static kprC_StepContainer Load(cls_ReadVisitor const& reader);
    static void Dump(kprC_StepContainer const& container, cls_WriteVisitor const& writer);
    // Declares the two flat-form attributes in the metadata of a class that stores it.
    static void AddFlatFormMetadata(cls_ClassMetadata& md);

    // Reading checks that the stored order and repository describe one history.
    void cls_ReadMore(cls_ReadVisitor const& reader);

private:
    // The sequencer check over the whole history; removals admit USA added mass
    // generation steps, as the sequencer's own removability answer does.
    void Check(bool removal) const;
    void RecordInsert(cow_String const& name) const;
    int Position(cow_String const& name) const;
    kprC_AnalysisStep const* AnalysisStep(cow_String const& name) const;
};

// The steps of a container in history order, over a copy of its names taken at construction.
class kprC_StepContainerIT {
public:
    explicit kprC_StepContainerIT(kprC_StepContainer const& container)
        : container_(container), names_(container.Keys()) {}

    bool IsDone() const { return index_ >= names_.size(); }
    void Next() { ++index_; }
    cow_String const& Name() const { return names_[index_]; }
    kprC_Step const& Current() const { return container_.ConstGet(names_[index_]); }

private:
    kprC_StepContainer const& container_;
    cow_List<cow_String> names_;
    std::size_t index_ = 0;
};
