#include "core/payout.h"
