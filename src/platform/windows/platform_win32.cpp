// The platform contract on the native Windows kernel objects.
//
// Here a platform::Handle is the kernel HANDLE itself, so the objects keep
// every Windows property the rest of the module relies on (ownership,
// recursion and abandonment of mutexes, auto-reset events, wait-any on the
// lowest index), and the WinUSB backend can put an event created here into
// an OVERLAPPED record or a WaitForMultipleObjects list.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <mmsystem.h>

#include <climits>
#include <new>

#include "platform/platform.h"

namespace platform {

static_assert(sizeof(Handle) == sizeof(HANDLE), "a platform handle is a kernel HANDLE");
static_assert(kWaitTimeout == WAIT_TIMEOUT && kWaitAbandoned == WAIT_ABANDONED_0 &&
                  kWaitFailed == WAIT_FAILED && kInfinite == INFINITE,
              "wait results are the native ones");

namespace {

// What a new thread needs to call the module's procedure, which has not the
// Win32 calling signature.
struct ThreadStart {
    ThreadProc proc;
    void* argument;
};

DWORD WINAPI RunThread(LPVOID parameter) {
    ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    return start.proc(start.argument);
}

// Nesting of BeginPreciseTiming. The timer period is raised on the first
// Begin and restored on the last End; an End without a Begin is ignored.
SRWLOCK timingLock = SRWLOCK_INIT;
unsigned timingDepth = 0;
bool timingRaised = false;

}  // namespace

Handle CreateMutexObject() {
    return CreateMutexA(nullptr, FALSE, nullptr);
}

bool ReleaseMutexObject(Handle mutex) {
    // The system refuses a release by a thread that does not own the mutex
    // with ERROR_NOT_OWNER and leaves the mutex as it was.
    return ReleaseMutex(mutex) != FALSE;
}

Handle CreateEventObject(bool manualReset, bool initiallySignalled) {
    return CreateEventA(nullptr, manualReset ? TRUE : FALSE, initiallySignalled ? TRUE : FALSE,
                        nullptr);
}

bool SetEventObject(Handle event) {
    return SetEvent(event) != FALSE;
}

bool ResetEventObject(Handle event) {
    return ResetEvent(event) != FALSE;
}

uint32_t WaitForObject(Handle object, uint32_t timeoutMs) {
    return WaitForSingleObject(object, timeoutMs);
}

uint32_t WaitForAnyObject(uint32_t count, const Handle* objects, uint32_t timeoutMs) {
    if (objects == nullptr || count == 0 || count > 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return kWaitFailed;
    }
    return WaitForMultipleObjects(count, objects, FALSE, timeoutMs);
}

Handle StartThread(ThreadProc proc, void* argument) {
    if (proc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ThreadStart* start = new (std::nothrow) ThreadStart{proc, argument};
    if (start == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HANDLE thread = CreateThread(nullptr, 0, RunThread, start, 0, nullptr);
    if (thread == nullptr) {
        DWORD error = GetLastError();
        delete start;
        SetLastError(error);
    }
    return thread;
}

bool GetThreadExitStatus(Handle thread, uint32_t* status) {
    if (status == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    // GetExitCodeThread reports a running thread as STILL_ACTIVE (259),
    // which a procedure could also return; the thread's own signal decides.
    if (WaitForSingleObject(thread, 0) != WAIT_OBJECT_0) {
        return false;
    }
    DWORD code = 0;
    if (!GetExitCodeThread(thread, &code)) {
        return false;
    }
    *status = code;
    return true;
}

bool CloseObject(Handle object) {
    return CloseHandle(object) != FALSE;
}

void SleepMs(uint32_t ms) {
    Sleep(ms);
}

int64_t UtcNowNanoseconds() {
    // 100 ns ticks since 1601-01-01, to the system clock's full precision.
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const int64_t ticks =
        static_cast<int64_t>((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
    constexpr int64_t kTicksFrom1601To1970 = 116444736000000000;
    return (ticks - kTicksFrom1601To1970) * 100;
}

uint32_t GetLastErrorCode() {
    return GetLastError();
}

void SetLastErrorCode(uint32_t code) {
    SetLastError(code);
}

void ConvertUtf16Text(const uint16_t* units, size_t unitCount, char* out, size_t outSize) {
    if (out == nullptr || outSize == 0) {
        return;
    }
    out[0] = '\0';
    if (units == nullptr) {
        return;
    }
    size_t length = 0;
    while (length < unitCount && units[length] != 0) {
        ++length;
    }
    if (length == 0 || length > static_cast<size_t>(INT_MAX)) {
        return;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(units);
    const int room = outSize - 1 > static_cast<size_t>(INT_MAX) ? INT_MAX
                                                                 : static_cast<int>(outSize - 1);
    // Composite characters are folded into precomposed ones where the code
    // page has them. Code pages that take no flags (a UTF-8 ANSI code page,
    // for one) refuse the flag; the text is then converted without it.
    DWORD flags = WC_COMPOSITECHECK;
    int needed = WideCharToMultiByte(CP_ACP, flags, wide, static_cast<int>(length), nullptr, 0,
                                     nullptr, nullptr);
    if (needed == 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        needed = WideCharToMultiByte(CP_ACP, flags, wide, static_cast<int>(length), nullptr, 0,
                                     nullptr, nullptr);
    }
    if (needed <= 0) {
        return;
    }
    // Too long for out: drop whole characters from the end until it fits,
    // never half of a surrogate pair.
    int take = static_cast<int>(length);
    while (needed > room && take > 0) {
        --take;
        if (take > 0 && units[take - 1] >= 0xD800 && units[take - 1] <= 0xDBFF) {
            --take;
        }
        needed = take == 0 ? 0
                           : WideCharToMultiByte(CP_ACP, flags, wide, take, nullptr, 0, nullptr,
                                                 nullptr);
    }
    if (take == 0 || needed <= 0) {
        return;
    }
    int written = WideCharToMultiByte(CP_ACP, flags, wide, take, out, room, nullptr, nullptr);
    out[written > 0 ? written : 0] = '\0';
}

void BeginPreciseTiming() {
    AcquireSRWLockExclusive(&timingLock);
    if (timingDepth++ == 0) {
        timingRaised = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    ReleaseSRWLockExclusive(&timingLock);
}

void EndPreciseTiming() {
    AcquireSRWLockExclusive(&timingLock);
    if (timingDepth > 0 && --timingDepth == 0 && timingRaised) {
        timeEndPeriod(1);
        timingRaised = false;
    }
    ReleaseSRWLockExclusive(&timingLock);
}

}  // namespace platform
