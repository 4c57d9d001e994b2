#include "storage/LineFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "core/Errors.h"
#include "storage/SafeFile.h"
#include "storage/TextEncoding.h"

namespace ostrane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineTooLong = "Line %d of '%s' is too long.";
constexpr const char* kNotRegular = "Not a regular file";

QString ErrorText(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

std::string LineTooLongMessage(std::size_t lineNumber, const std::string& fileName) {
  std::string pattern = kLineTooLong;
  pattern.replace(pattern.find("%d"), 2, std::to_string(lineNumber));
  return FormatMessage(pattern, fileName);
}

std::string Quoted(const std::string& fileName, const char* what, const QString& reason) {
  return std::string(what) + " '" + fileName + "': " + reason.toStdString();
}

TReadResult Failed(TReadStatus status, std::string message) {
  TReadResult result;
  result.Status = status;
  result.Message = std::move(message);
  return result;
}

// Decodes lines [first, last) together: all as UTF-8 or all as Windows-1252.
void Decode(std::vector<std::string>& lines, std::size_t first, std::size_t last) {
  bool utf8 = true;
  for (std::size_t i = first; i < last; ++i) utf8 = utf8 && IsValidUtf8(lines[i]);
  if (utf8) {
    if (first == 0 && last > 0 && std::string_view(lines.front()).substr(0, 3) == kByteOrderMark)
      lines.front().erase(0, kByteOrderMark.size());
    return;
  }
  for (std::size_t i = first; i < last; ++i) lines[i] = Windows1252ToUtf8(lines[i]);
}

// Opens `file` on the regular file `fileName` for reading.  Anything else
// (a named pipe, a device, a directory) is refused before it is opened, and
// the open itself does not wait, so that a pipe put there in between cannot
// block it either: what was opened is checked again.  Returns why the file
// was not opened, or nothing when it was.
std::optional<TReadResult> OpenRegularFile(const std::string& fileName, QFile& file) {
  const QByteArray path = QFile::encodeName(QString::fromStdString(fileName));
  const auto failed = [&](TReadStatus status, const QString& reason) {
    return Failed(status, Quoted(fileName, "Cannot open", reason));
  };
  const auto notOpened = [&](int error) {
    const bool missing = error == ENOENT || error == ENOTDIR;
    return failed(missing ? TReadStatus::Missing : TReadStatus::Unreadable, ErrorText(error));
  };
  const auto notRegular = [&](mode_t mode) {
    return failed(TReadStatus::Unreadable,
                  S_ISDIR(mode) ? ErrorText(EISDIR) : QString::fromLatin1(kNotRegular));
  };

  struct stat target {};
  if (stat(path.constData(), &target) != 0) return notOpened(errno);
  if (!S_ISREG(target.st_mode)) return notRegular(target.st_mode);
  const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return notOpened(errno);
  struct stat opened {};
  std::optional<TReadResult> refused;
  if (fstat(fd, &opened) != 0)
    refused = failed(TReadStatus::Unreadable, ErrorText(errno));
  else if (!S_ISREG(opened.st_mode))
    refused = notRegular(opened.st_mode);
  if (refused) {
    close(fd);
    return refused;
  }
  // Reading a regular file never waits; it goes on as before.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    close(fd);
    return failed(TReadStatus::Unreadable, file.errorString());
  }
  return std::nullopt;
}

}  // namespace

TReadResult ReadLines(const std::string& fileName, int lineCount, int optionalLineCount) {
  QFile file;
  if (auto refused = OpenRegularFile(fileName, file)) return std::move(*refused);

  TReadResult result;
  const std::size_t required = static_cast<std::size_t>(lineCount > 0 ? lineCount : 0);
  result.Lines.assign(required + static_cast<std::size_t>(std::max(optionalLineCount, 0)),
                      std::string());
  std::size_t line = 0;
  std::string current;
  // Takes the text gathered so far as the next line; false when it is too long.
  const auto endLine = [&]() {
    if (!current.empty() && current.back() == '\r') current.pop_back();
    if (current.size() > kMaxLineBytes) return false;
    result.Lines[line++].swap(current);
    current.clear();
    return true;
  };
  const auto tooLong = [&]() {
    return Failed(TReadStatus::LineTooLong, LineTooLongMessage(line + 1, fileName));
  };
  // An overlong optional line ends the reading: it and the lines after it
  // stay empty.
  const auto decoded = [&]() {
    Decode(result.Lines, 0, required);
    for (std::size_t i = required; i < result.Lines.size(); ++i) Decode(result.Lines, i, i + 1);
    return std::move(result);
  };

  char buffer[16 * 1024];
  while (line < result.Lines.size()) {
    const qint64 got = file.read(buffer, sizeof buffer);
    if (got < 0)
      return Failed(TReadStatus::Unreadable, Quoted(fileName, "Cannot read", file.errorString()));
    if (got == 0) {
      if (!current.empty() && !endLine()) return line < required ? tooLong() : decoded();
      break;
    }
    const char* at = buffer;
    const char* const end = buffer + got;
    while (at < end && line < result.Lines.size()) {
      const auto* lf =
          static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
      const char* const stop = lf ? lf : end;
      current.append(at, stop);
      // One byte more than the limit may still be the CR of the line end.
      if (current.size() > kMaxLineBytes + 1) return line < required ? tooLong() : decoded();
      if (!lf) break;
      if (!endLine()) return line < required ? tooLong() : decoded();
      at = lf + 1;
    }
  }
  return decoded();
}

TWriteResult WriteLines(const std::string& fileName, const std::vector<std::string>& lines) {
  std::string data;
  // Reading drops a leading byte order mark; a first line that begins with
  // U+FEFF of its own keeps it behind one written for the reader to drop.
  if (!lines.empty() && std::string_view(lines.front()).substr(0, 3) == kByteOrderMark)
    data += kByteOrderMark;
  for (const auto& text : lines) {
    data += text;
    data += "\r\n";
  }
  return WriteFileBytes(fileName, data);
}

TWriteResult WriteFileBytes(const std::string& fileName, std::string_view bytes) {
  const QString reason = WriteFileSafely(fileName, [bytes](QIODevice& device) {
    device.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return QString();  // a failed write fails the file itself
  });
  if (reason.isEmpty()) return {};
  return TWriteResult{false, Quoted(fileName, "Cannot save", reason), reason.toStdString()};
}

bool FileExists(const std::string& fileName) {
  const QByteArray path = QFile::encodeName(QString::fromStdString(fileName));
  struct stat target {};
  return stat(path.constData(), &target) == 0 && S_ISREG(target.st_mode);
}

}  // namespace ostrane
