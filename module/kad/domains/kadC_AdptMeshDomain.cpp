#include "module/kad/domains/kadC_AdptMeshDomain.h"

#include "module/kad/kadC_assert.h"

void kadC_AdptMeshDomain::AssertValid() const {
    kadC_Assert(frequency_ >= 1, kadC_FREQUENCY_NOT_POSITIVE);
    // Zero initial sweeps are accepted, whatever the message says.
    kadC_Assert(initialRemeshingSweeps_ >= 0, kadC_INITIAL_SWEEPS_NOT_POSITIVE);
    kadC_Assert(sweepsPerIncrement_ >= 1, kadC_SWEEPS_PER_INCREMENT_NOT_POSITIVE);
}

CLS_DEFINE(kadC_AdptMeshDomain)
