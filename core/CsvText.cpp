#include "core/CsvText.h"

namespace ostrane {

int TCsvReader::Get() {
  if (!FPending.empty()) {
    const int c = static_cast<unsigned char>(FPending.front());
    FPending.erase(0, 1);
    return c;
  }
  const int c = FIn.get();
  if (c == '\n') ++FLine;
  return c;
}

int TCsvReader::Peek() {
  if (!FPending.empty()) return static_cast<unsigned char>(FPending.front());
  return FIn.peek();
}

bool TCsvReader::Fail(const std::string& message) {
  FError = "Line " + std::to_string(FRecordLine) + ": " + message;
  return false;
}

bool TCsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  if (FError) return false;
  if (!FStarted) {
    FStarted = true;
    // A byte order mark is dropped; other bytes that begin like one are text.
    for (const char expected : {'\xEF', '\xBB', '\xBF'}) {
      if (FIn.peek() != static_cast<unsigned char>(expected)) break;
      FPending.push_back(static_cast<char>(FIn.get()));
    }
    if (FPending == "\xEF\xBB\xBF") FPending.clear();
  }
  if (Peek() == std::char_traits<char>::eof()) {
    if (FIn.bad()) return Fail("the input could not be read");
    return false;
  }
  FRecordLine = FLine;
  std::size_t bytes = 0;
  std::string field;
  bool quoted = false, afterQuote = false;
  for (;;) {
    const int c = Get();
    if (c == std::char_traits<char>::eof()) {
      if (FIn.bad()) return Fail("the input could not be read");
      if (quoted) return Fail("a quoted field is not closed");
      fields.push_back(std::move(field));
      return true;
    }
    if (++bytes > kMaxCsvRecordBytes)
      return Fail("the record is longer than " + std::to_string(kMaxCsvRecordBytes) + " bytes");
    if (quoted) {
      if (c != '"') {
        field.push_back(static_cast<char>(c));
      } else if (Peek() == '"') {
        Get();
        field.push_back('"');
      } else {
        quoted = false;
        afterQuote = true;
      }
      continue;
    }
    if (c == ',') {
      if (fields.size() + 1 >= kMaxCsvFields)
        return Fail("the record has more than " + std::to_string(kMaxCsvFields) + " columns");
      fields.push_back(std::move(field));
      field.clear();
      afterQuote = false;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && Peek() == '\n') {
        Get();
      } else if (c == '\r') {
        ++FLine;  // a lone CR ends the line too
      }
      fields.push_back(std::move(field));
      return true;
    } else if (afterQuote) {
      return Fail("text follows a closing quote");
    } else if (c == '"') {
      if (!field.empty()) return Fail("a quote stands inside an unquoted field");
      quoted = true;
    } else {
      field.push_back(static_cast<char>(c));
    }
  }
}

std::string CsvField(const std::string& text) {
  const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return text;
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out.push_back(',');
    out += CsvField(fields[i]);
  }
  return out;
}

}  // namespace ostrane
