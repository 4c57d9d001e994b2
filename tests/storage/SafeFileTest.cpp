// TSafeFile: a file written whole or not at all.  Every failure leaves the
// old file byte for byte and no temporary file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QIODevice>

#include <functional>
#include <string>

#include "FileSizeLimit.h"
#include "SafeFile.h"
#include "TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

const std::string kOld = "%PDF-1.4 the old file\n%%EOF\n";

// The content in writes of `piece` bytes each.
QString WritePieces(QIODevice& device, const std::string& content, std::size_t piece) {
  for (std::size_t at = 0; at < content.size(); at += piece) {
    const std::string part = content.substr(at, piece);
    device.write(part.data(), static_cast<qint64>(part.size()));
  }
  return {};
}

QStringList Entries(const TempDir& dir) {
  return QDir(QString::fromStdString(dir.Path("")))
      .entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
}

TEST(SafeFile, WrittenWholeInAnyPieces) {
  std::string big;
  for (int i = 0; big.size() < 300 * 1024; ++i) big += "line " + std::to_string(i) + "\r\n";
  const struct {
    const char* what;
    std::string content;
    std::size_t piece;
  } cases[] = {
      {"empty", "", 1},
      {"one write", "Time Lords\r\n", 100},
      {"single bytes", "Time Lords\r\n", 1},
      {"many blocks in small writes", big, 97},
      {"many blocks in one write", big, big.size()},
      {"just one block", std::string(64 * 1024, 'b'), 64 * 1024},
  };
  TempDir dir;
  const std::string path = dir.Path("listing.pdf");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, kOld);
    const QString reason = WriteFileSafely(
        path, [&](QIODevice& device) { return WritePieces(device, c.content, c.piece); });
    EXPECT_EQ(reason.toStdString(), "");
    EXPECT_TRUE(ReadBytes(path) == c.content) << "content differs";
    EXPECT_EQ(Entries(dir), QStringList{"listing.pdf"});
  }
}

TEST(SafeFile, AFailureKeepsTheOldFileAndRemovesTheTemporaryOne) {
  const std::string large(200 * 1024, 'x');  // more than one block
  const std::string small(1000, 'x');        // less than one block
  const struct {
    const char* what;
    rlim_t sizeLimit;  // 0: none
    std::function<QString(QIODevice&)> write;
    const char* reason;
  } cases[] = {
      {"the disk fills while blocks are written", 100 * 1024,
       [&](QIODevice& d) { return WritePieces(d, large, 1000); }, "File too large"},
      {"the disk fills on the last block", 500,
       [&](QIODevice& d) { return WritePieces(d, small, 10); }, "File too large"},
      {"the writer failed", 0,
       [&](QIODevice& d) {
         WritePieces(d, small, 10);
         return QString("The painter could not end the document");
       },
       "The painter could not end the document"},
  };
  TempDir dir;
  const std::string path = dir.Path("listing.pdf");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, kOld);
    QString reason;
    {
      const FileSizeLimit limit(c.sizeLimit > 0 ? c.sizeLimit : RLIM_INFINITY);
      ASSERT_TRUE(limit.Active());
      reason = WriteFileSafely(path, c.write);
    }
    EXPECT_EQ(reason.toStdString(), c.reason);
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Entries(dir), QStringList{"listing.pdf"}) << "a temporary file was left";
  }
}

TEST(SafeFile, WritesAfterAFailureFailToo) {
  TempDir dir;
  const std::string path = dir.Path("listing.pdf");
  WriteBytes(path, kOld);
  TSafeFile file(path);
  ASSERT_TRUE(file.Open());
  const std::string block(64 * 1024, 'x');
  {
    const FileSizeLimit limit(1024);
    EXPECT_EQ(file.Device().write(block.data(), static_cast<qint64>(block.size())), -1);
  }
  EXPECT_EQ(file.ErrorString().toStdString(), "File too large");
  EXPECT_EQ(file.Device().write("more", 4), -1) << "the space freed since does not count";
  EXPECT_FALSE(file.Commit());
  EXPECT_EQ(file.ErrorString().toStdString(), "File too large") << "the first reason is kept";
  EXPECT_EQ(ReadBytes(path), kOld);
  EXPECT_EQ(Entries(dir), QStringList{"listing.pdf"});
}

TEST(SafeFile, OnlyACommitWrites) {
  enum End { kLeft, kRolledBack, kClosedAndCommitted };
  for (const End end : {kLeft, kRolledBack, kClosedAndCommitted}) {
    SCOPED_TRACE(end);
    TempDir dir;
    const std::string path = dir.Path("listing.pdf");
    WriteBytes(path, kOld);
    {
      TSafeFile file(path);
      ASSERT_TRUE(file.Open());
      file.Device().write("new content");
      if (end == kRolledBack) {
        file.Rollback();
        EXPECT_FALSE(file.Commit());
      } else {
        file.Device().close();  // as a writer closes its device when done
        if (end == kClosedAndCommitted) {
          EXPECT_TRUE(file.Commit()) << file.ErrorString().toStdString();
        }
      }
    }
    EXPECT_EQ(ReadBytes(path), end == kClosedAndCommitted ? "new content" : kOld);
    EXPECT_EQ(Entries(dir), QStringList{"listing.pdf"});
  }
}

}  // namespace
