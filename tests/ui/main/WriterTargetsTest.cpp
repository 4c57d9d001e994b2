// Every writer of the program writes through the safe file, whose rule for
// links, directories and the rest SafeFileTest checks: a device or a pipe
// receives the bytes and stays what it is, whichever writer writes to it.
#include <QListWidget>
#include <QProcess>
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "calendar/CalendarExport.h"
#include "storage/SettingsFiles.h"
#include "tests/support/CalendarTestSupport.h"
#include "tests/support/TargetNodes.h"
#include "tests/support/TestFiles.h"
#include "timeline/TimelineExport.h"
#include "timeline/TimelineModel.h"
#include "ui/printing/ListPrinting.h"

namespace ostrane {
namespace {

using testing::TTargetKind;
using testing::TTargetNode;

// A writer: its file name's ending and a call that writes the file and
// returns whether it succeeded.
struct TWriter {
  const char* Name;
  const char* Extension;
  std::function<bool(const std::string& path)> Write;
};

ReleaseSettings Settings() {
  ReleaseSettings s;
  s.Name = "Time Lords";
  return s;
}

const TWriter kWriters[] = {
    {"OptionsFile", ".txt",
     [](const std::string& path) { return SaveOptionsFile(path, Settings()).Ok; }},
    {"ChartFile", ".txt",
     [](const std::string& path) { return SaveUserDataFile(path, Settings()).Ok; }},
    {"Calendar", ".ics",
     [](const std::string& path) { return WriteCalendar(path, testing::WorkedExample()).Ok; }},
    {"Timeline", ".svg",
     [](const std::string& path) {
       TTimelineSource source;
       source.Settings = Settings();
       source.Start = 2451545.0;
       const TTimelineModel model = BuildTimelineModel(source);
       try {
         ExportTimeline(QString::fromStdString(path), model, FittedScene(model, 800.0));
         return true;
       } catch (const ETimelineExportError&) {
         return false;
       }
     }},
    {"ListingPdf", ".pdf",
     [](const std::string& path) {
       QListWidget list;
       list.addItem("Capricorn  2000/1/1");
       try {
         WriteListBoxPdf(QString::fromStdString(path), list);
         return true;
       } catch (const std::exception&) {
         return false;
       }
     }},
    {"Batch", ".csv",
     [](const std::string& path) {
       QProcess batch;
       batch.start(OSTRANE_LIST_PATH,
                   {"--batch", OSTRANE_SAMPLE_PATH, "--output", QString::fromStdString(path)});
       return batch.waitForFinished(60000) && batch.exitStatus() == QProcess::NormalExit &&
              batch.exitCode() == 0;
     }},
};

struct TWriterCase {
  const TWriter* Writer;
  TTargetKind Kind;
};

void PrintTo(const TWriterCase& c, std::ostream* out) {
  *out << c.Writer->Name << " to " << TargetKindName(c.Kind);
}

class WriterTargets : public ::testing::TestWithParam<TWriterCase> {};

TEST_P(WriterTargets, KeepTheTargetWhatItIs) {
  const auto [writer, kind] = GetParam();
  testing::TempDir dir;
  const std::string path = dir.Path(std::string("target") + writer->Extension);
  TTargetNode node(kind, path);
  if (!node.Made()) GTEST_SKIP() << "cannot make a " << TargetKindName(kind) << " here";
  EXPECT_TRUE(writer->Write(path));
  EXPECT_TRUE(node.Kept()) << "the target was replaced";
  if (kind == TTargetKind::PipeWithReader) {
    EXPECT_GT(node.Received().size(), 20u);
  }
}

std::vector<TWriterCase> AllCases() {
  std::vector<TWriterCase> cases;
  for (const TWriter& writer : kWriters)
    for (const TTargetKind kind : {TTargetKind::NullDevice, TTargetKind::PipeWithReader})
      cases.push_back({&writer, kind});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterTargets, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<TWriterCase>& info) {
                           return std::string(info.param.Writer->Name) + "To" +
                                  TargetKindName(info.param.Kind);
                         });

}  // namespace
}  // namespace ostrane
