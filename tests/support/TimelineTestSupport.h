// What the timeline tests share: an offscreen QGuiApplication for the
// drawing, and the listings they draw.
#pragma once

#include <QGuiApplication>
#include <memory>

#include <gtest/gtest.h>

#include "timeline/TimelineModel.h"

namespace ostrane::timelinetest {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    FApplication = std::make_unique<QGuiApplication>(FArgc, FArgv);
  }
  void TearDown() override { FApplication.reset(); }

 private:
  int FArgc = 1;
  char FName[16] = "timeline-tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QGuiApplication> FApplication;
};

inline ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

// The birth moment of the worked examples, 1 January 2000 12:00 (Julian Day
// 2451545), from Aries, Valens, American dates, long names, loose bond
// always: Aries runs 15 Valens years (5400 days) to Julian Day 2456945,
// Taurus 8 (2880 days) to 2459825.
inline constexpr double kBirth = 2451545.0;

inline TTimelineSource WorkedExample(int generalPeriods = 2, std::int32_t fortune = 3) {
  TTimelineSource source;
  source.Settings.Name = "Time Lords";
  source.Settings.Year = 2000;
  source.Settings.StartSign = 0;
  source.Settings.ReleasingType = TReleasingType::Valens;
  source.Settings.GeneralPeriods = generalPeriods;
  source.Settings.FortuneSign = fortune;  // Cancer: Aries is the 10th
  source.Start = kBirth;
  return source;
}

}  // namespace ostrane::timelinetest
