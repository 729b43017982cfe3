// The stored form of the classes declared in the header, compiled once here.
#include "tests/module/propagation/PropagationToy.h"

CLS_DEFINE(tst_State)
CLS_DEFINE(tst_Load)
