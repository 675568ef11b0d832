// Kernel objects with Windows semantics, on every platform.
//
// The connection, the link and the USB transports are written against
// Windows kernel objects: owned, recursive mutexes whose owner may end while
// holding them ("abandoned"), auto- and manual-reset events, and waits with
// millisecond time-outs on one object or on any of two. This header is the
// whole contract; windows/ maps it onto the native objects and posix/ gives
// the same semantics with threads of the C++ runtime.
//
// Every wait blocks; nothing here polls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// An opaque kernel object: a mutex, an event or a thread.
using Handle = void*;

// Wait results, with the values Windows gives them.
constexpr uint32_t kWaitSignaled = 0;          // WAIT_OBJECT_0 (+ index for wait-any)
constexpr uint32_t kWaitAbandoned = 0x80;      // WAIT_ABANDONED_0 (+ index)
constexpr uint32_t kWaitTimeout = 258;         // WAIT_TIMEOUT
constexpr uint32_t kWaitFailed = 0xFFFFFFFFu;  // WAIT_FAILED
constexpr uint32_t kInfinite = 0xFFFFFFFFu;    // INFINITE: wait without limit

// Last-error values this layer sets itself.
constexpr uint32_t kErrorInvalidHandle = 6;    // ERROR_INVALID_HANDLE
constexpr uint32_t kErrorNotOwner = 288;       // ERROR_NOT_OWNER

// Creates an unnamed mutex that no thread owns. Null on failure.
Handle CreateMutexObject();

// Releases one level of ownership. Fails (false, last error 288) when the
// calling thread does not own the mutex; nothing changes then. When the
// release leaves the mutex free while threads wait for it, ownership passes
// to the longest-waiting thread at once, so the releasing thread cannot take
// it straight back.
bool ReleaseMutexObject(Handle mutex);

// Creates an unnamed event. A manual-reset event stays signalled until reset;
// an auto-reset event is consumed by the one wait that it ends. Null on failure.
Handle CreateEventObject(bool manualReset, bool initiallySignalled);
bool SetEventObject(Handle event);
bool ResetEventObject(Handle event);

// Waits for one object for at most timeoutMs (kInfinite: no limit).
// Returns kWaitSignaled, kWaitAbandoned (a mutex whose owner ended while
// holding it: the caller now owns it), kWaitTimeout or kWaitFailed.
// A thread handle is signalled once the thread has ended.
uint32_t WaitForObject(Handle object, uint32_t timeoutMs);

// Waits until any one of count (1 or 2) objects is signalled. Returns
// kWaitSignaled + i or kWaitAbandoned + i for the lowest signalled index i;
// only that object is consumed. kWaitTimeout or kWaitFailed otherwise.
uint32_t WaitForAnyObject(uint32_t count, const Handle* objects, uint32_t timeoutMs);

// Thread procedure: its result becomes the thread's exit status.
using ThreadProc = uint32_t (*)(void* argument);

// Starts a thread with the default stack size. Null on failure.
Handle StartThread(ThreadProc proc, void* argument);

// The exit status of an ended thread. False while it still runs.
bool GetThreadExitStatus(Handle thread, uint32_t* status);

// Closes a handle of any kind. A thread handle is closed after its thread
// has been waited for. Closing a mutex or event that a thread still waits
// for is a caller error.
bool CloseObject(Handle object);

// Sleeps the calling thread for about ms milliseconds.
void SleepMs(uint32_t ms);

// The system's wall-clock time: nanoseconds since 1970-01-01 UTC (POSIX
// time), at the finest resolution the system keeps (1 us or better).
int64_t UtcNowNanoseconds();

// The calling thread's last-error value (GetLastError / SetLastError).
uint32_t GetLastErrorCode();
void SetLastErrorCode(uint32_t code);

// Converts a UTF-16 string of at most unitCount units (ending early at a
// zero unit) into out, always zero-terminated within outSize bytes. On
// Windows the result is in the ANSI code page; elsewhere it is UTF-8, cut
// at a character boundary when it does not fit.
void ConvertUtf16Text(const uint16_t* units, size_t unitCount, char* out, size_t outSize);

// ---- Files ----
// Files the module writes itself (recordings). Every call reports the
// system's error code, 0 on success: errno values on POSIX systems, Windows
// system error codes on Windows; FileErrorText gives the system's text.
// Offsets and lengths are 64-bit: files beyond 4 GB are ordinary.
using File = void*;

// Creates a new file for writing at path (UTF-8) and opens it; fails when
// anything already exists at path, and then changes nothing there. Other
// programs may read the file while it is open.
uint32_t CreateNewFile(const char* utf8Path, File* file);
// Writes all length bytes at offset, or reports why it could not. A file-
// size limit makes the write fail (EFBIG) instead of ending the process.
uint32_t WriteFileAt(File file, uint64_t offset, const void* data, size_t length);
// Sets the file's length: a longer file reads as zeros beyond its old end.
uint32_t SetFileLength(File file, uint64_t length);
// Makes everything written so far durable (fsync / FlushFileBuffers).
uint32_t SyncFile(File file);
// Closes the file; the handle is gone whatever the result.
uint32_t CloseFile(File file);
// Removes the file at path (a recording that could not be started).
void RemoveFile(const char* utf8Path);
// The full path (UTF-8) of the existing file at path, so that it names the
// same file whatever the current folder becomes: on POSIX systems a
// relative path's folder resolved with realpath, an absolute path as given;
// on Windows GetFullPathNameW. A leading ~ is a folder name like any other,
// as the system takes it. The path as given when it cannot be made full.
std::string FullPath(const char* utf8Path);
// True for the code CreateNewFile gives when something exists at the path.
bool IsFileExistsError(uint32_t code);
// The system's text for a file error code, without a trailing line break.
std::string FileErrorText(uint32_t code);

// Keeps sleeps close to their nominal length while a connection is open
// (on Windows the system timer otherwise rounds them up to ~15.6 ms).
// Calls nest; each Begin needs one End. No-ops where not needed.
void BeginPreciseTiming();
void EndPreciseTiming();

}  // namespace platform
