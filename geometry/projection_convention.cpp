#include "geometry/projection_convention.h"

bool mirror_objects = false;
