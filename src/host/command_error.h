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

// A command that gave up because the user pressed Ctrl-C. Like CommandError
// it unwinds to mexFunction, which then ends the call as the host ends an
// interrupted one.
struct CommandInterrupted {};

[[noreturn]] inline void FailInterrupted() { throw CommandInterrupted{}; }
