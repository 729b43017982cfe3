#include "module/klo/loads/kloC_Vector.h"

mdl_PropAttr<double>& kloC_VectorState::MutableComponent(int i) {
    NEX_ASSERT(i >= 1 && i <= 3);
    return i == 1 ? c1_ : i == 2 ? c2_ : c3_;
}

void kloC_VectorState::SetComponents(double c1, double c2, double c3) {
    c1_ = c1;
    c2_ = c2;
    c3_ = c3;
}

double& kloC_Vector::Part(int i, bool imag) {
    NEX_ASSERT(i >= 1 && i <= 3);
    double* parts[3][2] = {{&complexC1Real_, &complexC1Imag_}, {&complexC2Real_, &complexC2Imag_},
                           {&complexC3Real_, &complexC3Imag_}};
    return *parts[i - 1][imag];
}

std::pair<double, double> kloC_Vector::ComplexComponent(int i) const {
    auto& self = const_cast<kloC_Vector&>(*this);
    return {self.Part(i, false), self.Part(i, true)};
}

void kloC_Vector::SetComplexComponent(int i, double real, double imag) {
    Part(i, false) = real;
    Part(i, true) = imag;
}

void kloC_Vector::ChangeProcedureType(unsigned int procedureType) {
    if (WantsComplex(procedureType) == useComplex_) return;
    auto& s = dynamic_cast<kloC_VectorState&>(MutableCreationState());
    SwitchComplex(useComplex_, {{s.MutableComponent(1), complexC1Real_, complexC1Imag_},
                                {s.MutableComponent(2), complexC2Real_, complexC2Imag_},
                                {s.MutableComponent(3), complexC3Real_, complexC3Imag_}});
}

bool kloC_Vector::CheckForZero(cow_String const& stepName) const {
    if (useComplex_)
        return complexC1Real_ == 0.0 && complexC1Imag_ == 0.0 && complexC2Real_ == 0.0 && complexC2Imag_ == 0.0 &&
               complexC3Real_ == 0.0 && complexC3Imag_ == 0.0;
    auto const& s = dynamic_cast<kloC_VectorState const&>(StateIn(stepName));
    return s.Component(1).value() == 0.0 && s.Component(2).value() == 0.0 && s.Component(3).value() == 0.0;
}

CLS_DEFINE(kloC_VectorState)
CLS_DEFINE(kloC_Vector)
