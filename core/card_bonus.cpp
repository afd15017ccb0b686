#include "core/card_bonus.h"
