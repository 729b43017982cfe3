// The stored form of the classes declared in the header, compiled once here.
#include "module/kad/domains/kadC_AdptMeshDomain.h"

CLS_DEFINE(kadC_AdptMeshDomain)
