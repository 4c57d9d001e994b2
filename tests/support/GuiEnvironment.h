// The QApplication of a window test program, made once before the first test:
// offscreen, with test-mode standard paths, a temporary current directory
// and settings kept there, so that no test touches the user's files.
#pragma once

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include <gtest/gtest.h>

namespace ostrane::testing {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    FDirectory = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(FDirectory->isValid());
    QDir::setCurrent(FDirectory->path());
    // The remembered window sizes of the test run, not the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FDirectory->path());
  }
  void TearDown() override {
    QDir::setCurrent(QDir::tempPath());
    FDirectory.reset();
    FApplication.reset();
  }

 private:
  int FArgc = 1;
  char FName[16] = "ostrane-tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QApplication> FApplication;
  std::unique_ptr<QTemporaryDir> FDirectory;
};

inline ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace ostrane::testing
