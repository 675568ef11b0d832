// spline_probe(x, y, xi): the standalone host's spline, callable from Octave
// so that the suite can hold it against Octave's own spline.
#include <cstdio>
#include <string>

#include <mex.h>

#include "host/standalone/spline.h"

extern "C" __attribute__((visibility("default"))) void mexFunction(int nlhs, mxArray* plhs[],
                                                                    int nrhs,
                                                                    const mxArray* prhs[]) {
    if (nrhs != 3 || nlhs > 1) mexErrMsgTxt("usage: yi = spline_probe(x, y, xi)");
    size_t n = mxGetNumberOfElements(prhs[0]);
    size_t m = mxGetNumberOfElements(prhs[2]);
    plhs[0] = mxCreateDoubleMatrix(1, m, mxREAL);
    std::string error;
    standalone::CubicSpline(mxGetPr(prhs[0]), mxGetPr(prhs[1]), n, mxGetPr(prhs[2]), m,
                            mxGetPr(plhs[0]), &error);
    if (!error.empty()) mexErrMsgTxt(error.c_str());
}
