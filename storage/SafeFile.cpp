#include "SafeFile.h"

#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>

namespace ostrane {

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
  FFile = std::make_unique<QSaveFile>(FFileName);
  if (!FFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    Fail(FFile->errorString());
    FFile.reset();
    return false;
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
  const bool committed = FFile->commit();  // removes the temporary file on failure
  if (!committed) Fail(FFile->errorString());
  FFile.reset();
  FDevice.reset();
  return committed;
}

void TSafeFile::Rollback() {
  if (FFile) FFile->cancelWriting();
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
