#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace zarn {

namespace {

std::string SystemReason(int error) {
  return std::error_code(error, std::generic_category()).message();
}

// Closes on every path out; Close reports what the close itself said.
class TFile {
 public:
  explicit TFile(int fd) : fd_(fd) {}
  ~TFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  int Fd() const { return fd_; }
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// A device, pipe or terminal: there is nothing to rename over.
void WriteInPlace(const std::string& path, std::string_view bytes) {
  TFile file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
  if (file.Fd() < 0) throw EFileError(path, SystemReason(errno));
  if (const int error = WriteAll(file.Fd(), bytes)) throw EFileError(path, SystemReason(error));
  if (const int error = file.Close()) throw EFileError(path, SystemReason(error));
}

struct TSibling {
  int Fd = -1;
  int Error = 0;
  std::string Name;
};

// A new file beside target, created with the usual permissions.
TSibling CreateSibling(const std::filesystem::path& target) {
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
  std::string stem(".");
  stem += target.filename().string();
  stem += '.';
  stem += std::to_string(::getpid());
  TSibling made;
  for (int attempt = 0; attempt < 100; ++attempt) {
    made.Name = (dir / (stem + "." + std::to_string(attempt) + ".tmp")).string();
    made.Fd = ::open(made.Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    made.Error = made.Fd < 0 ? errno : 0;
    if (made.Error != EEXIST) break;
  }
  return made;
}

// Writes temp and moves it to target; the first failure, or 0.
int WriteAndRename(TFile& file, const std::string& temp, const std::string& target,
                   std::string_view bytes, const struct stat* old) {
  if (const int error = WriteAll(file.Fd(), bytes)) return error;
  // Full disks and quotas may only say so when the data reaches the disk.
  if (::fsync(file.Fd()) != 0) return errno;
  if (old && ::fchmod(file.Fd(), old->st_mode & 07777) != 0) return errno;
  if (const int error = file.Close()) return error;
  if (::rename(temp.c_str(), target.c_str()) != 0) return errno;
  return 0;
}

}  // namespace

EFileError::EFileError(std::string path, std::string reason)
    : EZarnError(path + ": " + reason), path_(std::move(path)), reason_(std::move(reason)) {}

std::string ReadFileCapped(const std::string& path, std::size_t maxBytes) {
  TFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Fd() < 0) throw EFileError(path, SystemReason(errno));
  // Non-blocking only so that opening a pipe without a writer returns.
  ::fcntl(file.Fd(), F_SETFL, ::fcntl(file.Fd(), F_GETFL) & ~O_NONBLOCK);
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(file.Fd(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EFileError(path, SystemReason(errno));
    if (n == 0) return text;
    if (text.size() + static_cast<std::size_t>(n) > maxBytes)
      throw EFileError(path, "larger than " + std::to_string(maxBytes) + " bytes");
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

void WriteFileWhole(const std::string& path, std::string_view bytes) {
  // Through a symbolic link to the file it names, which keeps the link.
  std::error_code ec;
  std::string target = std::filesystem::canonical(path, ec).string();
  if (ec) target = path;
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    WriteInPlace(path, bytes);
    return;
  }
  // Renaming would replace a file its owner made read-only.
  if (exists && ::access(target.c_str(), W_OK) != 0) throw EFileError(path, SystemReason(errno));
  const TSibling temp = CreateSibling(target);
  if (temp.Fd < 0)
    throw EFileError(path, "cannot create a file in " +
                               std::filesystem::path(temp.Name).parent_path().string() + ": " +
                               SystemReason(temp.Error));
  TFile file(temp.Fd);
  if (const int error = WriteAndRename(file, temp.Name, target, bytes, exists ? &old : nullptr)) {
    ::unlink(temp.Name.c_str());
    throw EFileError(path, SystemReason(error));
  }
}

}  // namespace zarn
