#include "FuzzSupport.h"

// libFuzzer calls this once before the first input: every target needs the application.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quarlin::fuzz::startApplication();
    return 0;
}
