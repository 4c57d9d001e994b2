#include "app/LibraryCommand.h"

#include <memory>
#include <ostream>

#include "batch/ChartImport.h"
#include "core/CsvText.h"
#include "core/PrintableText.h"
#include "storage/ChartLibrary.h"

namespace ostrane {
namespace {

// The library in `path`, opened; nullptr after telling `err` why not.
std::unique_ptr<TChartLibrary> OpenLibrary(const std::string& path, bool create,
                                           std::ostream& err) {
  auto library = std::make_unique<TChartLibrary>(path, create);
  if (library->Open()) return library;
  err << "ostrane-list: " << PrintableText(library->Error().Message) << "\n";
  return nullptr;
}

// The charts of the library in `path`; false after telling `err` why not.
bool ListLibrary(const std::string& path, std::vector<TLibraryChart>& charts, std::ostream& err) {
  const auto library = OpenLibrary(path, false, err);
  if (!library) return false;
  const TLibraryStatus status = library->List(charts);
  if (!status.Ok) err << "ostrane-list: " << PrintableText(status.Message) << "\n";
  return status.Ok;
}

}  // namespace

int RunChartsCommand(const std::string& path, std::ostream& out, std::ostream& err) {
  std::vector<TLibraryChart> charts;
  if (!ListLibrary(path, charts, err)) return 1;
  out << CsvRecord(ChartRecordColumns()) << '\n';
  for (const TLibraryChart& chart : charts)
    out << CsvRecord(ChartRecordFields(chart.Record)) << '\n';
  return 0;
}

int RunImportCommand(const std::string& path, const std::vector<std::string>& files,
                     std::ostream& out, std::ostream& err) {
  const auto library = OpenLibrary(path, true, err);
  if (!library) return 1;
  int status = 0;
  for (const TChartImport& import : ImportChartFiles(files)) {
    const std::string name = PrintableText(import.Path);
    if (import.Refused) {
      err << "ostrane-list: " << name << ": refused, nothing of it added:\n";
      for (const std::string& why : import.Refusals) err << "  " << PrintableText(why) << "\n";
      status = 1;
      continue;
    }
    const TLibraryAddResult added = library->Add(import.Records);
    if (!added.Status.Ok) {
      err << "ostrane-list: " << name << ": " << PrintableText(added.Status.Message) << "\n";
      status = 1;
      continue;
    }
    out << name << ": " << added.Added.size() << " added, " << added.Duplicates.size()
        << " skipped as already in the library\n";
  }
  return status;
}

int RunExportCommand(const std::string& path, const std::string& file, std::ostream& err) {
  std::vector<TLibraryChart> charts;
  if (!ListLibrary(path, charts, err)) return 1;
  std::vector<TChartRecord> records;
  records.reserve(charts.size());
  for (const TLibraryChart& chart : charts) records.push_back(chart.Record);
  const TWriteResult written = ExportChartRecords(file, records);
  if (!written.Ok) {
    err << "ostrane-list: " << written.Message << "\n";
    return 1;
  }
  return 0;
}

}  // namespace ostrane
