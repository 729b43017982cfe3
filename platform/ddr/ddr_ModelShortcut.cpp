// The stored form of the classes declared in the header, compiled once here.
#include "platform/ddr/ddr_ModelShortcut.h"

CLS_DEFINE(ddr_ModelShortcut)
