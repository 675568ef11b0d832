// The Python host: the extension modules varnelo._sim and varnelo._usb.
//
// Python reaches the module the way MATLAB does, through mexFunction with
// the command word first, on the standalone host (host/standalone), which
// supplies the mx arrays, printing, lock and exit hook. This file is the
// only Python-aware code: it turns Python arguments into mx arrays, the
// outputs back into Python values and numpy arrays, the raised text into
// varnelo.VarneloError and the printed text into calls of a Python handler
// once the call has returned (the package logs them). Every check and
// message stays the module's own.
//
// The module's logic assumes one host thread at a time, as MATLAB has: calls
// are serialised by callLock, taken after the GIL is released so that a
// waiting call never holds up other Python threads, and so that the
// interrupt check (which re-takes the GIL) cannot deadlock against a thread
// that waits for callLock.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/standalone/standalone_host.h"

#ifndef VARNELO_PYTHON_MODULE
#error "VARNELO_PYTHON_MODULE names the extension (_sim or _usb)"
#endif
#ifndef VARNELO_PYTHON_BACKEND
#error "VARNELO_PYTHON_BACKEND names the USB backend linked in"
#endif

namespace py = pybind11;

namespace {

std::mutex callLock;
// mexIsLocked() after the latest call: the module's own test of being
// connected, kept here so that asking does not wait for a call in progress.
std::atomic<bool> connected{false};
// Set while this thread runs mexFunction: Python code run from inside a call
// that called the instrument again would otherwise deadlock on callLock.
// (None runs there today: printed text reaches Python after the call.)
thread_local bool inCall = false;
// The Python callable that receives printed text (a reference of our own,
// given up only when another handler replaces it).
PyObject* printHandler = nullptr;
// varnelo.VarneloError, looked up once at import.
PyObject* errorClass = nullptr;
// signal.getsignal and signal.default_int_handler, looked up once at import.
PyObject* getSignal = nullptr;
PyObject* defaultIntHandler = nullptr;
// A Ctrl-C taken from Python while a call ran, kept until the call has
// returned. Only the thread holding callLock touches it.
bool ctrlCTaken = false;
// A Ctrl-C taken during a call that then completed and delivered its
// outputs: the thread it belongs to (0: none). Handed back to Python at that
// thread's next call. Touched with the GIL held.
unsigned long ctrlCDeferredFor = 0;
// Set by the exit hook: a call in progress ends as if interrupted, and no
// new one starts. Calls in flight are counted (with the GIL held) so that the
// hook can wait for them to be back in Python before the interpreter goes.
std::atomic<bool> exiting{false};
std::atomic<int> callsInFlight{0};

// ---- Ctrl-C ----

// Takes a pending Ctrl-C from Python without running any signal handler, so
// that no handler runs inside a call (one that calls the instrument would
// find it busy). Only a SIGINT that Python's own handler would turn into
// KeyboardInterrupt is taken; one for a handler of the user's own is put
// back, and that handler runs, as all others do, once the call has returned.
// GIL held; only the main thread ever sees one.
bool TakeCtrlC() {
    if (!PyOS_InterruptOccurred()) return false;
    PyObject* handler = PyObject_CallFunction(getSignal, "i", SIGINT);
    const bool ours = handler == defaultIntHandler;
    if (handler) {
        Py_DECREF(handler);
    } else {
        PyErr_Clear();
    }
    if (!ours) PyErr_SetInterrupt();
    return ours;
}

// The module's utIsInterruptPending, asked between the waits of a waiting
// GetData (at most 50 ms apart) and when a call returns with its outputs
// unassigned. A Ctrl-C once taken stays pending until the call has returned;
// the module then ends the call as MATLAB expects, with its outputs
// unassigned. From the exit hook on it answers yes without taking the GIL:
// a thread that takes it while the interpreter finalises does not return.
bool PythonInterruptPending() {
    if (exiting.load() || ctrlCTaken) return true;
    py::gil_scoped_acquire gil;
    ctrlCTaken = TakeCtrlC();
    return ctrlCTaken;
}

// ---- Printing ----

// What a call printed, in order, for the package once the call is back in
// Python. Running the handler inside the call would run Python code there,
// and with it any pending signal handler, which may call the instrument.
// Only the thread holding callLock touches it.
std::vector<std::string> printedInCall;

// mexPrintf's sink. Runs on the calling thread, without the GIL.
void KeepPrinted(const char* text) { printedInCall.emplace_back(text); }

// Hands what a call printed to the package's handler. GIL held. A Ctrl-C
// that comes meanwhile is taken first, so that it does not become a
// KeyboardInterrupt inside the handler where nothing could answer it; says
// whether one was.
bool DeliverPrinted(const std::vector<std::string>& texts) {
    bool ctrlC = false;
    for (const std::string& text : texts) {
        ctrlC = TakeCtrlC() || ctrlC;
        // Our own reference: a handler may replace the handler.
        PyObject* handler = printHandler;
        if (!handler) return ctrlC;
        Py_INCREF(handler);
        // System error texts and serial numbers are not guaranteed UTF-8.
        PyObject* str = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()),
                                             "replace");
        PyObject* result = str ? PyObject_CallFunctionObjArgs(handler, str, nullptr) : nullptr;
        Py_XDECREF(str);
        if (result) {
            Py_DECREF(result);
        } else {
            // A failing handler must not keep the call's result from the caller.
            PyErr_WriteUnraisable(handler);
        }
        Py_DECREF(handler);
    }
    return ctrlC;
}

// ---- Python values to mx arrays ----

// Owns the arrays made so far, so that a conversion that fails half-way
// leaves none behind.
struct ArrayList {
    std::vector<mxArray*> arrays;
    ~ArrayList() {
        for (mxArray* a : arrays) mxDestroyArray(a);
    }
    std::vector<mxArray*> Release() {
        std::vector<mxArray*> out;
        out.swap(arrays);
        return out;
    }
};

// Numbers and arrays become double matrices, as a MATLAB literal would: a
// 0-d array or scalar is 1 x 1, a 1-d array of n a 1 x n row, a 2-d array
// m x n. Complex input keeps its imaginary part.
mxArray* NumericArray(py::handle value, size_t position) {
    py::module_ numpy = py::module_::import("numpy");
    py::array array = numpy.attr("asarray")(value);
    char kind = array.dtype().kind();
    bool complex = kind == 'c';
    if (!(complex || kind == 'f' || kind == 'i' || kind == 'u' || kind == 'b')) {
        throw py::type_error("argument " + std::to_string(position) +
                             " is neither a str nor a number or array of numbers: " +
                             std::string(py::str(py::type::of(value).attr("__name__"))));
    }
    if (array.ndim() > 2) {
        throw py::value_error("argument " + std::to_string(position) +
                              " has more than two dimensions");
    }
    size_t rows = 1, columns = 1;
    if (array.ndim() == 1) {
        columns = static_cast<size_t>(array.shape(0));
    } else if (array.ndim() == 2) {
        rows = static_cast<size_t>(array.shape(0));
        columns = static_cast<size_t>(array.shape(1));
    }
    mxArray* a = mxCreateDoubleMatrix(rows, columns, complex ? mxCOMPLEX : mxREAL);
    size_t count = rows * columns;
    if (count == 0) return a;
    // Column-major, as the host stores arrays; the real and imaginary parts
    // apart (the separate-complex API).
    auto fortranDoubles = [&](py::object part) {
        return py::array_t<double, py::array::f_style | py::array::forcecast>::ensure(part);
    };
    py::array_t<double, py::array::f_style | py::array::forcecast> real =
        fortranDoubles(complex ? array.attr("real") : py::object(array));
    if (!real) {
        mxDestroyArray(a);
        throw py::error_already_set();
    }
    std::memcpy(mxGetPr(a), real.data(), count * sizeof(double));
    if (complex) {
        auto imag = fortranDoubles(array.attr("imag"));
        if (!imag) {
            mxDestroyArray(a);
            throw py::error_already_set();
        }
        std::memcpy(mxGetPi(a), imag.data(), count * sizeof(double));
    }
    return a;
}

mxArray* ToArray(py::handle value, size_t position) {
    if (py::isinstance<py::str>(value)) {
        // The module takes text as UTF-8. A str with lone surrogates (what
        // os.fsdecode makes of a file name that is not UTF-8) has no UTF-8
        // form: say so, rather than pybind11's "Unable to cast".
        Py_ssize_t size = 0;
        const char* utf8 = PyUnicode_AsUTF8AndSize(value.ptr(), &size);
        if (!utf8) {
            PyErr_Clear();
            throw py::value_error("argument " + std::to_string(position) +
                                  " is not valid UTF-8 text: " + std::string(py::repr(value)));
        }
        std::string text(utf8, static_cast<size_t>(size));
        if (text.find('\0') != std::string::npos) {
            throw py::value_error("argument " + std::to_string(position) +
                                  " contains a NUL character");
        }
        return mxCreateString(text.c_str());
    }
    if (PyFloat_Check(value.ptr()) || PyLong_Check(value.ptr())) {
        double number = PyFloat_AsDouble(value.ptr());
        if (number == -1.0 && PyErr_Occurred()) throw py::error_already_set();
        return mxCreateDoubleScalar(number);
    }
    if (value.is_none() || py::isinstance<py::bytes>(value) || py::isinstance<py::dict>(value)) {
        throw py::type_error("argument " + std::to_string(position) +
                             " is neither a str nor a number or array of numbers: " +
                             std::string(py::str(py::type::of(value).attr("__name__"))));
    }
    return NumericArray(value, position);
}

// ---- mx arrays to Python values ----

py::dtype DtypeOf(mxClassID classId) {
    switch (classId) {
        case mxDOUBLE_CLASS: return py::dtype::of<double>();
        case mxSINGLE_CLASS: return py::dtype::of<float>();
        case mxINT8_CLASS: return py::dtype::of<int8_t>();
        case mxUINT8_CLASS: return py::dtype::of<uint8_t>();
        case mxINT16_CLASS: return py::dtype::of<int16_t>();
        case mxUINT16_CLASS: return py::dtype::of<uint16_t>();
        case mxINT32_CLASS: return py::dtype::of<int32_t>();
        case mxUINT32_CLASS: return py::dtype::of<uint32_t>();
        case mxINT64_CLASS: return py::dtype::of<int64_t>();
        case mxUINT64_CLASS: return py::dtype::of<uint64_t>();
        case mxLOGICAL_CLASS: return py::dtype::of<bool>();
        default: throw std::logic_error("the module returned an array of an unexpected class");
    }
}

py::dtype ComplexDtypeOf(mxClassID classId) {
    return py::dtype(classId == mxSINGLE_CLASS ? "complex64" : "complex128");
}

// A numeric array as an (m, n) numpy array, in the host's column-major
// order (numpy reads it through Fortran strides).
py::array NumericFromArray(const mxArray* a, mxClassID classId) {
    size_t rows = mxGetM(a), columns = mxGetN(a);
    bool complex = mxIsComplex(a);
    py::dtype real = DtypeOf(classId);
    size_t itemSize = static_cast<size_t>(real.itemsize());
    py::dtype dtype = complex ? ComplexDtypeOf(classId) : real;
    size_t stride = static_cast<size_t>(dtype.itemsize());
    py::array out(dtype, {rows, columns}, {stride, stride * rows});
    size_t count = rows * columns;
    if (count == 0) return out;
    auto* target = static_cast<uint8_t*>(out.mutable_data());
    const auto* re = static_cast<const uint8_t*>(mxGetData(a));
    if (!complex) {
        std::memcpy(target, re, count * itemSize);
        return out;
    }
    const auto* im = static_cast<const uint8_t*>(mxGetImagData(a));
    for (size_t i = 0; i < count; ++i) {
        std::memcpy(target + i * stride, re + i * itemSize, itemSize);
        std::memcpy(target + i * stride + itemSize, im + i * itemSize, itemSize);
    }
    return out;
}

py::object FromArray(const mxArray* a) {
    if (!a) return py::none();
    mxClassID classId = standalone::ClassOf(a);
    if (classId == mxCHAR_CLASS) return py::str(standalone::GetString(a));
    if (classId == mxSTRUCT_CLASS) {
        // Field order is part of the result: a dict keeps it.
        py::dict fields;
        for (const std::string& name : standalone::FieldNames(a))
            fields[py::str(name)] = FromArray(standalone::GetField(a, name.c_str()));
        return std::move(fields);
    }
    return NumericFromArray(a, classId);
}

// The raised text as Python shows it: without the tab that begins every
// message and without its trailing newline.
std::string ErrorText(std::string text) {
    if (!text.empty() && text.front() == '\t') text.erase(0, 1);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// ---- Calls ----

[[noreturn]] void Raise(PyObject* type, const char* text) {
    PyErr_SetString(type, text);
    throw py::error_already_set();
}

// call(nargout, command, *arguments): one mexFunction call with nargout
// outputs. Returns the outputs as a tuple of length nargout (None for an
// output the module left unset).
//
// Ctrl-C: a call that Ctrl-C ended raises KeyboardInterrupt (the lines a
// GetData had taken are back in the ring). A call that completed delivers
// its outputs, even when Ctrl-C came in meanwhile: Python would otherwise
// raise it as soon as the call returns, before the caller has the lines, so
// it is taken here and raised at this thread's next call.
py::tuple Call(int nargout, py::args arguments) {
    if (nargout < 0) throw py::value_error("nargout must not be negative");
    if (inCall) {
        throw std::runtime_error(
            "varnelo: an instrument command was called while another runs on this thread "
            "(from a logging handler?)");
    }
    if (exiting.load()) Raise(PyExc_SystemExit, "varnelo: the interpreter is exiting");
    if (ctrlCDeferredFor != 0 && ctrlCDeferredFor == PyThread_get_thread_ident()) {
        // Given back to Python, whose SIGINT handler (its own, unless the
        // program has replaced it since) answers it.
        ctrlCDeferredFor = 0;
        PyErr_SetInterrupt();
        if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    }
    struct InFlight {
        InFlight() { ++callsInFlight; }
        ~InFlight() { --callsInFlight; }
    } inFlight;
    ArrayList inputs;
    for (size_t i = 0; i < arguments.size(); ++i)
        inputs.arrays.push_back(ToArray(arguments[i], i + 1));

    standalone::CallResult result;
    std::string error;
    bool failed = false;
    bool interrupted = false;
    bool refused = false;
    bool ctrlC = false;
    std::exception_ptr otherError;
    std::vector<std::string> printed;
    {
        py::gil_scoped_release release;
        std::lock_guard<std::mutex> guard(callLock);
        // Reset on every way out: a call that failed in any way leaves the
        // next one free to run.
        struct InCall {
            InCall() { inCall = true; }
            ~InCall() { inCall = false; }
        } mark;
        if (exiting.load()) {
            refused = true;  // waited for callLock while the exit hook ran
        } else {
            try {
                result = standalone::Call(nargout, inputs.Release());
            } catch (const standalone::HostError& e) {
                error = e.message;
                failed = true;
            } catch (const standalone::HostInterrupted&) {
                interrupted = true;
            } catch (...) {
                // std::bad_alloc above all; raised below, once the GIL is back.
                otherError = std::current_exception();
            }
        }
        connected.store(mexIsLocked());
        std::swap(ctrlC, ctrlCTaken);
        printed.swap(printedInCall);
    }
    if (refused || (interrupted && exiting.load()))
        Raise(PyExc_SystemExit, "varnelo: the interpreter is exiting");
    if (DeliverPrinted(printed)) ctrlC = true;
    if (!failed && !interrupted && !otherError && nargout > 0) {
        if (ctrlC || TakeCtrlC()) ctrlCDeferredFor = PyThread_get_thread_ident();
        py::tuple outputs(static_cast<size_t>(nargout));
        for (size_t i = 0; i < static_cast<size_t>(nargout); ++i)
            outputs[i] = FromArray(result.outputs[i]);
        return outputs;
    }
    // Without outputs to deliver, the user's Ctrl-C wins over the result.
    if (interrupted || ctrlC) {
        PyErr_SetNone(PyExc_KeyboardInterrupt);
        throw py::error_already_set();
    }
    if (otherError) std::rethrow_exception(otherError);
    if (failed) Raise(errorClass, ErrorText(error).c_str());
    return py::tuple(0);
}

// What the host does when it unloads the module or exits: the module's exit
// hook closes a connection left open, without a message. A call in progress
// on another thread (a read on a daemon thread) ends first, as if
// interrupted, and raises SystemExit there, which ends that thread quietly.
void ReleaseAtExit() {
    exiting.store(true);
    py::gil_scoped_release release;
    {
        std::lock_guard<std::mutex> guard(callLock);
        standalone::RunAtExit();
        while (mexIsLocked()) mexUnlock();
        connected.store(false);
    }
    // Those calls need the GIL once more to return to Python; the
    // interpreter must not be finalised while they are still in here.
    for (int i = 0; i < 2000 && callsInFlight.load() > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace

PYBIND11_MODULE(VARNELO_PYTHON_MODULE, m) {
    m.doc() = "The VarneloControl module's core behind a Python host (USB backend: " VARNELO_PYTHON_BACKEND
              "). Use the varnelo package, not this module.";
    m.attr("BACKEND") = VARNELO_PYTHON_BACKEND;

    py::object error = py::module_::import("varnelo.errors").attr("VarneloError");
    errorClass = error.release().ptr();
    py::module_ signalModule = py::module_::import("signal");
    getSignal = py::object(signalModule.attr("getsignal")).release().ptr();
    defaultIntHandler = py::object(signalModule.attr("default_int_handler")).release().ptr();
    standalone::SetPrintSink(KeepPrinted);
    standalone::SetInterruptCheck(PythonInterruptPending);

    m.def("call", &Call, py::arg("nargout"),
          "call(nargout, command, *arguments) -> tuple: one call of the module, as "
          "VarneloControl(command, arguments...) with nargout outputs.");
    m.def("is_connected", [] { return connected.load(); },
          "Whether this backend's module holds a connection (as of its latest call).");
    m.def("release_at_exit", &ReleaseAtExit,
          "Closes a connection left open, as the host does at exit; prints nothing. A call "
          "in progress on another thread ends first; every later call raises SystemExit.");
    m.def("set_print_handler", [](py::object handler) {
        PyObject* previous = printHandler;
        printHandler = handler.is_none() ? nullptr : handler.release().ptr();
        Py_XDECREF(previous);
    }, py::arg("handler"), "Sets the callable that receives the module's printed text.");
}
