// The thin layer over the host's mex/mx calls. Only this layer and the
// gateway call the host API; the rest of the module builds its results
// through these helpers.
//
// Three hosts can stand behind it: GNU Octave, MATLAB (Windows, through
// the project's own declarations in host/api) and the standalone host in
// host/standalone that unit tests and benchmarks run on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/mex_api.h"

namespace host {

// ---- Printing ----
// The host's API is not thread-safe. Text printed on the host's thread goes
// straight out (after anything queued before it); text printed on any other
// thread is copied into a bounded queue that the host's thread prints, in
// order, whenever it calls FlushPrints or Print.

// Marks the calling thread as the host's (called at every mexFunction entry).
void EnterHostCall();
void Print(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// Prints what other threads queued. Host thread only; a no-op elsewhere.
void FlushPrints();
// Queue capacity in messages; past it messages are counted, not kept.
constexpr size_t kPrintQueueCapacity = 1024;

// ---- Ctrl-C ----
// True while the user's interrupt (Ctrl-C) waits to be handled. Cheap; a
// command that waits long asks between waits of at most kInterruptPollMs.
bool InterruptPending();
constexpr uint32_t kInterruptPollMs = 50;
// Ends the current call the way the host ends a call on Ctrl-C, after the
// command has released everything. Octave unwinds to its prompt (this never
// returns there); MATLAB and the project's own hosts handle the still pending
// interrupt themselves once mexFunction has returned with its outputs
// unassigned, so there it returns.
void EndInterruptedCall();

// ---- Lock and unload hook ----
void Lock();
void Unlock();
bool IsLocked();
void RegisterAtExit(void (*hook)());

// ---- Building results ----
// One-dimensional numeric array: n x 1, zero-filled.
mxArray* CreateColumn(mxClassID classId, size_t n, bool complex = false);
// rows x columns numeric array, zero-filled.
mxArray* CreateNumericMatrix(mxClassID classId, size_t rows, size_t columns, bool complex = false);
mxArray* CreateDoubleMatrix(size_t rows, size_t columns, bool complex);
mxArray* CreateString(const char* text);
// A 1 x n char array of UTF-8 text, characters outside ASCII included
// (MATLAB's characters are UTF-16; Octave's are UTF-8 bytes).
mxArray* CreateText(const std::string& utf8);
mxArray* CreateDoubleScalar(double value);
mxArray* CreateLogicalScalar(bool value);
// 1 x 1 structure whose fields are named in order.
mxArray* CreateStruct(const char* const* names, int count);
void SetField(mxArray* structure, int position, mxArray* value);
void DestroyArray(mxArray* array);
void* RealData(const mxArray* array);
void* ImagData(const mxArray* array);

// ---- Reading arguments ----
bool IsDouble(const mxArray* a);
bool IsComplex(const mxArray* a);
bool IsSparse(const mxArray* a);
size_t Columns(const mxArray* a);
size_t ElementCount(const mxArray* a);
// The value of a numeric argument as mxGetScalar reads it: the first element
// as a double (of a sparse array the first nonzero one). False when the array
// holds no element that can be read so: an empty array of any class, a cell,
// a structure, a function handle or an object. Octave's mxGetScalar raises
// an error of its own on those and MATLAB's returns an unspecified value, so
// mxGetScalar is called only after this test.
bool ReadScalar(const mxArray* a, double* value);
// The text of a text argument (file names, markers) as UTF-8, characters
// outside ASCII included. A text is a char array of at most one row, or a
// MATLAB string scalar, converted as MATLAB's own char converts it. False
// for anything else: another class, a string array of another size or a
// missing string, a char array of several rows (never flattened), a zero
// character (it would cut the text wherever it is used as a C string), or
// characters that are not text (bytes that are not UTF-8 in Octave,
// unpaired surrogates in MATLAB).
bool ReadText(const mxArray* a, std::string* utf8);
// A word argument (the command word, 'On', '1x', 'RingLines'): true for
// what ReadText reads, with its text; true as well for any other char
// array, whose word is "" and so matches no word. False for other classes,
// which the commands refuse with a message of their own.
bool ReadWord(const mxArray* a, std::string* word);

// ---- Calling the host ----
// MATLAB's spline(x, y, xi): one output, three inputs. Null when the host
// reports a failure; MATLAB and Octave raise an error in spline themselves.
mxArray* CallSpline(mxArray* x, mxArray* y, mxArray* xi);

// Raises msg as the call's error; never returns.
[[noreturn]] void RaiseError(const char* message);

}  // namespace host
