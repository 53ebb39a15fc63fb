#pragma once
#include "sdk/exception/Planted.h"
