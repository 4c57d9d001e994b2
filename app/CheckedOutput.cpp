#include "app/CheckedOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ostrane {

TCheckedOutput::TCheckedOutput(int fd) : FFd(fd), FBuffer(64 * 1024) {
  setp(FBuffer.data(), FBuffer.data() + FBuffer.size());
}

TCheckedOutput::~TCheckedOutput() {
  Finish();
}

bool TCheckedOutput::Flush() {
  const char* at = pbase();
  const char* const end = pptr();
  setp(FBuffer.data(), FBuffer.data() + FBuffer.size());
  if (FError != 0) return false;
  while (at < end) {
    const ssize_t written = write(FFd, at, static_cast<std::size_t>(end - at));
    if (written < 0) {
      if (errno == EINTR) continue;
      FError = errno;
      return false;
    }
    FWritten = true;
    at += written;
  }
  return true;
}

TCheckedOutput::int_type TCheckedOutput::overflow(int_type c) {
  if (!Flush()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int TCheckedOutput::sync() {
  return Flush() ? 0 : -1;
}

bool TCheckedOutput::Finish() {
  if (FFinished) return FError == 0;
  FFinished = true;
  const bool gathered = pptr() != pbase();
  Flush();
  // Some file systems report a failed write only when the file is closed.
  if (close(FFd) != 0 && FError == 0 && (errno != EBADF || FWritten || gathered)) FError = errno;
  return FError == 0;
}

std::string TCheckedOutput::ErrorText() const {
  return FError == 0 ? std::string() : std::string(std::strerror(FError));
}

}  // namespace ostrane
