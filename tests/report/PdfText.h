// The text of a PDF file's pages as pdftotext (poppler-utils) reads it, for
// the tests of the report.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ostrane::testing {

// The text of each page, in layout mode, or nothing (and a failure naming
// the missing tool) when pdftotext is not installed or fails.
inline std::vector<std::string> PdfPages(const std::string& path) {
  const QString tool = QStandardPaths::findExecutable("pdftotext");
  if (tool.isEmpty()) {
    ADD_FAILURE() << "pdftotext is missing: install poppler-utils (scripts/setup-deps does)";
    return {};
  }
  QProcess process;
  process.start(tool, {"-layout", QString::fromStdString(path), "-"});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext failed on " << path << ": "
                  << process.readAllStandardError().toStdString();
    return {};
  }
  const std::string text = process.readAllStandardOutput().toStdString();
  // Every page ends with a form feed.
  std::vector<std::string> pages;
  std::size_t from = 0;
  for (std::size_t at = text.find('\f'); at != std::string::npos; at = text.find('\f', from)) {
    pages.push_back(text.substr(from, at - from));
    from = at + 1;
  }
  return pages;
}

}  // namespace ostrane::testing
