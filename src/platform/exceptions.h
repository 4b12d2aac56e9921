#pragma once
// The error classes of the run-time library stand-in. Each carries the text the user sees as
// its what(); the application's standard exception box shows exactly that text.

#include <exception>
#include <stdexcept>
#include <string>

namespace fillmap {

// Base of every error the program raises on purpose.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that is not a number of the wanted kind.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Floating-point faults: division by zero, invalid operation, overflow.
class EMathError : public Exception {
 public:
  using Exception::Exception;
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

// Errors of the data-set framework and of the record store ("No Records", ...).
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// The text the application's standard exception box shows: the message, with a full stop added
// when it does not end in one.
inline std::string exception_box_message(const std::exception& error) {
  std::string text = error.what();
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

}  // namespace fillmap
