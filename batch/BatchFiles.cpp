#include "batch/BatchFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <QIODevice>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <streambuf>

#include "storage/Aaf.h"

namespace ostrane {

// Reads a file descriptor in blocks; a read error fails the stream (an
// exception from a buffer sets the stream's badbit).
class TBatchInput::TBuffer : public std::streambuf {
 public:
  ~TBuffer() override {
    if (Fd > 0) ::close(Fd);
  }

  int Fd = -1;
  const std::atomic<int>* Stop = nullptr;
  std::uintmax_t Read = 0;  // bytes taken from the descriptor

 protected:
  int_type underflow() override {
    for (;;) {
      const ssize_t n = ::read(Fd, FBlock, sizeof FBlock);
      if (n > 0) {
        Read += static_cast<std::uintmax_t>(n);
        setg(FBlock, FBlock, FBlock + n);
        return traits_type::to_int_type(*gptr());
      }
      if (n == 0) return traits_type::eof();
      if (errno == EINTR && !(Stop && *Stop)) continue;
      throw std::runtime_error(std::strerror(errno));
    }
  }

  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    if (off != 0 || dir != std::ios_base::cur) return pos_type(off_type(-1));
    return pos_type(static_cast<off_type>(Read) - (egptr() - gptr()));
  }

 public:
  // Gives back `taken`, the bytes read last, before those still unread.
  void Unread(const std::string& taken) {
    FHeld = taken + std::string(gptr(), egptr());
    setg(FHeld.data(), FHeld.data(), FHeld.data() + FHeld.size());
  }

 private:
  char FBlock[64 * 1024];
  std::string FHeld;  // bytes given back
};

bool TBatchInput::IsAaf() {
  std::string line;
  try {
    const int first = FBuffer->sgetc();
    if (first != '#' && first != 0xEF) return false;
    // A chunk line is short; a longer first line is not looked at further.
    while (line.size() <= kMaxAafLineBytes) {
      const int c = FBuffer->sbumpc();
      if (c == std::char_traits<char>::eof()) break;
      line.push_back(static_cast<char>(c));
      if (c == '\n') break;
    }
  } catch (const std::exception&) {
    FStream.setstate(std::ios::badbit);
    return false;
  }
  FBuffer->Unread(line);
  return LooksLikeAaf(line);
}

bool TBatchInput::ReadAll(std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  char block[64 * 1024];
  try {
    for (;;) {
      const std::streamsize n = FBuffer->sgetn(block, sizeof block);
      if (n <= 0) return true;
      if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) return false;
      bytes.append(block, static_cast<std::size_t>(n));
    }
  } catch (const std::exception&) {
    return false;
  }
}

TBatchInput::TBatchInput() : FBuffer(std::make_unique<TBuffer>()), FStream(FBuffer.get()) {}

TBatchInput::~TBatchInput() = default;

std::string TBatchInput::Open(const std::string& path, bool regularOnly,
                              const std::atomic<int>* stop) {
  FBuffer->Stop = stop;
  int fd = 0;
  if (path != "-") {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0) return std::strerror(errno);
  }
  FBuffer->Fd = fd;
  if (::fstat(fd, &FStat) != 0) return std::strerror(errno);
  if (S_ISDIR(FStat.st_mode)) return std::strerror(EISDIR);
  if (regularOnly && !S_ISREG(FStat.st_mode))
    return "not a regular file: the batch reads files, not named pipes or devices";
  // A regular file never waits; reads block as usual from here.
  if (regularOnly) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return {};
}

std::uintmax_t TBatchInput::Size() const {
  return S_ISREG(FStat.st_mode) ? static_cast<std::uintmax_t>(FStat.st_size) : 0;
}

std::uintmax_t TBatchInput::Position() {
  return FBuffer->Read - static_cast<std::uintmax_t>(FStream.rdbuf()->in_avail());
}

bool TBatchInput::IsFile(const std::string& output) const {
  struct stat target {};
  return FBuffer->Fd >= 0 && ::stat(output.c_str(), &target) == 0 &&
         target.st_dev == FStat.st_dev && target.st_ino == FStat.st_ino;
}

// Passes every write straight to the device, so that a failing write fails
// the stream at once and the rows before it are known to have been taken.
class TBatchOutput::TBuffer : public std::streambuf {
 public:
  QIODevice* Device = nullptr;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

  std::streamsize xsputn(const char* s, std::streamsize n) override {
    if (!Device) return 0;
    const qint64 written = Device->write(s, n);
    return written < 0 ? 0 : static_cast<std::streamsize>(written);
  }
};

TBatchOutput::TBatchOutput(const std::string& path)
    : FFile(path), FBuffer(std::make_unique<TBuffer>()), FStream(FBuffer.get()) {}

TBatchOutput::~TBatchOutput() = default;

bool TBatchOutput::Open() {
  if (!FFile.Open()) return false;
  FBuffer->Device = &FFile.Device();
  return true;
}

}  // namespace ostrane
