// The stored form of the classes declared in the header, compiled once here.
#include "tests/support/tst_Step.h"

CLS_DEFINE(tst_Step)
