// TSafeFile: a file written whole or not at all.  Every failure leaves the
// old file byte for byte and no temporary file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QIODevice>

#include <algorithm>
#include <string>

#include "FileSizeLimit.h"
#include "SafeFile.h"
#include "TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

const std::string kOld = "%PDF-1.4 the old file\n%%EOF\n";

QStringList Entries(const TempDir& dir) {
  return QDir(QString::fromStdString(dir.Path("")))
      .entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
}

// A failure keeps the old file and removes the temporary one.
TEST(SafeFile, WrittenWholeInAnyPiecesOrNotAtAll) {
  std::string big;  // many blocks
  for (int i = 0; big.size() < 300 * 1024; ++i) big += "line " + std::to_string(i) + "\r\n";
  const std::string block(64 * 1024, 'b'), small(1000, 'x'), failed = "The painter failed";
  const struct {
    const char* what;
    std::string content;
    std::size_t piece;     // bytes per write
    rlim_t sizeLimit;      // 0: none
    std::string failWith;  // a failure the writer found
    const char* reason;
  } cases[] = {
      {"empty", "", 1, 0, "", ""},
      {"one write", "Time Lords\r\n", 100, 0, "", ""},
      {"single bytes", "Time Lords\r\n", 1, 0, "", ""},
      {"many blocks in small writes", big, 97, 0, "", ""},
      {"many blocks in one write", big, big.size(), 0, "", ""},
      {"just one block", block, block.size(), 0, "", ""},
      {"the disk fills while blocks are written", big, 1000, 100 * 1024, "", "File too large"},
      {"the disk fills on the last block", small, 10, 500, "", "File too large"},
      {"the writer failed", small, 10, 0, failed, "The painter failed"},
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
      reason = WriteFileSafely(path, [&c](QIODevice& device) {
        for (std::size_t at = 0; at < c.content.size(); at += c.piece)
          device.write(c.content.data() + at,
                       static_cast<qint64>(std::min(c.piece, c.content.size() - at)));
        return QString::fromStdString(c.failWith);
      });
    }
    EXPECT_EQ(reason.toStdString(), c.reason);
    EXPECT_TRUE(ReadBytes(path) == (*c.reason ? kOld : c.content)) << "content differs";
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
