#include <sstream>

#include <gtest/gtest.h>

#include "core/CsvText.h"

using namespace ostrane;

namespace {

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(const std::string& text, std::optional<std::string>* error = nullptr) {
  std::istringstream in(text);
  TCsvReader reader(in);
  Records records;
  std::vector<std::string> fields;
  while (reader.Next(fields)) records.push_back(fields);
  if (error) *error = reader.Error();
  return records;
}

std::vector<std::string> Fields(std::size_t count) {
  return std::vector<std::string>(count);
}

TEST(CsvText, RecordsAndErrors) {
  struct Case {
    const char* name;
    std::string text;
    Records records;
    const char* error;  // the start of the message, or nullptr
  };
  const Case cases[] = {
      {"LF", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, nullptr},
      {"CR LF, no last line end", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}, nullptr},
      {"byte order mark", "\xEF\xBB\xBFname\n", {{"name"}}, nullptr},
      {"bytes like a byte order mark are text", "\xEF\xBBx\n", {{"\xEF\xBBx"}}, nullptr},
      {"quoted comma, quote and line end",
       "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\n",
       {{"a,b", "say \"hi\"", "two\r\nlines"}},
       nullptr},
      {"empty fields and an empty line", ",,\n\nx\n", {{"", "", ""}, {""}, {"x"}}, nullptr},
      {"lone CR ends a line", "a\rb\n", {{"a"}, {"b"}}, nullptr},
      {"CR-only file", "a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}, nullptr},
      {"lone CR inside quotes is text", "\"a\rb\"\r", {{"a\rb"}}, nullptr},
      {"most columns", std::string(kMaxCsvFields - 1, ','), {Fields(kMaxCsvFields)}, nullptr},
      {"a column too many",
       "a\n" + std::string(kMaxCsvFields, ','),
       {{"a"}},
       "Line 2: the record has more than 10000 columns"},
      {"empty input", "", {}, nullptr},
      {"unclosed quote", "a,\"b\nc\n", {}, "Line 1: a quoted field is not closed"},
      {"text after a closing quote",
       "ok\n\"a\"b\n",
       {{"ok"}},
       "Line 2: text follows a closing quote"},
      {"quote inside a field", "ab\"c\n", {}, "Line 1: a quote stands inside an unquoted field"},
      {"overlong record",
       std::string(kMaxCsvRecordBytes + 10, 'x'),
       {},
       "Line 1: the record is longer than"},
  };
  for (const Case& c : cases) {
    std::optional<std::string> error;
    EXPECT_EQ(ReadAll(c.text, &error), c.records) << c.name;
    if (c.error) {
      ASSERT_TRUE(error.has_value()) << c.name;
      EXPECT_EQ(error->rfind(c.error, 0), 0u) << c.name << ": " << *error;
    } else {
      EXPECT_FALSE(error.has_value()) << c.name << ": " << error.value_or("");
    }
  }
}

TEST(CsvText, WrittenFieldsReadBack) {
  const std::vector<std::string> fields = {"plain",  "a,b", "q\"q",       "line\nend",
                                           " space", "",    "caf\xC3\xA9"};
  EXPECT_EQ(CsvRecord({"a", "b,c", "d\"e"}), "a,\"b,c\",\"d\"\"e\"");
  const Records back = ReadAll(CsvRecord(fields) + "\r\n" + CsvRecord(fields) + "\n");
  EXPECT_EQ(back, Records({fields, fields}));
}

TEST(CsvText, RecordLinesCountLineEndsInsideQuotes) {
  std::istringstream in("a\n\"b\nc\"\nd\re\n");
  TCsvReader reader(in);
  std::vector<std::string> fields;
  std::vector<std::int64_t> lines;
  while (reader.Next(fields)) lines.push_back(reader.RecordLine());
  EXPECT_EQ(lines, (std::vector<std::int64_t>{1, 2, 4, 5}));
}

}  // namespace
