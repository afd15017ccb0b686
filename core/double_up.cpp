#include "core/double_up.h"
