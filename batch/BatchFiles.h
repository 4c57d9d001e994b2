// The files of a batch run (BatchRun.h): the input read from a file, a pipe
// or standard input without seeking, and the output written whole or not at
// all through TSafeFile, so that a run that fails or is stopped leaves the
// old output as it was.
#pragma once

#include <sys/stat.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "storage/SafeFile.h"

namespace ostrane {

// The input, read through a file descriptor.
class TBatchInput {
 public:
  TBatchInput();
  ~TBatchInput();
  TBatchInput(const TBatchInput&) = delete;
  TBatchInput& operator=(const TBatchInput&) = delete;

  // Opens `path` ("-": standard input).  `regularOnly`: anything but a
  // regular file (a named pipe, a device, a directory) is refused, and the
  // open does not wait for a pipe's writer.  `stop`, when given and set
  // (by a signal handler), ends a read that a signal interrupted: the
  // stream then fails.  Returns why the input cannot be read, or "".
  std::string Open(const std::string& path, bool regularOnly,
                   const std::atomic<int>* stop = nullptr);

  std::istream& Stream() { return FStream; }
  // The size of a regular file, for the time left; 0 for anything else.
  std::uintmax_t Size() const;
  // The bytes read so far.
  std::uintmax_t Position();
  // True when the input is AAF text (storage/Aaf.h): its first line, read
  // for that when it begins with '#' or a byte order mark, is a chunk line.
  // The line is given back, so that Stream() reads the input whole either way.
  bool IsAaf();
  // Reads the rest of the input into `bytes`; false when it holds more than
  // `maxBytes` or cannot be read.
  bool ReadAll(std::string& bytes, std::size_t maxBytes);
  // True when `output` names the input itself: the same file, by a link or
  // another name, or the file standard input reads from.
  bool IsFile(const std::string& output) const;

 private:
  class TBuffer;
  std::unique_ptr<TBuffer> FBuffer;
  std::istream FStream;
  struct stat FStat {};
};

// The output: a temporary file beside `path` that replaces it on Commit.
class TBatchOutput {
 public:
  explicit TBatchOutput(const std::string& path);
  ~TBatchOutput();  // rolls back what was not committed
  TBatchOutput(const TBatchOutput&) = delete;
  TBatchOutput& operator=(const TBatchOutput&) = delete;

  // False when the temporary file cannot be made; ErrorString says why.
  bool Open();
  // Unbuffered: a write fails as soon as the file refuses it.
  std::ostream& Stream() { return FStream; }
  bool Commit() { return FFile.Commit(); }
  void Rollback() { FFile.Rollback(); }
  std::string ErrorString() const { return FFile.ErrorString().toStdString(); }

 private:
  class TBuffer;
  TSafeFile FFile;
  std::unique_ptr<TBuffer> FBuffer;
  std::ostream FStream;
};

}  // namespace ostrane
