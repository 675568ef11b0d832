// Load-time work of the Windows module: none per thread.
#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// The module needs no notice of threads starting and ending in MATLAB's
// process. The system refuses the request for a module whose runtime keeps
// per-thread storage; the notices then go on, which that runtime relies on.
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}
#endif
