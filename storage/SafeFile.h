// A file written whole or not at all: the content goes through a device into
// a temporary file in the target's folder, which replaces the target only
// when every byte was written and the file was closed without an error.
// Until then, and after any failure, the target keeps its old content byte
// for byte; a failed or abandoned write removes the temporary file.  A
// process killed halfway leaves the target as it was.
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

class QIODevice;
class QSaveFile;

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

  // Makes the temporary file; false when it cannot (ErrorString says why:
  // no such folder, no permission, a directory of the target's name).
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
  bool Commit();

  // Abandons the write: the temporary file is removed, the target untouched.
  void Rollback();

  // Why the file was not written ("No space left on device", "File too
  // large"); empty while nothing failed.
  QString ErrorString() const { return FError; }

 private:
  class TGatheringDevice;

  QString FFileName;
  std::unique_ptr<QSaveFile> FFile;
  std::unique_ptr<TGatheringDevice> FDevice;
  QString FError;
};

// Writes a whole file through TSafeFile: `write` writes the content into the
// device and returns the reason it failed, or an empty text.  Returns the
// reason the file was not written, or an empty text when it was.
QString WriteFileSafely(const std::string& fileName,
                        const std::function<QString(QIODevice& device)>& write);

}  // namespace ostrane
