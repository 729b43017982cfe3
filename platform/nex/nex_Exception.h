#pragma once
// The platform's exceptions: one base carrying the message, one class per kind of refusal.
#include <exception>
#include <string>

class nex_Exception : public std::exception {
public:
    explicit nex_Exception(std::string message) : message_(std::move(message)) {}
    char const* what() const noexcept override { return message_.c_str(); }
    std::string const& Message() const { return message_; }

private:
    std::string message_;
};

// A refused request of a module, with the module's message for its error code.
class nex_TextException : public nex_Exception {
    using nex_Exception::nex_Exception;
};

// An internal inconsistency; the message is the quoted condition that failed.
class nex_AssertException : public nex_Exception {
    using nex_Exception::nex_Exception;
};

// A value that a scripting-level conversion does not accept.
class omu_ValueErrorException : public nex_Exception {
    using nex_Exception::nex_Exception;
};

// A name that is not in the collection it was looked up in.
class omu_KeyErrorException : public nex_Exception {
    using nex_Exception::nex_Exception;
};

// A scripting value of the wrong kind (a string where a number belongs), or a command
// called with an argument it does not take or without one it needs.
class omu_TypeErrorException : public nex_Exception {
    using nex_Exception::nex_Exception;
};

// Raises nex_AssertException with the condition's source text when it does not hold.
#define NEX_ASSERT(condition) \
    do { \
        if (!(condition)) throw nex_AssertException(#condition); \
    } while (0)

// Raises nex_AssertException for a branch that must not be reached; the message
// reads as the quoted text compared with 0, e.g. "\"Not supported\"==0".
#define NEX_FAIL(text) throw nex_AssertException("\"" text "\"==0")
