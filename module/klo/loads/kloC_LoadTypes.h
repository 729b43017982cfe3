#pragma once
// Which load types may be used in which procedure: the strict lists of labels per load
// family and procedure (creation, move and resume), and the relaxed admission that keeps
// a load in the base state of perturbation procedures while propagating.
#include "platform/cow/cow_String.h"

// Strict validity: the type's label is in one of the six family lists of the procedure.
bool kloC_isValidLoadTypeforStep(int loadTypeId, int procedureType);

// The labels of each family valid in a procedure, in their fixed order.
cow_List<cow_String> kloC_getMechanicalLoadTypesforStep(int procedureType);
cow_List<cow_String> kloC_getThermalLoadTypesforStep(int procedureType);
cow_List<cow_String> kloC_getFluidLoadTypesforStep(int procedureType);
cow_List<cow_String> kloC_getElectricalLoadTypesforStep(int procedureType);
cow_List<cow_String> kloC_getMassDiffusionLoadTypesforStep(int procedureType);
cow_List<cow_String> kloC_getAcousticLoadTypesforStep(int procedureType);

// The relaxed admission of a load type (what each class's ValidInStepSpecialRule answers
// with relax set): one table over all 33 types; false for a type without a rule.
bool kloC_RelaxedAdmission(unsigned loadTypeId, unsigned procedureType);
