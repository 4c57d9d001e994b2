#include "storage/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace ostrane {
namespace {

enum class TTarget {
  Replaced,  // nothing yet, a regular file or a directory (which QSaveFile refuses)
  InPlace,   // a character device or a named pipe
  Refused,   // a block device, a socket
};

// What the target is, its symbolic links followed.
TTarget TargetOf(const QByteArray& path) {
  struct stat target {};
  if (stat(path.constData(), &target) != 0) return TTarget::Replaced;  // made anew
  if (S_ISCHR(target.st_mode) || S_ISFIFO(target.st_mode)) return TTarget::InPlace;
  if (S_ISREG(target.st_mode) || S_ISDIR(target.st_mode)) return TTarget::Replaced;
  return TTarget::Refused;
}

QString SystemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Opens a device or a pipe for writing as a shell's `>` does, except that a
// pipe without a reader is refused instead of waited for.  Returns the
// descriptor, or -1 with `reason` set.
int OpenInPlace(const QByteArray& path, QString& reason) {
  const int fd = open(path.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason =
        errno == ENXIO ? QStringLiteral("No program reads from the pipe") : SystemReason(errno);
    return -1;
  }
  struct stat opened {};
  if (fstat(fd, &opened) != 0 || !(S_ISCHR(opened.st_mode) || S_ISFIFO(opened.st_mode))) {
    reason = QStringLiteral("Not a regular file");  // replaced since it was looked at
    close(fd);
    return -1;
  }
  // Writes wait for the reader, as they would after a shell's `>`.
  if (const int flags = fcntl(fd, F_GETFL); flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

}  // namespace

// Gathers what is written and passes it on to the temporary file in blocks.
// The temporary file is unbuffered, so a failed write (disk full) shows in
// write() itself: QSaveFile does not notice one that arises while its own
// buffer is flushed on commit, and would then put the short file in place.
class TSafeFile::TGatheringDevice : public QIODevice {
 public:
  explicit TGatheringDevice(TSafeFile& owner) : FOwner(owner) {}

  // Passes on everything gathered; false when that or an earlier write failed.
  bool Flush() {
    if (!FOwner.FError.isEmpty() || !FOwner.FFile) return false;
    // A short write is followed by another, which tells the reason.
    for (qsizetype done = 0; done < FGathered.size();) {
      const qint64 written =
          FOwner.FFile->write(FGathered.constData() + done, FGathered.size() - done);
      if (written <= 0) {
        FOwner.Fail(FOwner.FFile->errorString());
        FGathered.clear();
        return false;
      }
      done += static_cast<qsizetype>(written);
    }
    FGathered.clear();
    return true;
  }

  bool isSequential() const override { return true; }
  void close() override {
    Flush();
    QIODevice::close();
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    if (!FOwner.FError.isEmpty()) return -1;
    FGathered.append(data, static_cast<qsizetype>(length));
    if (FGathered.size() >= kBlockBytes && !Flush()) return -1;
    return length;
  }

 private:
  static constexpr qsizetype kBlockBytes = 64 * 1024;
  TSafeFile& FOwner;
  QByteArray FGathered;
};

TSafeFile::TSafeFile(const std::string& fileName) : FFileName(QString::fromStdString(fileName)) {}

TSafeFile::~TSafeFile() {
  Rollback();
}

bool TSafeFile::Open() {
  Rollback();
  FError.clear();
  const QByteArray path = QFile::encodeName(FFileName);
  const TTarget target = TargetOf(path);
  FInPlace = target == TTarget::InPlace;
  if (target == TTarget::Refused) {
    Fail(QStringLiteral("Not a regular file"));
    return false;
  }
  if (FInPlace) {
    QString reason;
    const int fd = OpenInPlace(path, reason);
    if (fd < 0) {
      Fail(reason);
      return false;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
      Fail(file->errorString());
      close(fd);
      return false;
    }
    FFile = std::move(file);
  } else {
    FFile = std::make_unique<QSaveFile>(FFileName);
    if (!FFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
      Fail(FFile->errorString());
      FFile.reset();
      return false;
    }
  }
  FDevice = std::make_unique<TGatheringDevice>(*this);
  FDevice->open(QIODevice::WriteOnly);
  return true;
}

QIODevice& TSafeFile::Device() {
  // Before Open(), or after a failed one: a closed device that takes nothing.
  if (!FDevice) FDevice = std::make_unique<TGatheringDevice>(*this);
  return *FDevice;
}

void TSafeFile::Fail(const QString& reason) {
  if (FError.isEmpty()) FError = reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

bool TSafeFile::Commit() {
  if (!FFile) {
    Fail(QStringLiteral("The file was not opened"));
    return false;
  }
  if (FDevice) FDevice->Flush();
  if (!FError.isEmpty()) {
    Rollback();
    return false;
  }
  bool committed = false;
  if (FInPlace) {
    FFile->close();
    committed = FFile->error() == QFileDevice::NoError;
  } else {
    // Removes the temporary file on failure.
    committed = static_cast<QSaveFile&>(*FFile).commit();
  }
  if (!committed) Fail(FFile->errorString());
  FFile.reset();
  FDevice.reset();
  return committed;
}

void TSafeFile::Rollback() {
  if (FFile && !FInPlace) static_cast<QSaveFile&>(*FFile).cancelWriting();
  FFile.reset();  // removes the temporary file of an uncommitted write
  FDevice.reset();
}

QString WriteFileSafely(const std::string& fileName,
                        const std::function<QString(QIODevice& device)>& write) {
  TSafeFile file(fileName);
  if (!file.Open()) return file.ErrorString();
  if (const QString reason = write(file.Device()); !reason.isEmpty()) file.Fail(reason);
  if (!file.Commit()) return file.ErrorString();
  return {};
}

}  // namespace ostrane
