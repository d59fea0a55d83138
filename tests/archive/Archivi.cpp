// The archive tests' helpers are all in Archivi.h.
#include "Archivi.h"
