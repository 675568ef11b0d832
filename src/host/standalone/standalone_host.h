// The standalone host: the mex/mx calls the module uses, implemented with
// MATLAB's documented behaviour, so the module runs in unit tests and
// benchmarks without MATLAB or Octave. This header is the test-side API.
#pragma once

#include <string>
#include <vector>

#include "mex.h"

namespace standalone {

// What mexErrMsgTxt throws: the text exactly as the module raised it.
struct HostError {
    std::string message;
};

// What Call throws when mexFunction returned with its outputs unassigned and
// an interrupt pending (Ctrl-C ended the call): the host handles the
// interrupt and clears it. A call that assigned its outputs returns them;
// an interrupt pending then is left for the host to answer after the call.
struct HostInterrupted {};

// Results of one mexFunction call. Owns the output arrays.
struct CallResult {
    std::vector<mxArray*> outputs;
    CallResult() = default;
    CallResult(CallResult&& other) noexcept;
    CallResult& operator=(CallResult&& other) noexcept;
    CallResult(const CallResult&) = delete;
    CallResult& operator=(const CallResult&) = delete;
    ~CallResult();
    const mxArray* operator[](size_t i) const { return outputs.at(i); }
};

// Calls mexFunction with nlhs outputs and the given inputs (the first is the
// command word). The inputs are consumed (destroyed after the call). Throws
// HostError when the module raised an error, HostInterrupted when an
// interrupt ended the call, and std::bad_alloc when an array could not be
// allocated.
CallResult Call(int nlhs, std::vector<mxArray*> inputs);

// Argument makers.
mxArray* String(const char* text);
// A MATLAB string array ("text"), 1 x n, which the module converts with the
// host's char; missing makes string(missing) of one text.
mxArray* StringObject(const std::vector<std::string>& texts, bool missing = false);
mxArray* Double(double value);
mxArray* DoubleMatrix(size_t rows, size_t columns, const std::vector<double>& real,
                      const std::vector<double>* imag = nullptr);
mxArray* Numeric(mxClassID classId, size_t rows, size_t columns, bool complex = false);
mxArray* Cell();
mxArray* Struct();
mxArray* Sparse(size_t rows, size_t columns, bool complex = false);

// Output readers.
std::string GetString(const mxArray* a);
const mxArray* GetField(const mxArray* structure, const char* name);
std::vector<std::string> FieldNames(const mxArray* structure);
mxClassID ClassOf(const mxArray* a);

// Everything mexPrintf printed since the last call to TakePrinted.
std::string TakePrinted();
// Also echo printed text to stdout (off by default).
void SetEcho(bool echo);
// Hands every printed text to sink instead of keeping it for TakePrinted
// (null: keep it again). The sink runs on the thread that printed, which is
// the thread calling mexFunction; it must not call mexFunction itself.
void SetPrintSink(void (*sink)(const char* text));

// The module's lock count and unload: RunAtExit runs the registered exit
// hook as the host does when it clears the module or exits.
int LockCount();
void RunAtExit();

// Ctrl-C. By default the host's interrupt is a flag that tests set (from any
// thread) and Call clears when it handles it. A host embedding the module
// may answer utIsInterruptPending itself instead (null: the flag again).
void SetInterruptPending(bool pending);
void SetInterruptCheck(bool (*check)());
// How many times the module asked whether an interrupt is pending.
long InterruptChecks();

// Live mxArray count, for leak checks in tests.
long LiveArrays();

}  // namespace standalone
