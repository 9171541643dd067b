#pragma once
// The library's exception families. Nothing in the library aborts the program:
// callers' mistakes surface as one of these, with an English message.

#include <stdexcept>
#include <string>

namespace zarn {

// Errors a caller can cause in a component (bad property values, bad layouts).
class EZarnError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Copying one persistent object onto another of an unrelated class.
class EConvertError : public EZarnError {
 public:
  using EZarnError::EZarnError;
};

// The runtime's floating-point math error (an invalid argument of a numeric routine).
class EMathError : public std::domain_error {
 public:
  using std::domain_error::domain_error;
};

}  // namespace zarn
