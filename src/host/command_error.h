// How deeper code reports a failure that ends a command: it throws a
// CommandError with the exact message; mexFunction catches it once, after
// every lock and buffer has been released by its owner's destructor, and
// hands the text to mexErrMsgTxt. Nothing else is ever caught.
#pragma once

#include <string>

struct CommandError {
    std::string message;
};

[[noreturn]] inline void Fail(const char* message) { throw CommandError{message}; }
