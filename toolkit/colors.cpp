#include "toolkit/colors.h"
