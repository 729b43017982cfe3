#pragma once
// The sequencing rules of analysis steps: which procedure may follow which. A
// short-lived object: built over a step history (or a list of procedure codes), asked,
// and dropped. It never changes the history it was built from.
#include <utility>

#include "platform/cow/cow_String.h"

class kprC_StepContainer;

class kprC_StepSequencer {
public:
    // The analysis steps of a history in order: (step name, procedure type code).
    using History = cow_List<std::pair<cow_String, unsigned int>>;

    explicit kprC_StepSequencer(bool usaAddedMassAllowed);
    kprC_StepSequencer(History history, bool usaAddedMassAllowed);
    // Over the analysis steps of a container in history order (defined with the container).
    kprC_StepSequencer(kprC_StepContainer const& container, bool usaAddedMassAllowed);
    // Appends the codes one by one; raises error 50 when they are not a valid sequence.
    kprC_StepSequencer(cow_List<unsigned int> const& codes, bool usaAddedMassAllowed);
    virtual ~kprC_StepSequencer() = default;

    // Each rebuilds the sequence from the history and raises error 50 at the first step
    // that may not follow the ones before it.
    void Run();
    // Up to the named step: without it (`before`) or with it. "Initial" leaves the sequence empty.
    void Run(cow_String const& name, bool before);
    // The history with a step of `code` inserted after the named step ("Initial": first).
    void InsertAfter(cow_String const& name, unsigned int code);
    // The history with the named step running `code` instead; error 143 for "Initial".
    void Replace(cow_String const& name, unsigned int code);

    // Codes that may be appended to the current sequence, in label-map order.
    cow_List<unsigned int> AppendableGeneral();
    cow_List<unsigned int> AppendablePerturbation();

    // Whether the step at `index` (0 = first analysis step) could be removed; error 51
    // for an index outside the sequence.
    bool IsRemovable(int index) const;

    cow_List<unsigned int> const& Sequence() const { return sequence_; }
    bool HasFrequency() const { return hasFrequency_; }
    bool UsaAddedMassAllowed() const { return usaAddedMassAllowed_; }

    // The append check on an explicit sequence; `hasFrequency` tells whether any step of
    // `sequence` is a frequency step.
    static bool MayAppend(cow_List<unsigned int> const& sequence, std::size_t length, unsigned int code,
                          bool usaAddedMassAllowed, bool hasFrequency);

private:
    void Clear();
    void Append(unsigned int code);
    cow_List<unsigned int> const& Appendable();

    History history_;
    bool hasFrequency_ = false;
    bool usaAddedMassAllowed_;
    cow_List<unsigned int> procedures_;
    cow_List<unsigned int> sequence_;
    cow_List<unsigned int> appendable_;
    bool appendableStale_ = true;
};
