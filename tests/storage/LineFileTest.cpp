#include <unistd.h>

#include <QFileInfo>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/LineFile.h"
#include "storage/TextEncoding.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/NamedPipe.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

using Lines = std::vector<std::string>;

std::string Trace(const std::string& bytes) {
  std::string shown;
  for (const unsigned char c : bytes) {
    if (c == '\r')
      shown += "\\r";
    else if (c == '\n')
      shown += "\\n";
    else if (c < 0x20 || c >= 0x7F)
      shown += "\\x" + std::to_string(c);
    else
      shown += static_cast<char>(c);
  }
  return shown;
}

TEST(Utf8Validity, ByteSequences) {
  const struct {
    std::string bytes;
    bool valid;
  } cases[] = {
      {"", true},
      {"Time Lords", true},
      {"\xC3\xA9", true},              // é
      {"\xE2\x82\xAC", true},          // €
      {"\xF0\x9D\x84\x9E", true},      // U+1D11E
      {"\xF4\x8F\xBF\xBF", true},      // U+10FFFF
      {std::string("a\0b", 3), true},  // NUL is a character
      {"\xE9", false},                 // Windows-1252 é
      {"\x80", false},                 // lone continuation byte
      {"\xC3", false},                 // truncated
      {"\xE2\x82", false},             // truncated
      {"\xC0\x80", false},             // overlong NUL
      {"\xE0\x80\x80", false},         // overlong
      {"\xF0\x80\x80\x80", false},     // overlong
      {"\xED\xA0\x80", false},         // surrogate
      {"\xF4\x90\x80\x80", false},     // above U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\xFF", false},
      {"\xC3\x28", false},  // second byte not a continuation
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Trace(c.bytes));
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
  }
}

TEST(Windows1252, DecodesToUtf8) {
  const struct {
    std::string bytes, utf8;
  } cases[] = {
      {"Abc 09", "Abc 09"},
      {"\xE9", "\xC3\xA9"},      // é
      {"\x80", "\xE2\x82\xAC"},  // €
      {"\x8A", "\xC5\xA0"},      // Š
      {"\x92", "\xE2\x80\x99"},  // ’
      {"\x99", "\xE2\x84\xA2"},  // ™
      {"\x9F", "\xC5\xB8"},      // Ÿ
      {"\x81", "\xC2\x81"},      // undefined: the control character
      {"\x9D", "\xC2\x9D"},
      {"\xA0", "\xC2\xA0"},  // from here on as Latin-1
      {"\xFF", "\xC3\xBF"},  // ÿ
      {"Ren\xE9"
       "e",
       "Ren\xC3\xA9"
       "e"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Trace(c.bytes));
    EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8);
  }
}

struct ReadCase {
  const char* what;
  std::string bytes;
  int lineCount;
  Lines lines;
};

TEST(ReadLines, LineEndsMissingLinesAndEncodings) {
  const ReadCase cases[] = {
      {"CR LF", "a\r\nb\r\n", 2, {"a", "b"}},
      {"LF alone", "a\nb\n", 2, {"a", "b"}},
      {"mixed, last without end", "a\r\nb\nc", 3, {"a", "b", "c"}},
      {"missing lines", "a\r\n", 3, {"a", "", ""}},
      {"empty file", "", 2, {"", ""}},
      {"empty lines", "\r\n\n\r\nx", 4, {"", "", "", "x"}},
      {"CR inside a line is text", "a\rb\r\n", 1, {"a\rb"}},
      {"only the last CR ends", "a\r\r\n", 1, {"a\r"}},
      {"CR at end of file", "a\nb\r", 2, {"a", "b"}},
      {"lines after the last ignored", "1\n2\n3\n", 2, {"1", "2"}},
      {"spaces kept", "  x  \r\n", 1, {"  x  "}},
      {"NUL kept", std::string("a\0b\r\nc", 6), 2, {std::string("a\0b", 3), "c"}},
      {"UTF-8 kept", "Jos\xC3\xA9\r\n\xE2\x82\xAC", 2, {"Jos\xC3\xA9", "\xE2\x82\xAC"}},
      {"byte order mark dropped", "\xEF\xBB\xBFName\r\n5", 2, {"Name", "5"}},
      {"Windows-1252", "Jos\xE9\r\n\x80 5\r\n", 2, {"Jos\xC3\xA9", "\xE2\x82\xAC 5"}},
      {"one bad line decodes all as Windows-1252",
       "caf\xC3\xA9\r\n\xE9",
       2,
       {"caf\xC3\x83\xC2\xA9", "\xC3\xA9"}},
      {"lines not read do not count", "a\nb\n\xE9\n", 2, {"a", "b"}},
  };
  TempDir dir;
  const std::string path = dir.Path("lines.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, c.bytes);
    const TReadResult r = ReadLines(path, c.lineCount);
    ASSERT_TRUE(r.Ok()) << r.Message;
    EXPECT_EQ(r.Lines, c.lines);
    EXPECT_EQ(r.Message, "");
  }
}

TEST(ReadLines, LineLengthLimit) {
  const std::string full(kMaxLineBytes, 'x');
  const struct {
    const char* what;
    std::string bytes;
    Lines lines;      // when read
    int tooLongLine;  // when refused
  } cases[] = {
      {"64 KiB with CR LF", full + "\r\n5", {full, "5", ""}, 0},
      {"64 KiB with LF", full + "\n5", {full, "5", ""}, 0},
      {"64 KiB at end of file", "a\n" + full, {"a", full, ""}, 0},
      {"64 KiB and CR at end of file", "a\n" + full + "\r", {"a", full, ""}, 0},
      {"long lines after the lines read", "a\nb\nc\n" + full + full, {"a", "b", "c"}, 0},
      {"one byte more", full + "x\r\n5", {}, 1},
      {"one byte more, CR before CR LF", full + "\r\r\n5", {}, 1},
      {"one byte more at end of file", "a\n" + full + "x", {}, 2},
      {"third line", "a\nb\n" + full + full + "\n", {}, 3},
      {"binary without line ends", std::string(4 * kMaxLineBytes, '\0'), {}, 1},
  };
  TempDir dir;
  const std::string path = dir.Path("long.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, c.bytes);
    const TReadResult r = ReadLines(path, 3);
    if (c.tooLongLine == 0) {
      ASSERT_TRUE(r.Ok()) << r.Message;
      EXPECT_TRUE(r.Lines == c.lines);  // not printed: 64 KiB each
    } else {
      EXPECT_EQ(r.Status, TReadStatus::LineTooLong);
      EXPECT_EQ(r.Message,
                "Line " + std::to_string(c.tooLongLine) + " of '" + path + "' is too long.");
      EXPECT_TRUE(r.Lines.empty());
    }
  }
}

// Neither a named pipe without a writer nor a device may block the read:
// anything but a regular file is refused before it is opened, and does not
// count as an existing file.
TEST(ReadLines, OnlyRegularFilesAreReadOrExist) {
  TempDir dir;
  const std::string plain = dir.Path("plain.txt"), none = dir.Path("none.txt");
  const std::string folder = dir.MakeDir("OptionsFile.txt");
  WriteBytes(plain, "x\r\ny\r\n");
  NamedPipe pipe(dir.Path("pipe.txt"));
  ASSERT_TRUE(pipe.Made());
  const auto link = [&dir](const std::string& target, const char* name) {
    EXPECT_EQ(symlink(target.c_str(), dir.Path(name).c_str()), 0) << name;
    return dir.Path(name);
  };
  const std::string noFile = "': No such file or directory", notRegular = "': Not a regular file";
  const struct {
    const char* what;
    std::string path;
    TReadStatus status;
    std::string message;  // after "Cannot open '<path>"
  } cases[] = {
      {"a regular file", plain, TReadStatus::Read, ""},
      {"a link to a regular file", link(plain, "to-plain.txt"), TReadStatus::Read, ""},
      {"missing", none, TReadStatus::Missing, noFile},
      {"a dangling link", link(none, "dangling.txt"), TReadStatus::Missing, noFile},
      {"a directory", folder, TReadStatus::Unreadable, "': Is a directory"},
      {"under a regular file", plain + "/x.txt", TReadStatus::Missing, "': Not a directory"},
      {"a named pipe", pipe.Path(), TReadStatus::Unreadable, notRegular},
      {"a link to a named pipe", link(pipe.Path(), "to-pipe.txt"), TReadStatus::Unreadable,
       notRegular},
      {"a character device", "/dev/null", TReadStatus::Unreadable, notRegular},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TReadResult r = ReadLines(c.path, 2);
    const bool read = c.status == TReadStatus::Read;
    EXPECT_EQ(r.Status, c.status);
    EXPECT_EQ(r.Message, read ? "" : "Cannot open '" + c.path + c.message);
    EXPECT_EQ(r.Lines, (read ? Lines{"x", "y"} : Lines{}));
    EXPECT_EQ(FileExists(c.path), read);
  }
  EXPECT_FALSE(pipe.BlockedAReader()) << "a read waited for a writer";
}

TEST(WriteLines, CrLfUtf8ByteExact) {
  TempDir dir;
  const std::string path = dir.Path("out.txt");
  WriteBytes(path, "an older and longer content\r\n\r\n\r\n");
  const TWriteResult w = WriteLines(path, {"Time Lords", "-1", "", "Jos\xC3\xA9 \xE2\x82\xAC"});
  ASSERT_TRUE(w.Ok) << w.Message;
  EXPECT_EQ(w.Message, "");
  EXPECT_EQ(ReadBytes(path), "Time Lords\r\n-1\r\n\r\nJos\xC3\xA9 \xE2\x82\xAC\r\n");
  ASSERT_TRUE(WriteLines(path, {}).Ok);
  EXPECT_EQ(ReadBytes(path), "");
}

// Found by fuzzing: a name that begins with U+FEFF lost it on the way
// through a file, since reading drops a leading byte order mark.
TEST(WriteLines, FirstLineBeginningWithAByteOrderMarkSurvives) {
  TempDir dir;
  const std::string path = dir.Path("bom.txt");
  const Lines lines = {"\xEF\xBB\xBFName", "1"};
  ASSERT_TRUE(WriteLines(path, lines).Ok);
  const TReadResult r = ReadLines(path, 2);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(r.Lines, lines);
}

TEST(WriteLines, FailuresNameTheFileAndKeepItsContent) {
  TempDir dir;
  const std::string plain = dir.Path("plain.txt");
  const std::string old = "old\r\ncontent\r\n";
  WriteBytes(plain, old);
  const std::string folder = dir.MakeDir("OptionsFile.txt");
  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"a directory of that name", folder},
      {"the parent is a regular file", plain + "/x.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TWriteResult w = WriteLines(c.path, {"new"});
    EXPECT_FALSE(w.Ok);
    const std::string prefix = "Cannot save '" + c.path + "': ";
    EXPECT_EQ(w.Message.substr(0, prefix.size()), prefix);
    EXPECT_GT(w.Message.size(), prefix.size()) << "no reason given";
    EXPECT_EQ(ReadBytes(plain), old);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder)).isDir());
  }
}

TEST(WriteLines, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.Path("OptionsFile.txt");
  const std::string old = "Time Lords\r\n0\r\n1\r\n";
  WriteBytes(path, old);
  TWriteResult w;
  {
    const FileSizeLimit limit(64);
    w = WriteLines(path, {std::string(100, 'n'), "0"});
  }
  EXPECT_FALSE(w.Ok);
  EXPECT_EQ(w.Message.rfind("Cannot save '" + path + "': ", 0), 0u) << w.Message;
  EXPECT_EQ(ReadBytes(path), old);
}

}  // namespace
