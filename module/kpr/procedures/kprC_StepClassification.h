#pragma once
// Classification questions asked of a step rather than of a procedure code: the answer
// depends on the step's incrementation and end criterion as well as its procedure.
class kprC_Step;

// False when the step uses fixed time incrementation where time marks need automatic
// incrementation. The flag does not enter.
bool kprC_TimeMarksConsistency(kprC_Step const& step, bool flag);
bool kprC_TimeMarksIsAllowed(kprC_Step const& step, bool flag);
// False for a transient step with automatic incrementation that ends on a steady-state
// criterion: such a step has no known number of intervals.
bool kprC_NumberIntervalConsistency(kprC_Step const& step);
bool kprC_NumberIntervalIsAllowed(kprC_Step const& step);
