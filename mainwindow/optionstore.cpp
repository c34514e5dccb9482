#include "optionstore.h"
