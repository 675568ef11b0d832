// Selects the host's MEX API declarations: Octave's own mex.h for the
// Octave module, the project's declarations (host/api/mex.h) for MATLAB on
// Windows and for the standalone host. The include path decides.
#pragma once

#include <cstdio>  // Octave's mex.h does not include it
#include <mex.h>
