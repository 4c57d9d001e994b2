// The records of a CSV text, as the program's own reader splits them.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/CsvText.h"

namespace ostrane::testing {

inline std::vector<std::vector<std::string>> Records(const std::string& text) {
  std::istringstream in(text);
  TCsvReader reader(in);
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> fields;
  while (reader.Next(fields)) records.push_back(fields);
  return records;
}

}  // namespace ostrane::testing
