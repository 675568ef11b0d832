// A stand-in libut.dll: MATLAB's Ctrl-C check, never pending here.
#include "mex.h"

extern "C" __declspec(dllexport) bool utIsInterruptPending(void) { return false; }
