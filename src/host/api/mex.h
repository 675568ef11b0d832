/* The project's own declarations of the MATLAB external-interface calls the
 * module uses (separate-complex API). Used for MATLAB on Windows and for the
 * standalone host; the Octave module uses Octave's own mex.h instead.
 *
 * MATLAB's libmx exports the 32-bit-index creation calls under "_700" names;
 * VARNELO_HOST_MATLAB_700 maps the plain names onto them. */
#ifndef VARNELO_HOST_API_MEX_H
#define VARNELO_HOST_API_MEX_H

#include <stddef.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(VARNELO_HOST_MATLAB_700)
typedef int mwSize;
typedef int mwIndex;
#define mxCreateNumericArray mxCreateNumericArray_700
#define mxCreateCharArray mxCreateCharArray_700
#define mxCreateDoubleMatrix mxCreateDoubleMatrix_700
#define mxCreateStructMatrix mxCreateStructMatrix_700
#define mxSetFieldByNumber mxSetFieldByNumber_700
#else
typedef size_t mwSize;
typedef size_t mwIndex;
#endif

typedef struct mxArray_tag mxArray;

typedef enum {
    mxUNKNOWN_CLASS = 0,
    mxCELL_CLASS,
    mxSTRUCT_CLASS,
    mxLOGICAL_CLASS,
    mxCHAR_CLASS,
    mxVOID_CLASS,
    mxDOUBLE_CLASS,
    mxSINGLE_CLASS,
    mxINT8_CLASS,
    mxUINT8_CLASS,
    mxINT16_CLASS,
    mxUINT16_CLASS,
    mxINT32_CLASS,
    mxUINT32_CLASS,
    mxINT64_CLASS,
    mxUINT64_CLASS,
    mxFUNCTION_CLASS
} mxClassID;

typedef enum { mxREAL = 0, mxCOMPLEX = 1 } mxComplexity;

typedef bool mxLogical;
/* One character: a UTF-16 code unit. */
typedef unsigned short mxChar;

void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]);

void mexErrMsgTxt(const char* text);
int mexPrintf(const char* format, ...);
void mexLock(void);
void mexUnlock(void);
bool mexIsLocked(void);
int mexAtExit(void (*hook)(void));
int mexCallMATLAB(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[], const char* name);

bool mxIsChar(const mxArray* a);
/* True when a is of the named class, such as "string" for a MATLAB string
 * array (an object: mxIsChar is false for it). */
bool mxIsClass(const mxArray* a, const char* name);
bool mxIsDouble(const mxArray* a);
bool mxIsComplex(const mxArray* a);
bool mxIsSparse(const mxArray* a);
bool mxIsEmpty(const mxArray* a);
bool mxIsNumeric(const mxArray* a);
bool mxIsLogical(const mxArray* a);
char* mxArrayToString(const mxArray* a);
double mxGetScalar(const mxArray* a);
size_t mxGetM(const mxArray* a);
size_t mxGetN(const mxArray* a);
size_t mxGetNumberOfElements(const mxArray* a);
double* mxGetPr(const mxArray* a);
double* mxGetPi(const mxArray* a);
void* mxGetData(const mxArray* a);
void* mxGetImagData(const mxArray* a);
mxChar* mxGetChars(const mxArray* a);

mxArray* mxCreateString(const char* text);
mxArray* mxCreateCharArray(mwSize ndim, const mwSize* dims);
mxArray* mxCreateDoubleScalar(double value);
mxArray* mxCreateLogicalScalar(mxLogical value);
mxArray* mxCreateNumericArray(mwSize ndim, const mwSize* dims, mxClassID classId,
                              mxComplexity complexity);
mxArray* mxCreateDoubleMatrix(mwSize rows, mwSize columns, mxComplexity complexity);
mxArray* mxCreateStructMatrix(mwSize rows, mwSize columns, int fieldCount,
                              const char** fieldNames);
void mxSetFieldByNumber(mxArray* structure, mwIndex index, int field, mxArray* value);
void mxDestroyArray(mxArray* a);

/* MATLAB's libut: true while a Ctrl-C waits to be handled. MATLAB handles it
 * itself once the MEX call returns. */
bool utIsInterruptPending(void);

#ifdef __cplusplus
}
#endif

#endif
