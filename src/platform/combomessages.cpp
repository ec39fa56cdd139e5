#include "combomessages.h"
