#pragma once
// Damping of the modal-based steps, in seven kinds: per range of modes (direct,
// composite, Rayleigh, structural) or per frequency (direct, Rayleigh, structural). Each
// kind is a container of an ordered list of components; a step holds at most one
// container of each kind it supports. Components are given from scripts as tuples in
// their declaration order, every element after the first optional: an omitted element
// keeps the previous tuple's value, and in the first tuple its initial 0 or 0.0.
// Components may overlap and need no order; an empty container is valid.
#include "module/kpr/steps/kprC_Records.h"
#include "platform/cow/cow_String.h"

// Components: start and end are 1-based mode numbers of an inclusive range.
#define KPRC_DIRECTDAMPINGCOMPONENT_ATTRIBUTES(A) A(int, start, 0) A(int, end, 0) A(double, fraction, 0.0)
#define KPRC_COMPOSITEDAMPINGCOMPONENT_ATTRIBUTES(A) A(int, start, 0) A(int, end, 0)
#define KPRC_RAYLEIGHDAMPINGCOMPONENT_ATTRIBUTES(A) \
    A(int, start, 0) A(int, end, 0) A(double, alpha, 0.0) A(double, beta, 0.0)
#define KPRC_STRUCTURALDAMPINGCOMPONENT_ATTRIBUTES(A) A(int, start, 0) A(int, end, 0) A(double, factor, 0.0)
#define KPRC_DIRECTDAMPINGBYFREQUENCYCOMPONENT_ATTRIBUTES(A) A(double, frequency, 0.0) A(double, fraction, 0.0)
#define KPRC_RAYLEIGHDAMPINGBYFREQUENCYCOMPONENT_ATTRIBUTES(A) \
    A(double, frequency, 0.0) A(double, alpha, 0.0) A(double, beta, 0.0)
#define KPRC_STRUCTURALDAMPINGBYFREQUENCYCOMPONENT_ATTRIBUTES(A) A(double, frequency, 0.0) A(double, factor, 0.0)

// One component class: its rows, scripts' tuple of them, and its rules (AssertValid).
#define KPRC_DAMPING_COMPONENT(Class, Version, ROWS, ...)                                   \
    class Class : public cls_Persistent {                                                   \
        CLS_PERSISTENT(Class, cls_Persistent, Class##_TypeId, Version, ROWS)                \
        CLS_TUPLE(1, __VA_ARGS__)                                                           \
        KPRC_RECORD(Class, ROWS)                                                            \
        Class() = default;                                                                  \
        void AssertValid() const;                                                           \
    };

KPRC_DAMPING_COMPONENT(kprC_DirectDampingComponent, 203, KPRC_DIRECTDAMPINGCOMPONENT_ATTRIBUTES, "start", "end",
                       "fraction")
KPRC_DAMPING_COMPONENT(kprC_CompositeDampingComponent, 445, KPRC_COMPOSITEDAMPINGCOMPONENT_ATTRIBUTES, "start", "end")
KPRC_DAMPING_COMPONENT(kprC_RayleighDampingComponent, 203, KPRC_RAYLEIGHDAMPINGCOMPONENT_ATTRIBUTES, "start", "end",
                       "alpha", "beta")
KPRC_DAMPING_COMPONENT(kprC_StructuralDampingComponent, 203, KPRC_STRUCTURALDAMPINGCOMPONENT_ATTRIBUTES, "start",
                       "end", "factor")
KPRC_DAMPING_COMPONENT(kprC_DirectDampingByFrequencyComponent, 445, KPRC_DIRECTDAMPINGBYFREQUENCYCOMPONENT_ATTRIBUTES,
                       "frequency", "fraction")
KPRC_DAMPING_COMPONENT(kprC_RayleighDampingByFrequencyComponent, 445,
                       KPRC_RAYLEIGHDAMPINGBYFREQUENCYCOMPONENT_ATTRIBUTES, "frequency", "alpha", "beta")
KPRC_DAMPING_COMPONENT(kprC_StructuralDampingByFrequencyComponent, 445,
                       KPRC_STRUCTURALDAMPINGBYFREQUENCYCOMPONENT_ATTRIBUTES, "frequency", "factor")

// Containers: one row, the components in order.
#define KPRC_DIRECTDAMPING_ATTRIBUTES(A) A(cow_List<kprC_DirectDampingComponent>, components, {})
#define KPRC_COMPOSITEDAMPING_ATTRIBUTES(A) A(cow_List<kprC_CompositeDampingComponent>, components, {})
#define KPRC_RAYLEIGHDAMPING_ATTRIBUTES(A) A(cow_List<kprC_RayleighDampingComponent>, components, {})
#define KPRC_STRUCTURALDAMPING_ATTRIBUTES(A) A(cow_List<kprC_StructuralDampingComponent>, components, {})
#define KPRC_DIRECTDAMPINGBYFREQUENCY_ATTRIBUTES(A) A(cow_List<kprC_DirectDampingByFrequencyComponent>, components, {})
#define KPRC_RAYLEIGHDAMPINGBYFREQUENCY_ATTRIBUTES(A) \
    A(cow_List<kprC_RayleighDampingByFrequencyComponent>, components, {})
#define KPRC_STRUCTURALDAMPINGBYFREQUENCY_ATTRIBUTES(A) \
    A(cow_List<kprC_StructuralDampingByFrequencyComponent>, components, {})

// One container class; AssertValid checks each component in list order.
#define KPRC_DAMPING_CONTAINER(Class, Version, ROWS)                          \
    class Class : public cls_Persistent {                                     \
        CLS_PERSISTENT(Class, cls_Persistent, Class##_TypeId, Version, ROWS)  \
        KPRC_RECORD(Class, ROWS)                                              \
        Class() = default;                                                    \
        void AssertValid() const {                                            \
            for (auto const& c : components_) c.AssertValid();                \
        }                                                                     \
    };

KPRC_DAMPING_CONTAINER(kprC_DirectDamping, 203, KPRC_DIRECTDAMPING_ATTRIBUTES)
KPRC_DAMPING_CONTAINER(kprC_CompositeDamping, 445, KPRC_COMPOSITEDAMPING_ATTRIBUTES)
KPRC_DAMPING_CONTAINER(kprC_RayleighDamping, 203, KPRC_RAYLEIGHDAMPING_ATTRIBUTES)
KPRC_DAMPING_CONTAINER(kprC_StructuralDamping, 203, KPRC_STRUCTURALDAMPING_ATTRIBUTES)
KPRC_DAMPING_CONTAINER(kprC_DirectDampingByFrequency, 445, KPRC_DIRECTDAMPINGBYFREQUENCY_ATTRIBUTES)
KPRC_DAMPING_CONTAINER(kprC_RayleighDampingByFrequency, 445, KPRC_RAYLEIGHDAMPINGBYFREQUENCY_ATTRIBUTES)
KPRC_DAMPING_CONTAINER(kprC_StructuralDampingByFrequency, 445, KPRC_STRUCTURALDAMPINGBYFREQUENCY_ATTRIBUTES)

