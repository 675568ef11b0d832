// The host layer: printing that is safe from any thread, and thin wrappers
// over the mx calls the module builds its results with.
#include "host/host.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/utf8.h"

#if defined(VARNELO_HOST_OCTAVE)
// The interpreter's own interrupt state and its way of answering it.
#include "quit.h"
#elif !defined(VARNELO_HOST_API_MEX_H)
// MATLAB's own mex.h (build_mex.m) does not declare libut's interrupt check.
extern "C" bool utIsInterruptPending(void);
#endif

namespace host {
namespace {

// Text from threads other than the host's waits here until the host's
// thread prints it. Bounded, so that a thread printing in a loop cannot
// exhaust memory while the host is busy; what overflows is counted.
struct PrintQueue {
    std::mutex lock;
    std::deque<std::string> messages;
    size_t dropped = 0;
};

PrintQueue& Queue() {
    static PrintQueue queue;
    return queue;
}

std::atomic<std::thread::id> hostThread{};

bool OnHostThread() { return hostThread.load() == std::this_thread::get_id(); }

std::string FormatText(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) < sizeof small) return std::string(small, static_cast<size_t>(n));
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), format, args);
    text.resize(static_cast<size_t>(n));
    return text;
}

}  // namespace

void EnterHostCall() { hostThread.store(std::this_thread::get_id()); }

void FlushPrints() {
    if (!OnHostThread()) return;
    std::deque<std::string> pending;
    size_t dropped = 0;
    {
        PrintQueue& q = Queue();
        std::lock_guard<std::mutex> guard(q.lock);
        pending.swap(q.messages);
        dropped = q.dropped;
        q.dropped = 0;
    }
    for (const std::string& text : pending) mexPrintf("%s", text.c_str());
    if (dropped > 0) {
        mexPrintf("\t(%zu further messages from the receive thread were dropped)\n", dropped);
    }
}

void Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatText(format, args);
    va_end(args);
    if (OnHostThread()) {
        FlushPrints();  // keep the order: what other threads queued came first
        mexPrintf("%s", text.c_str());
        return;
    }
    PrintQueue& q = Queue();
    std::lock_guard<std::mutex> guard(q.lock);
    if (q.messages.size() < kPrintQueueCapacity) {
        q.messages.push_back(std::move(text));
    } else {
        ++q.dropped;
    }
}

#if defined(VARNELO_HOST_OCTAVE)
// Octave's SIGINT handler counts the interrupt at once; the interpreter
// answers it at its next check, which octave_quit() is.
bool InterruptPending() { return octave_interrupt_state > 0; }

void EndInterruptedCall() {
    octave_quit();
    // The signal was answered elsewhere in the meantime: still end as an
    // interrupt, since the command has already given up its result.
    throw octave::interrupt_exception();
}
#else
bool InterruptPending() { return utIsInterruptPending(); }

void EndInterruptedCall() {}
#endif

void Lock() { mexLock(); }
void Unlock() { mexUnlock(); }
bool IsLocked() { return mexIsLocked(); }
void RegisterAtExit(void (*hook)()) { mexAtExit(hook); }

mxArray* CreateColumn(mxClassID classId, size_t n, bool complex) {
    mwSize dims[1] = {static_cast<mwSize>(n)};
    return mxCreateNumericArray(1, dims, classId, complex ? mxCOMPLEX : mxREAL);
}

mxArray* CreateNumericMatrix(mxClassID classId, size_t rows, size_t columns, bool complex) {
    mwSize dims[2] = {static_cast<mwSize>(rows), static_cast<mwSize>(columns)};
    return mxCreateNumericArray(2, dims, classId, complex ? mxCOMPLEX : mxREAL);
}

mxArray* CreateDoubleMatrix(size_t rows, size_t columns, bool complex) {
    return mxCreateDoubleMatrix(static_cast<mwSize>(rows), static_cast<mwSize>(columns),
                                complex ? mxCOMPLEX : mxREAL);
}

mxArray* CreateString(const char* text) { return mxCreateString(text); }

#if defined(VARNELO_HOST_OCTAVE)
// Octave's characters are the bytes of UTF-8 text.
mxArray* CreateText(const std::string& utf8) { return mxCreateString(utf8.c_str()); }
#else
// MATLAB's characters are UTF-16 units; its own conversions go through the
// local code page, which cannot hold every name.
mxArray* CreateText(const std::string& utf8) {
    const std::vector<uint16_t> units = Utf8ToUtf16(utf8.data(), utf8.size());
    mwSize dims[2] = {1, static_cast<mwSize>(units.size())};
    mxArray* a = mxCreateCharArray(2, dims);
    static_assert(sizeof(mxChar) == sizeof(uint16_t), "a character is one UTF-16 unit");
    if (!units.empty()) std::memcpy(mxGetChars(a), units.data(), units.size() * sizeof(uint16_t));
    return a;
}
#endif

namespace {

// An array the host made for the module, destroyed on leaving the scope.
struct HostArray {
    mxArray* array = nullptr;
    ~HostArray() {
        if (array) mxDestroyArray(array);
    }
};

// Every character of a char array of at most one row, as UTF-8. Octave's
// characters are bytes, which must be UTF-8 already; MATLAB's are UTF-16
// units. Characters are read whole, zeros included (mxArrayToString would
// end the text at the first).
bool CharRowText(const mxArray* a, std::string* utf8) {
    if (!mxIsChar(a) || mxGetM(a) > 1) return false;
    const size_t n = mxGetNumberOfElements(a);
    const mxChar* chars = mxGetChars(a);
    if (n > 0 && !chars) return false;
    if (sizeof(mxChar) == 1) {
        utf8->assign(reinterpret_cast<const char*>(chars), n);
        return IsUtf8(utf8->data(), n);
    }
    const std::vector<uint16_t> units(chars, chars + n);
    bool whole = true;
    *utf8 = Utf16ToUtf8(units.data(), n, &whole);
    return whole;
}

// The host's function name applied to a, one output; null when it failed.
mxArray* CallOnArray(const char* name, const mxArray* a) {
    mxArray* inputs[1] = {const_cast<mxArray*>(a)};
    mxArray* outputs[1] = {nullptr};
    if (mexCallMATLAB(1, outputs, 1, inputs, name) != 0) return nullptr;
    return outputs[0];
}

}  // namespace

bool ReadText(const mxArray* a, std::string* utf8) {
    std::string text;
    if (mxIsClass(a, "string")) {
        // A string scalar, converted by the host's own char; a missing
        // string has no text to convert.
        if (mxGetNumberOfElements(a) != 1) return false;
        HostArray missing{CallOnArray("ismissing", a)};
        if (!missing.array || !mxIsLogical(missing.array) || mxGetScalar(missing.array) != 0)
            return false;
        HostArray converted{CallOnArray("char", a)};
        if (!converted.array || !CharRowText(converted.array, &text)) return false;
    } else if (!CharRowText(a, &text)) {
        return false;
    }
    if (text.find('\0') != std::string::npos) return false;
    *utf8 = std::move(text);
    return true;
}

bool ReadWord(const mxArray* a, std::string* word) {
    if (ReadText(a, word)) return true;
    word->clear();
    return mxIsChar(a);
}

mxArray* CreateDoubleScalar(double value) { return mxCreateDoubleScalar(value); }
mxArray* CreateLogicalScalar(bool value) { return mxCreateLogicalScalar(value); }

mxArray* CreateStruct(const char* const* names, int count) {
    return mxCreateStructMatrix(1, 1, count, const_cast<const char**>(names));
}

void SetField(mxArray* structure, int position, mxArray* value) {
    mxSetFieldByNumber(structure, 0, position, value);
}

void DestroyArray(mxArray* array) {
    if (array) mxDestroyArray(array);
}

void* RealData(const mxArray* array) { return mxGetData(array); }
void* ImagData(const mxArray* array) { return mxGetImagData(array); }

bool IsDouble(const mxArray* a) { return mxIsDouble(a); }
bool IsComplex(const mxArray* a) { return mxIsComplex(a); }
bool IsSparse(const mxArray* a) { return mxIsSparse(a); }
size_t Columns(const mxArray* a) { return mxGetN(a); }
size_t ElementCount(const mxArray* a) { return mxGetNumberOfElements(a); }
bool ReadScalar(const mxArray* a, double* value) {
    if (mxIsEmpty(a) || !(mxIsNumeric(a) || mxIsLogical(a) || mxIsChar(a))) return false;
    *value = mxGetScalar(a);
    return true;
}

mxArray* CallSpline(mxArray* x, mxArray* y, mxArray* xi) {
    mxArray* inputs[3] = {x, y, xi};
    mxArray* outputs[1] = {nullptr};
    if (mexCallMATLAB(1, outputs, 3, inputs, "spline") != 0) return nullptr;
    return outputs[0];
}

void RaiseError(const char* message) {
    mexErrMsgTxt(message);
    // mexErrMsgTxt never returns; this only satisfies [[noreturn]].
    std::abort();
}

}  // namespace host
