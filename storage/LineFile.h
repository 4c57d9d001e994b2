// Small text files of a fixed number of lines: the reading and writing
// under the settings and user data files.
//
// Lines are written in UTF-8, each ended by CR LF, through a temporary file
// that replaces the old one only when everything was written (SafeFile.h).  Reading takes
// LF alone as a line end too, reads only the lines asked for and refuses an
// overlong line, so neither a huge nor a binary file can hang the program or
// exhaust its memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ostrane {

// The most bytes of text one line may hold, line end not counted.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

enum class TReadStatus {
  Read,         // Lines holds the texts
  Missing,      // there is no such file
  Unreadable,   // the file exists but cannot be opened or read, or is not a regular file
  LineTooLong,  // a line holds more than kMaxLineBytes
};

struct TReadResult {
  TReadStatus Status = TReadStatus::Read;
  // Exactly the number of lines asked for when Status is Read, empty
  // otherwise.  UTF-8 text without the line end; a line missing at the end
  // of the file is empty text.
  std::vector<std::string> Lines;
  // Why the lines were not read, naming the file; empty when they were.
  std::string Message;

  bool Ok() const { return Status == TReadStatus::Read; }
};

// Reads the first `lineCount` lines of the file.  Only a regular file, or a
// symbolic link to one, is read: anything else (a named pipe, a device, a
// directory) is Unreadable, refused without being waited for.  A line ends
// at LF or at the end of the file; a CR right before that end belongs to the
// line end.
// The text is decoded as UTF-8 (a leading byte order mark dropped) when
// every line read is valid UTF-8, and as Windows-1252 otherwise.  NUL bytes
// are kept as characters.  Nothing after the last line asked for is read.
//
// `optionalLineCount` further lines may follow: they are read as well (empty
// when the file ends before them) and returned after the others, but an
// overlong one ends the reading there instead of failing it, and each is
// decoded on its own, so they never change how the first lines read.
TReadResult ReadLines(const std::string& fileName, int lineCount, int optionalLineCount = 0);

struct TWriteResult {
  bool Ok = true;
  // Why the file was not written, naming the file; empty when it was.
  std::string Message;
  // The reason alone, as the system gives it ("Permission denied").
  std::string Reason;
};

// Writes the lines, each followed by CR LF.  On failure the file of that
// name, if any, keeps its old content.
TWriteResult WriteLines(const std::string& fileName, const std::vector<std::string>& lines);

// Writes the bytes as they are, the same safe way: on failure the file of
// that name, if any, keeps its old content.
TWriteResult WriteFileBytes(const std::string& fileName, std::string_view bytes);

// True when a regular file of that name exists, or a symbolic link to one; a
// directory, a named pipe or a device does not count.  Never waits.
bool FileExists(const std::string& fileName);

}  // namespace ostrane
