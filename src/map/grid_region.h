#pragma once
// The polygon region lives with the horizon store, below the maps, because
// picking honours it too.
#include "horizon/grid_region.h"
