// The stored form of the classes declared in the header, compiled once here.
#include "tests/platform/cls/PersistenceClasses.h"

CLS_DEFINE(tst_Amplitude)
CLS_DEFINE(tst_Shape)
CLS_DEFINE(tst_Square)
CLS_DEFINE(tst_Pair)
CLS_DEFINE(tst_Hooked)
CLS_DEFINE(tst_OnTop)
