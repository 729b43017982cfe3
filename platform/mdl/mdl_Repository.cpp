// The stored form of the classes declared in the header, compiled once here.
#include "platform/mdl/mdl_Repository.h"

CLS_DEFINE(mdl_Repository)
