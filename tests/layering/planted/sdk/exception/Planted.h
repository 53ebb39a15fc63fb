#pragma once
// Goes up from the exceptions to the dialogs, which include it back.
#include "prompt/Planted.h"
