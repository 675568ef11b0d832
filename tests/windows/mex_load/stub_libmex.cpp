// A stand-in libmex.dll. mexErrMsgTxt never returns: the load test runs
// each mexFunction call on a thread of its own, which the error ends.
#define VARNELO_STUB_BUILD
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "mex.h"
#include "stub_matlab.h"

#define STUB extern "C" __declspec(dllexport)

namespace {
std::string printed;
std::string taken;
std::string lastError;
int lockCount = 0;
void (*exitHook)(void) = nullptr;
}  // namespace

STUB void mexErrMsgTxt(const char* text) {
    lastError = text;
    ExitThread(1);
}
STUB int mexPrintf(const char* format, ...) {
    char text[4096];
    va_list arguments;
    va_start(arguments, format);
    const int n = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    printed += text;
    return n;
}
STUB void mexLock(void) { ++lockCount; }
STUB void mexUnlock(void) { --lockCount; }
STUB bool mexIsLocked(void) { return lockCount > 0; }
STUB int mexAtExit(void (*hook)(void)) {
    exitHook = hook;
    return 0;
}
// MATLAB's ismissing and char of a string scalar; anything else fails.
STUB int mexCallMATLAB(int nlhs, mxArray** plhs, int nrhs, mxArray** prhs, const char* name) {
    if (nlhs != 1 || nrhs != 1 || !mxIsClass(prhs[0], "string")) return 1;
    const bool toChar = std::strcmp(name, "char") == 0;
    if (!toChar && std::strcmp(name, "ismissing") != 0) return 1;
    plhs[0] = toChar ? mxCreateString(StubStringText(prhs[0])) : mxCreateLogicalScalar(false);
    return 0;
}

const char* StubTakePrinted() {
    taken.swap(printed);
    printed.clear();
    return taken.c_str();
}
const char* StubLastError() { return lastError.c_str(); }
int StubLockCount() { return lockCount; }
void StubRunAtExit() {
    if (exitHook != nullptr) exitHook();
}
