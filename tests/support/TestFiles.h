// Temporary directories and raw file bytes for the storage tests.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace ostrane::testing {

class TempDir {
 public:
  TempDir() { EXPECT_TRUE(dir_.isValid()) << dir_.errorString().toStdString(); }
  std::string Path(const std::string& name) const {
    return dir_.filePath(QString::fromStdString(name)).toStdString();
  }
  // Creates the directory `name` in it and returns its path.
  std::string MakeDir(const std::string& name) const {
    EXPECT_TRUE(QDir(dir_.path()).mkdir(QString::fromStdString(name))) << name;
    return Path(name);
  }

 private:
  QTemporaryDir dir_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace ostrane::testing
