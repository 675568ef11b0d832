// A stand-in libmx.dll: the array calls the module imports, under MATLAB's
// export names (mex.h with VARNELO_HOST_MATLAB_700 maps the creation calls
// onto their _700 names), enough for the commands the load test sends.
#define VARNELO_STUB_BUILD
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mex.h"
#include "stub_matlab.h"

#define STUB extern "C" __declspec(dllexport)

struct mxArray_tag {
    mxClassID classId = mxDOUBLE_CLASS;
    size_t rows = 0;
    size_t columns = 0;
    bool complex = false;
    std::vector<unsigned char> real;
    std::vector<unsigned char> imag;
    std::string text;
    std::vector<mxArray*> fields;
    bool stringScalar = false;  // an object of class "string" holding text
};

namespace {

size_t ElementSize(mxClassID classId) {
    switch (classId) {
        case mxDOUBLE_CLASS: case mxINT64_CLASS: case mxUINT64_CLASS: return 8;
        case mxSINGLE_CLASS: case mxINT32_CLASS: case mxUINT32_CLASS: return 4;
        case mxINT16_CLASS: case mxUINT16_CLASS: case mxCHAR_CLASS: return 2;
        default: return 1;
    }
}

mxArray* Numeric(mxClassID classId, size_t rows, size_t columns, bool complex) {
    auto* a = new mxArray;
    a->classId = classId;
    a->rows = rows;
    a->columns = columns;
    a->complex = complex;
    a->real.assign(rows * columns * ElementSize(classId), 0);
    if (complex) a->imag.assign(a->real.size(), 0);
    return a;
}

}  // namespace

STUB bool mxIsChar(const mxArray* a) { return a->classId == mxCHAR_CLASS; }
STUB bool mxIsClass(const mxArray* a, const char* name) {
    return a->stringScalar && std::strcmp(name, "string") == 0;
}
mxArray* StubStringScalar(const char* text) {
    mxArray* a = Numeric(mxUNKNOWN_CLASS, 1, 1, false);
    a->text = text;
    a->stringScalar = true;
    return a;
}
const char* StubStringText(const mxArray* a) { return a->text.c_str(); }
STUB bool mxIsDouble(const mxArray* a) { return a->classId == mxDOUBLE_CLASS; }
STUB bool mxIsComplex(const mxArray* a) { return a->complex; }
STUB bool mxIsSparse(const mxArray*) { return false; }
STUB bool mxIsEmpty(const mxArray* a) { return a->rows * a->columns == 0; }
STUB bool mxIsNumeric(const mxArray* a) {
    return a->classId >= mxDOUBLE_CLASS && a->classId <= mxUINT64_CLASS;
}
STUB bool mxIsLogical(const mxArray* a) { return a->classId == mxLOGICAL_CLASS; }
STUB char* mxArrayToString(const mxArray* a) {
    if (a->classId != mxCHAR_CLASS) return nullptr;
    char* text = static_cast<char*>(std::malloc(a->text.size() + 1));
    std::memcpy(text, a->text.c_str(), a->text.size() + 1);
    return text;  // MATLAB frees it when the call ends; the stub leaks it
}
STUB double mxGetScalar(const mxArray* a) {
    return a->classId == mxDOUBLE_CLASS && !a->real.empty()
               ? *reinterpret_cast<const double*>(a->real.data())
               : 0.0;
}
STUB size_t mxGetM(const mxArray* a) { return a->rows; }
STUB size_t mxGetN(const mxArray* a) { return a->columns; }
STUB size_t mxGetNumberOfElements(const mxArray* a) { return a->rows * a->columns; }
STUB double* mxGetPr(const mxArray* a) {
    return reinterpret_cast<double*>(const_cast<unsigned char*>(a->real.data()));
}
STUB double* mxGetPi(const mxArray* a) {
    return a->complex ? reinterpret_cast<double*>(const_cast<unsigned char*>(a->imag.data()))
                      : nullptr;
}
STUB void* mxGetData(const mxArray* a) { return const_cast<unsigned char*>(a->real.data()); }
STUB void* mxGetImagData(const mxArray* a) {
    return a->complex ? const_cast<unsigned char*>(a->imag.data()) : nullptr;
}

STUB mxArray* mxCreateString(const char* text) {
    auto* a = new mxArray;
    a->classId = mxCHAR_CLASS;
    a->text = text;
    a->rows = a->text.empty() ? 0 : 1;
    a->columns = a->text.size();
    // The characters, as mxGetChars shows them: one UTF-16 unit each.
    for (unsigned char c : a->text) {
        a->real.push_back(c);
        a->real.push_back(0);
    }
    return a;
}
// Characters as UTF-16 units in the real data.
STUB mxArray* mxCreateCharArray(mwSize ndim, const mwSize* dims) {
    mxArray* a = Numeric(mxCHAR_CLASS, static_cast<size_t>(dims[0]),
                         ndim > 1 ? static_cast<size_t>(dims[1]) : 1, false);
    return a;
}
STUB mxChar* mxGetChars(const mxArray* a) {
    return reinterpret_cast<mxChar*>(const_cast<unsigned char*>(a->real.data()));
}
STUB mxArray* mxCreateDoubleScalar(double value) {
    mxArray* a = Numeric(mxDOUBLE_CLASS, 1, 1, false);
    std::memcpy(a->real.data(), &value, sizeof value);
    return a;
}
STUB mxArray* mxCreateLogicalScalar(mxLogical value) {
    mxArray* a = Numeric(mxLOGICAL_CLASS, 1, 1, false);
    a->real[0] = value ? 1 : 0;
    return a;
}
STUB mxArray* mxCreateNumericArray(mwSize ndim, const mwSize* dims, mxClassID classId,
                                   mxComplexity complexity) {
    return Numeric(classId, static_cast<size_t>(dims[0]),
                   ndim > 1 ? static_cast<size_t>(dims[1]) : 1, complexity == mxCOMPLEX);
}
STUB mxArray* mxCreateDoubleMatrix(mwSize rows, mwSize columns, mxComplexity complexity) {
    return Numeric(mxDOUBLE_CLASS, static_cast<size_t>(rows), static_cast<size_t>(columns),
                   complexity == mxCOMPLEX);
}
STUB mxArray* mxCreateStructMatrix(mwSize rows, mwSize columns, int fieldCount,
                                   const char**) {
    auto* a = new mxArray;
    a->classId = mxSTRUCT_CLASS;
    a->rows = static_cast<size_t>(rows);
    a->columns = static_cast<size_t>(columns);
    a->fields.assign(static_cast<size_t>(fieldCount), nullptr);
    return a;
}
STUB void mxSetFieldByNumber(mxArray* structure, mwIndex, int field, mxArray* value) {
    structure->fields.at(static_cast<size_t>(field)) = value;
}
STUB void mxDestroyArray(mxArray* a) {
    if (a == nullptr) return;
    for (mxArray* field : a->fields) mxDestroyArray(field);
    delete a;
}
