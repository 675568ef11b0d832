// Test-only entries of the stand-in libmx.dll and libmex.dll, beside the
// MATLAB API names the module imports from them.
#pragma once

#ifdef VARNELO_STUB_BUILD
#define VARNELO_STUB_API __declspec(dllexport)
#else
#define VARNELO_STUB_API __declspec(dllimport)
#endif

extern "C" {
// Text printed with mexPrintf since the last call, and clears it.
VARNELO_STUB_API const char* StubTakePrinted();
// The message of the last mexErrMsgTxt.
VARNELO_STUB_API const char* StubLastError();
VARNELO_STUB_API int StubLockCount();
// Runs the hook registered with mexAtExit, as MATLAB does before unloading.
VARNELO_STUB_API void StubRunAtExit();
// libmx: a MATLAB string scalar ("text"), and its text.
VARNELO_STUB_API mxArray* StubStringScalar(const char* text);
VARNELO_STUB_API const char* StubStringText(const mxArray* a);
}
