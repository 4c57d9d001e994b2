// TSafeFile: a file written whole or not at all.  Every failure leaves the
// old file byte for byte and no temporary file behind.
#include <QDir>
#include <QIODevice>
#include <algorithm>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "storage/SafeFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TargetNodes.h"
#include "tests/support/TestFiles.h"

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

// What the target is decides how it is written: a link is followed and
// kept, a device or a pipe written in place and never replaced, anything
// else refused and left alone.
struct TTargetCase {
  TTargetKind Kind;
  const char* Reason;  // why the write fails; empty when it succeeds
};

void PrintTo(const TTargetCase& c, std::ostream* out) {
  *out << TargetKindName(c.Kind);
}

class SafeFileTarget : public ::testing::TestWithParam<TTargetCase> {};

TEST_P(SafeFileTarget, WritesInPlaceFollowsOrRefuses) {
  const TTargetCase c = GetParam();
  TempDir dir;
  const std::string path = dir.Path("target");
  TTargetNode node(c.Kind, path);
  if (!node.Made()) GTEST_SKIP() << "cannot make a " << TargetKindName(c.Kind) << " here";
  const std::string content(100 * 1024, 'n');  // more than one block
  const QString reason = WriteFileSafely(path, [&content](QIODevice& device) {
    device.write(content.data(), static_cast<qint64>(content.size()));
    return QString();
  });
  EXPECT_EQ(reason.toStdString(), c.Reason);
  EXPECT_TRUE(node.Kept()) << "the target was replaced";
  switch (c.Kind) {
    case TTargetKind::PipeWithReader: EXPECT_TRUE(node.Received() == content); break;
    case TTargetKind::LinkToFile:
    case TTargetKind::DanglingLink: EXPECT_TRUE(ReadBytes(node.Linked()) == content); break;
    default: break;
  }
  // Nothing but the target, and the file a link points to, is left.
  for (const QString& entry : Entries(dir))
    EXPECT_TRUE(entry == "target" || entry == "target.linked") << entry.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SafeFileTarget,
    ::testing::Values(TTargetCase{TTargetKind::NullDevice, ""},
                      TTargetCase{TTargetKind::FullDevice, "No space left on device"},
                      TTargetCase{TTargetKind::PipeWithReader, ""},
                      TTargetCase{TTargetKind::PipeWithoutReader, "No program reads from the pipe"},
                      TTargetCase{TTargetKind::LinkToFile, ""},
                      TTargetCase{TTargetKind::DanglingLink, ""},
                      TTargetCase{TTargetKind::Directory, "Filename refers to a directory"},
                      TTargetCase{TTargetKind::Socket, "Not a regular file"}),
    [](const ::testing::TestParamInfo<TTargetCase>& info) {
      return std::string(TargetKindName(info.param.Kind));
    });

}  // namespace
