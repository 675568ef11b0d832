// The standalone host's mx arrays, printing, lock and exit hook, and
// mexCallMATLAB for spline. Column-major storage with separate real and
// imaginary data, as MATLAB's separate-complex API presents arrays.
#include "host/standalone/standalone_host.h"

#include <atomic>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "host/standalone/spline.h"
#include "host/utf8.h"

namespace {

// An array's data: zeroed by calloc, as the hosts allocate it, so that pages
// the module never fills are never touched (a large GetData costs address
// space, not memory, until its lines come). Throws std::bad_alloc when
// there is not enough.
class ZeroedBytes {
public:
    ZeroedBytes() = default;
    explicit ZeroedBytes(size_t size) : size_(size) {
        if (size == 0) return;
        data_ = static_cast<uint8_t*>(std::calloc(size, 1));
        if (!data_) throw std::bad_alloc();
    }
    ZeroedBytes(ZeroedBytes&& other) noexcept : data_(other.data_), size_(other.size_) {
        other.data_ = nullptr;
        other.size_ = 0;
    }
    ZeroedBytes& operator=(ZeroedBytes&& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        return *this;
    }
    ZeroedBytes(const ZeroedBytes&) = delete;
    ZeroedBytes& operator=(const ZeroedBytes&) = delete;
    ~ZeroedBytes() { std::free(data_); }
    uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    uint8_t& operator[](size_t i) { return data_[i]; }

private:
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace

struct mxArray_tag {
    mxClassID classId = mxDOUBLE_CLASS;
    std::vector<size_t> dims{0, 0};
    bool complex = false;
    bool sparse = false;
    ZeroedBytes real;
    ZeroedBytes imag;
    std::vector<std::string> fieldNames;  // structures: 1 x 1 only
    std::vector<mxArray*> fields;
    // A MATLAB string array (class "string"): its texts in UTF-8, or missing.
    bool stringObject = false;
    bool missing = false;
    std::vector<std::string> strings;
};

namespace {

std::atomic<long> liveArrays{0};
std::mutex printLock;
std::string printed;
bool echo = false;
std::atomic<void (*)(const char*)> printSink{nullptr};
int lockCount = 0;
void (*atExitHook)() = nullptr;
std::vector<char*> callStrings;  // mxArrayToString results, reclaimed when a call ends
std::atomic<bool> interruptFlag{false};
std::atomic<bool (*)()> interruptCheck{nullptr};
std::atomic<long> interruptChecks{0};

size_t ElementSize(mxClassID c) {
    switch (c) {
        case mxDOUBLE_CLASS: case mxINT64_CLASS: case mxUINT64_CLASS: return 8;
        case mxSINGLE_CLASS: case mxINT32_CLASS: case mxUINT32_CLASS: return 4;
        case mxINT16_CLASS: case mxUINT16_CLASS: case mxCHAR_CLASS: return 2;
        case mxINT8_CLASS: case mxUINT8_CLASS: case mxLOGICAL_CLASS: return 1;
        default: return 0;
    }
}

size_t Count(const mxArray* a) {
    size_t n = 1;
    for (size_t d : a->dims) n *= d;
    return n;
}

mxArray* NewArray(mxClassID c, std::vector<size_t> dims, bool complex) {
    // One dimension gives a column, as MATLAB shapes it.
    if (dims.size() == 1) dims.push_back(1);
    if (dims.empty()) dims = {0, 0};
    std::unique_ptr<mxArray_tag> a(new mxArray_tag);
    a->classId = c;
    a->dims = dims;
    a->complex = complex;
    size_t bytes = Count(a.get()) * ElementSize(c);
    a->real = ZeroedBytes(bytes);
    if (complex) a->imag = ZeroedBytes(bytes);
    ++liveArrays;
    return a.release();
}

double ElementAsDouble(const mxArray* a, size_t i) {
    const uint8_t* p = a->real.data() + i * ElementSize(a->classId);
    switch (a->classId) {
        case mxDOUBLE_CLASS: { double v; std::memcpy(&v, p, 8); return v; }
        case mxSINGLE_CLASS: { float v; std::memcpy(&v, p, 4); return v; }
        case mxINT8_CLASS: return *reinterpret_cast<const int8_t*>(p);
        case mxUINT8_CLASS: case mxLOGICAL_CLASS: return *p;
        case mxINT16_CLASS: { int16_t v; std::memcpy(&v, p, 2); return v; }
        case mxUINT16_CLASS: case mxCHAR_CLASS: { uint16_t v; std::memcpy(&v, p, 2); return v; }
        case mxINT32_CLASS: { int32_t v; std::memcpy(&v, p, 4); return v; }
        case mxUINT32_CLASS: { uint32_t v; std::memcpy(&v, p, 4); return v; }
        case mxINT64_CLASS: { int64_t v; std::memcpy(&v, p, 8); return static_cast<double>(v); }
        case mxUINT64_CLASS: { uint64_t v; std::memcpy(&v, p, 8); return static_cast<double>(v); }
        default: return 0.0;
    }
}

// Characters are UTF-16 units, as in MATLAB; text crosses the API as UTF-8,
// as MATLAB converts it on a UTF-8 system.
std::string CharsAsUtf8(const mxArray* a) {
    return host::Utf16ToUtf8(reinterpret_cast<const uint16_t*>(a->real.data()), Count(a));
}

void ReclaimCallStrings() {
    for (char* s : callStrings) std::free(s);
    callStrings.clear();
}

}  // namespace

// ---- The mex/mx API ----

extern "C" {

void mexErrMsgTxt(const char* text) { throw standalone::HostError{text ? text : ""}; }

int mexPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    char buffer[4096];
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    // Outside printLock: a sink may block (a Python sink waits for the GIL).
    if (void (*sink)(const char*) = printSink.load()) {
        sink(buffer);
        return n;
    }
    std::lock_guard<std::mutex> guard(printLock);
    printed += buffer;
    if (echo) std::cout << buffer << std::flush;
    return n;
}

void mexLock(void) { ++lockCount; }
void mexUnlock(void) {
    if (lockCount > 0) --lockCount;
}
bool mexIsLocked(void) { return lockCount > 0; }
int mexAtExit(void (*hook)(void)) {
    atExitHook = hook;
    return 0;
}

int mexCallMATLAB(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[], const char* name) {
    // MATLAB's ismissing and char of a string scalar.
    const mxArray* text = nrhs == 1 && nlhs == 1 && prhs[0]->stringObject &&
                                  prhs[0]->strings.size() == 1 ? prhs[0] : nullptr;
    if (text && std::strcmp(name, "ismissing") == 0) {
        plhs[0] = mxCreateLogicalScalar(text->missing);
        return 0;
    }
    if (text && !text->missing && std::strcmp(name, "char") == 0) {
        plhs[0] = mxCreateString(text->strings[0].c_str());
        return 0;
    }
    if (std::strcmp(name, "spline") != 0 || nrhs != 3 || nlhs != 1) {
        throw standalone::HostError{std::string("Undefined function '") + name + "'."};
    }
    const mxArray *x = prhs[0], *y = prhs[1], *xi = prhs[2];
    size_t n = Count(x);
    if (Count(y) != n || x->classId != mxDOUBLE_CLASS || y->classId != mxDOUBLE_CLASS ||
        xi->classId != mxDOUBLE_CLASS) {
        throw standalone::HostError{"spline: x and y must be double vectors of the same length"};
    }
    size_t m = Count(xi);
    mxArray* out = NewArray(mxDOUBLE_CLASS, xi->dims, false);
    std::string error;
    standalone::CubicSpline(reinterpret_cast<const double*>(x->real.data()),
                            reinterpret_cast<const double*>(y->real.data()), n,
                            reinterpret_cast<const double*>(xi->real.data()), m,
                            reinterpret_cast<double*>(out->real.data()), &error);
    if (!error.empty()) {
        mxDestroyArray(out);
        throw standalone::HostError{error};
    }
    plhs[0] = out;
    return 0;
}

bool mxIsChar(const mxArray* a) { return a->classId == mxCHAR_CLASS; }
// Only objects are asked about by name: the module asks for "string" alone.
bool mxIsClass(const mxArray* a, const char* name) {
    return a->stringObject && std::strcmp(name, "string") == 0;
}
bool mxIsDouble(const mxArray* a) { return a->classId == mxDOUBLE_CLASS; }
bool mxIsComplex(const mxArray* a) { return a->complex; }
bool mxIsSparse(const mxArray* a) { return a->sparse; }
bool mxIsEmpty(const mxArray* a) { return Count(a) == 0; }
bool mxIsNumeric(const mxArray* a) {
    return a->classId >= mxDOUBLE_CLASS && a->classId <= mxUINT64_CLASS;
}
bool mxIsLogical(const mxArray* a) { return a->classId == mxLOGICAL_CLASS; }

char* mxArrayToString(const mxArray* a) {
    if (a->classId != mxCHAR_CLASS) return nullptr;
    const std::string text = CharsAsUtf8(a);
    char* s = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(s, text.c_str(), text.size() + 1);
    callStrings.push_back(s);
    return s;
}

mxChar* mxGetChars(const mxArray* a) {
    return a->classId == mxCHAR_CLASS ? reinterpret_cast<mxChar*>(const_cast<uint8_t*>(a->real.data()))
                                      : nullptr;
}

double mxGetScalar(const mxArray* a) {
    // MATLAB leaves the value of an empty, cell or structure array
    // unspecified and Octave raises an error of its own; this host raises
    // one too, so that a test sees the module read what it must not.
    if (Count(a) == 0 || ElementSize(a->classId) == 0) {
        throw standalone::HostError{"mxGetScalar: no scalar in an empty, cell or structure array"};
    }
    return ElementAsDouble(a, 0);
}

size_t mxGetM(const mxArray* a) { return a->dims[0]; }
size_t mxGetN(const mxArray* a) {
    size_t n = 1;
    for (size_t i = 1; i < a->dims.size(); ++i) n *= a->dims[i];
    return n;
}
size_t mxGetNumberOfElements(const mxArray* a) { return Count(a); }
double* mxGetPr(const mxArray* a) {
    return a->classId == mxDOUBLE_CLASS ? reinterpret_cast<double*>(const_cast<uint8_t*>(a->real.data())) : nullptr;
}
double* mxGetPi(const mxArray* a) {
    return a->classId == mxDOUBLE_CLASS && a->complex
               ? reinterpret_cast<double*>(const_cast<uint8_t*>(a->imag.data()))
               : nullptr;
}
void* mxGetData(const mxArray* a) { return const_cast<uint8_t*>(a->real.data()); }
void* mxGetImagData(const mxArray* a) {
    return a->complex ? const_cast<uint8_t*>(a->imag.data()) : nullptr;
}

mxArray* mxCreateString(const char* text) {
    const std::vector<uint16_t> units = host::Utf8ToUtf16(text, std::strlen(text));
    mxArray* a = NewArray(mxCHAR_CLASS, {1, units.size()}, false);
    if (!units.empty()) std::memcpy(a->real.data(), units.data(), units.size() * 2);
    return a;
}

mxArray* mxCreateCharArray(mwSize ndim, const mwSize* dims) {
    std::vector<size_t> d(dims, dims + ndim);
    return NewArray(mxCHAR_CLASS, d, false);
}

mxArray* mxCreateDoubleScalar(double value) {
    mxArray* a = NewArray(mxDOUBLE_CLASS, {1, 1}, false);
    std::memcpy(a->real.data(), &value, 8);
    return a;
}

mxArray* mxCreateLogicalScalar(mxLogical value) {
    mxArray* a = NewArray(mxLOGICAL_CLASS, {1, 1}, false);
    a->real[0] = value ? 1 : 0;
    return a;
}

mxArray* mxCreateNumericArray(mwSize ndim, const mwSize* dims, mxClassID classId,
                              mxComplexity complexity) {
    std::vector<size_t> d(dims, dims + ndim);
    return NewArray(classId, d, complexity == mxCOMPLEX);
}

mxArray* mxCreateDoubleMatrix(mwSize rows, mwSize columns, mxComplexity complexity) {
    return NewArray(mxDOUBLE_CLASS, {rows, columns}, complexity == mxCOMPLEX);
}

mxArray* mxCreateStructMatrix(mwSize rows, mwSize columns, int fieldCount,
                              const char** fieldNames) {
    mxArray* a = NewArray(mxSTRUCT_CLASS, {rows, columns}, false);
    for (int i = 0; i < fieldCount; ++i) a->fieldNames.push_back(fieldNames[i]);
    a->fields.assign(static_cast<size_t>(fieldCount) * Count(a), nullptr);
    return a;
}

void mxSetFieldByNumber(mxArray* structure, mwIndex index, int field, mxArray* value) {
    size_t slot = index * structure->fieldNames.size() + static_cast<size_t>(field);
    if (structure->fields.at(slot)) mxDestroyArray(structure->fields[slot]);
    structure->fields[slot] = value;
}

void mxDestroyArray(mxArray* a) {
    if (!a) return;
    for (mxArray* f : a->fields) mxDestroyArray(f);
    delete a;
    --liveArrays;
}

bool utIsInterruptPending(void) {
    ++interruptChecks;
    bool (*check)() = interruptCheck.load();
    return check ? check() : interruptFlag.load();
}

}  // extern "C"

// ---- The test-side API ----

namespace standalone {

CallResult::CallResult(CallResult&& other) noexcept : outputs(std::move(other.outputs)) {
    other.outputs.clear();
}
CallResult& CallResult::operator=(CallResult&& other) noexcept {
    if (this != &other) {
        for (mxArray* a : outputs) mxDestroyArray(a);
        outputs = std::move(other.outputs);
        other.outputs.clear();
    }
    return *this;
}
CallResult::~CallResult() {
    for (mxArray* a : outputs) mxDestroyArray(a);
}

CallResult Call(int nlhs, std::vector<mxArray*> inputs) {
    struct InputGuard {
        std::vector<mxArray*>& inputs;
        ~InputGuard() {
            for (mxArray* a : inputs) mxDestroyArray(a);
            ReclaimCallStrings();
        }
    } guard{inputs};
    // MATLAB always offers at least one output slot.
    std::vector<mxArray*> plhs(static_cast<size_t>(nlhs < 1 ? 1 : nlhs), nullptr);
    std::vector<const mxArray*> prhs(inputs.begin(), inputs.end());
    CallResult result;
    try {
        mexFunction(nlhs, plhs.data(), static_cast<int>(prhs.size()), prhs.data());
    } catch (const HostError&) {
        for (mxArray* a : plhs) mxDestroyArray(a);
        throw;
    }
    // The module leaves its outputs unassigned only when a Ctrl-C ended the
    // call; the host then ends the statement and clears the interrupt. A
    // call that assigned its outputs delivers them, and an interrupt that
    // came in meanwhile stays pending for the host to answer afterwards:
    // the outputs may hold lines already taken from the ring.
    if (nlhs >= 1 && !plhs[0] && utIsInterruptPending()) {
        for (mxArray* a : plhs) mxDestroyArray(a);
        if (!interruptCheck.load()) interruptFlag = false;
        throw HostInterrupted{};
    }
    for (int i = 0; i < nlhs; ++i) result.outputs.push_back(plhs[static_cast<size_t>(i)]);
    if (nlhs < 1 && plhs[0]) mxDestroyArray(plhs[0]);
    return result;
}

mxArray* String(const char* text) { return mxCreateString(text); }

mxArray* StringObject(const std::vector<std::string>& texts, bool missing) {
    mxArray* a = NewArray(mxUNKNOWN_CLASS, {1, texts.size()}, false);
    a->stringObject = true;
    a->missing = missing;
    a->strings = texts;
    return a;
}

mxArray* Double(double value) {
    mxArray* a = NewArray(mxDOUBLE_CLASS, {1, 1}, false);
    std::memcpy(a->real.data(), &value, 8);
    return a;
}

mxArray* DoubleMatrix(size_t rows, size_t columns, const std::vector<double>& real,
                      const std::vector<double>* imag) {
    mxArray* a = NewArray(mxDOUBLE_CLASS, {rows, columns}, imag != nullptr);
    size_t realBytes = std::min(real.size() * 8, a->real.size());
    if (realBytes) std::memcpy(a->real.data(), real.data(), realBytes);
    size_t imagBytes = imag ? std::min(imag->size() * 8, a->imag.size()) : 0;
    if (imagBytes) std::memcpy(a->imag.data(), imag->data(), imagBytes);
    return a;
}

mxArray* Numeric(mxClassID classId, size_t rows, size_t columns, bool complex) {
    return NewArray(classId, {rows, columns}, complex);
}

mxArray* Cell() { return NewArray(mxCELL_CLASS, {1, 1}, false); }
mxArray* Struct() {
    const char* names[1] = {"a"};
    return mxCreateStructMatrix(1, 1, 1, names);
}
mxArray* Sparse(size_t rows, size_t columns, bool complex) {
    mxArray* a = NewArray(mxDOUBLE_CLASS, {rows, columns}, complex);
    a->sparse = true;
    return a;
}

std::string GetString(const mxArray* a) { return CharsAsUtf8(a); }

const mxArray* GetField(const mxArray* structure, const char* name) {
    for (size_t i = 0; i < structure->fieldNames.size(); ++i)
        if (structure->fieldNames[i] == name) return structure->fields[i];
    return nullptr;
}

std::vector<std::string> FieldNames(const mxArray* structure) { return structure->fieldNames; }

mxClassID ClassOf(const mxArray* a) { return a->classId; }

std::string TakePrinted() {
    std::lock_guard<std::mutex> guard(printLock);
    std::string text;
    text.swap(printed);
    return text;
}

void SetEcho(bool on) { echo = on; }

void SetPrintSink(void (*sink)(const char* text)) { printSink.store(sink); }

int LockCount() { return lockCount; }

void RunAtExit() {
    if (atExitHook) atExitHook();
}

void SetInterruptPending(bool pending) { interruptFlag = pending; }
void SetInterruptCheck(bool (*check)()) { interruptCheck = check; }
long InterruptChecks() { return interruptChecks.load(); }

long LiveArrays() { return liveArrays.load(); }

}  // namespace standalone
