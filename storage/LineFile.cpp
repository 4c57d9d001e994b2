#include "LineFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "Errors.h"
#include "TextEncoding.h"

namespace ostrane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineTooLong = "Line %d of '%s' is too long.";

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

}  // namespace

TReadResult ReadLines(const std::string& fileName, int lineCount, int optionalLineCount) {
  const QString name = QString::fromStdString(fileName);
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    const QFileInfo info(name);
    if (info.isDir())
      return Failed(TReadStatus::Unreadable,
                    Quoted(fileName, "Cannot open", QString::fromLocal8Bit(std::strerror(EISDIR))));
    return Failed(info.exists() ? TReadStatus::Unreadable : TReadStatus::Missing,
                  Quoted(fileName, "Cannot open", file.errorString()));
  }

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
  QSaveFile file(QString::fromStdString(fileName));
  const auto failed = [&](const QString& reason) {
    return TWriteResult{false, Quoted(fileName, "Cannot save", reason), reason.toStdString()};
  };
  // Unbuffered: a write error (disk full) must show in write() itself.
  // QSaveFile does not notice one that arises while its buffer is flushed
  // on commit, and would then put the short file in place of the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(file.errorString());
  // A short write is followed by another, which tells the reason.
  for (std::size_t done = 0; done < bytes.size();) {
    const qint64 written =
        file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
    if (written <= 0) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return failed(reason);
    }
    done += static_cast<std::size_t>(written);
  }
  if (!file.commit()) return failed(file.errorString());
  return {};
}

bool FileExists(const std::string& fileName) {
  const QFileInfo info(QString::fromStdString(fileName));
  return info.exists() && !info.isDir();
}

}  // namespace ostrane
