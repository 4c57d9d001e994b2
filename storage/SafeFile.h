// A file written whole or not at all: the content goes through a device into
// a temporary file in the target's folder, which replaces the target only
// when every byte was written and the file was closed without an error.
// Until then, and after any failure, the target keeps its old content byte
// for byte; a failed or abandoned write removes the temporary file.  A
// process killed halfway leaves the target as it was.
//
// What the target is decides how it is written, for every writer alike:
//   - no file, or a regular file: replaced whole as above;
//   - a symbolic link: followed to the file it names, which is replaced (or
//     made) as above; the link stays a link;
//   - a character device or a named pipe: never replaced; it receives the
//     bytes as a shell's `>` would, and its write errors are reported (a
//     full device says "No space left on device").  A pipe that no program
//     reads is refused at once instead of waiting for a reader;
//   - anything else (a directory, a block device, a socket): refused, and
//     left as it is.
//
// For every writer of a whole file: the line files, PDF listings (QPdfWriter
// on Device()), images (QImage::save, QSvgGenerator::setOutputDevice) and
// other exports.
//
//   TSafeFile file(path);
//   if (!file.Open()) return file.ErrorString();
//   ... write into file.Device(), call file.Fail(reason) on an error the
//       device cannot see ...
//   if (!file.Commit()) return file.ErrorString();
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QFileDevice;
class QIODevice;

namespace ostrane {

class TSafeFile {
 public:
  // `fileName`: the target, UTF-8; a symbolic link is followed and the file
  // it points to replaced.
  explicit TSafeFile(const std::string& fileName);
  // Rolls back a write neither committed nor rolled back.
  ~TSafeFile();

  TSafeFile(const TSafeFile&) = delete;
  TSafeFile& operator=(const TSafeFile&) = delete;

  // Makes the temporary file, or opens the device or pipe; false when it
  // cannot (ErrorString says why: no such folder, no permission, a directory
  // of the target's name, not a regular file).
  bool Open();

  // Where the content is written, open for writing after Open() succeeded.
  // Writes are gathered and passed on in large blocks; the first that fails
  // fails the whole file, and every write after it fails too.  Closing the
  // device (some writers close theirs when done) passes on what is
  // gathered but does not commit.
  QIODevice& Device();

  // Fails the file for a reason its writer found (a painter that could not
  // end its document); the first reason given is kept.
  void Fail(const QString& reason);

  // Passes on what is gathered and puts the file in place of the target.
  // False when any write, the close or the replacement failed, or Fail was
  // called: the target is then left as it was and the temporary file removed.
  // A device or pipe has then received the bytes written before the failure.
  bool Commit();

  // Abandons the write: the temporary file is removed, the target untouched.
  // A device or pipe keeps what it received.
  void Rollback();

  // True when the target is a device or a pipe, written as it is (known
  // after Open()).
  bool WritesInPlace() const { return FInPlace; }

  // Why the file was not written ("No space left on device", "File too
  // large"); empty while nothing failed.
  QString ErrorString() const { return FError; }

 private:
  class TGatheringDevice;

  QString FFileName;
  std::unique_ptr<QFileDevice> FFile;  // a QSaveFile, or the device or pipe
  bool FInPlace = false;
  std::unique_ptr<TGatheringDevice> FDevice;
  QString FError;
};

// Writes a whole file through TSafeFile: `write` writes the content into the
// device and returns the reason it failed, or an empty text.  Returns the
// reason the file was not written, or an empty text when it was.
QString WriteFileSafely(const std::string& fileName,
                        const std::function<QString(QIODevice& device)>& write);

}  // namespace ostrane
