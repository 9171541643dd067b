#pragma once
// Whole files, read and written with every failure reported: what a program
// reads on a user's say-so is capped, and what it writes is either all there
// or not there at all.

#include <cstddef>
#include <string>
#include <string_view>

#include "surface/zarn_errors.h"

namespace zarn {

// A file that could not be read or written. The message is "PATH: REASON",
// the reason the system's own words where it gave any.
class EFileError : public EZarnError {
 public:
  EFileError(std::string path, std::string reason);
  const std::string& Path() const { return path_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

// The contents of a file of at most maxBytes. Opening does not wait for a
// writer on a named pipe.
std::string ReadFileCapped(const std::string& path, std::size_t maxBytes);

// Replaces the file at path with bytes: written to a new file beside it and
// renamed over it once every write, the flush and the close have succeeded,
// so a failure leaves the old file (or none) and no partial one. A path that
// names a device or pipe is written in place.
void WriteFileWhole(const std::string& path, std::string_view bytes);

}  // namespace zarn
