#include "ui/dialogs/ChartLibraryF.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "astro/Lots.h"
#include "ui/widgets/ErrorBox.h"

namespace ostrane {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The roles of the model's items: the chart's id (first column), the key a
// column sorts by, and the text the search looks in (first column).
constexpr int kIdRole = Qt::UserRole + 1, kSortRole = Qt::UserRole + 2,
              kSearchRole = Qt::UserRole + 3;

void Inform(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  box.setObjectName("InformationBox");
  RunModal(box);
}

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

// "1970-05-17 06:30" (astronomical years).
QString BirthText(const ReleaseSettings& s) {
  return QString("%1-%2-%3 %4")
      .arg(s.Year < 0 ? QString("-%1").arg(-s.Year, 4, 10, QChar('0'))
                      : QString("%1").arg(s.Year, 4, 10, QChar('0')))
      .arg(s.MonthIndex + 1, 2, 10, QChar('0'))
      .arg(s.Day, 2, 10, QChar('0'))
      .arg(Q(s.TimeText));
}

QList<QStandardItem*> Row(const TLibraryChart& chart) {
  const TChartRecord& r = chart.Record;
  const ReleaseSettings& s = r.Settings;
  QList<QStandardItem*> row;
  for (const QString& text : {Q(s.Name), BirthText(s), Q(s.Place.Name), Q(JoinTags(r.Tags))}) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(text.toCaseFolded(), kSortRole);
    row << item;
  }
  // By the calendar's order, not the text's (negative years).
  row[1]->setData(((qint64(s.Year) * 12 + s.MonthIndex) * 31 + s.Day) * 100000 +
                      Q(s.TimeText).left(5).remove(':').toInt(),
                  kSortRole);
  row[0]->setData(qint64(chart.Id), kIdRole);
  row[0]->setData(
      QStringList{Q(s.Name), Q(s.Place.Name), Q(JoinTags(r.Tags)), Q(r.Note)}.join('\n'),
      kSearchRole);
  return row;
}

}  // namespace

TChartLibraryF::TChartLibraryF(QWidget* parent, std::function<TChartRecord()> current)
    : QDialog(parent, Qt::Window), FCurrent(std::move(current)) {
  setObjectName("ChartLibraryF");
  setWindowTitle("Charts");
  setAcceptDrops(true);

  EditSearch = new QLineEdit(this);
  EditSearch->setObjectName("EditSearch");
  EditSearch->setPlaceholderText("Search names, places, tags and notes");
  EditSearch->setClearButtonEnabled(true);

  FModel = new QStandardItemModel(0, 4, this);
  FModel->setHorizontalHeaderLabels({"Name", "Birth", "Place", "Tags"});
  FProxy = new QSortFilterProxyModel(this);
  FProxy->setSourceModel(FModel);
  FProxy->setSortRole(kSortRole);
  FProxy->setFilterRole(kSearchRole);
  FProxy->setFilterKeyColumn(0);
  FProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
  ViewCharts = new QTableView(this);
  ViewCharts->setObjectName("ViewCharts");
  ViewCharts->setModel(FProxy);
  ViewCharts->setSortingEnabled(true);
  ViewCharts->sortByColumn(0, Qt::AscendingOrder);
  ViewCharts->setSelectionBehavior(QAbstractItemView::SelectRows);
  ViewCharts->setSelectionMode(QAbstractItemView::SingleSelection);
  ViewCharts->verticalHeader()->hide();
  ViewCharts->horizontalHeader()->setStretchLastSection(true);

  BtnOpenChart = Button(this, "BtnOpenChart", "&Open");
  BtnAddChart = Button(this, "BtnAddChart", "&Add the Chart Shown");
  BtnUpdateChart = Button(this, "BtnUpdateChart", "&Update from the Chart Shown");
  BtnDeleteChart = Button(this, "BtnDeleteChart", "&Delete ...");
  BtnImport = Button(this, "BtnImport", "&Import ...");
  BtnExport = Button(this, "BtnExport", "&Export ...");
  BtnImport->setEnabled(false);
  BtnExport->setEnabled(false);

  EditTags = new QLineEdit(this);
  EditTags->setObjectName("EditTags");
  EditTags->setPlaceholderText("client, family, ...");
  EditNote = new QPlainTextEdit(this);
  EditNote->setObjectName("EditNote");
  EditNote->setMaximumHeight(90);
  BtnSaveNote = Button(this, "BtnSaveNote", "&Save Tags and Note");
  LabelLibraryState = new QLabel(this);
  LabelLibraryState->setObjectName("LabelLibraryState");
  LabelLibraryState->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {BtnOpenChart, BtnAddChart, BtnUpdateChart, BtnDeleteChart})
    buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(BtnImport);
  buttons->addWidget(BtnExport);
  auto* form = new QFormLayout;
  form->addRow("&Tags:", EditTags);
  form->addRow("&Note:", EditNote);
  form->addRow("", BtnSaveNote);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(EditSearch);
  layout->addWidget(ViewCharts, 1);
  layout->addLayout(buttons);
  layout->addLayout(form);
  layout->addWidget(LabelLibraryState);
  resize(720, 520);

  connect(EditSearch, &QLineEdit::textChanged, FProxy,
          &QSortFilterProxyModel::setFilterFixedString);
  connect(ViewCharts->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TChartLibraryF::ShowChosen);
  connect(EditSearch, &QLineEdit::textChanged, this, &TChartLibraryF::ShowChosen);
  connect(ViewCharts, &QTableView::doubleClicked, this, &TChartLibraryF::OpenChosen);
  connect(BtnOpenChart, &QPushButton::clicked, this, &TChartLibraryF::OpenChosen);
  connect(BtnAddChart, &QPushButton::clicked, this, &TChartLibraryF::AddCurrent);
  connect(BtnUpdateChart, &QPushButton::clicked, this, &TChartLibraryF::UpdateChosen);
  connect(BtnDeleteChart, &QPushButton::clicked, this, &TChartLibraryF::DeleteChosen);
  connect(BtnSaveNote, &QPushButton::clicked, this, &TChartLibraryF::SaveTagsAndNote);
  connect(BtnImport, &QPushButton::clicked, this, [this] {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, "Import Charts", QString(), "Charts (*.aaf *.csv *.txt);;All files (*)");
    if (!files.isEmpty()) ImportFiles(files);
  });
  connect(BtnExport, &QPushButton::clicked, this, &TChartLibraryF::ExportCharts);
  ShowChosen();
}

TChartLibraryF::~TChartLibraryF() = default;

void TChartLibraryF::OpenLibrary(const std::string& path) {
  FLibrary = std::make_unique<TChartLibrary>(path);
  LabelLibraryState->setText(Q(FLibrary->Open() ? FLibrary->Path() : FLibrary->Error().Message));
  if (!FLibrary->Open()) ShowErrorBox(this, Q(FLibrary->Error().Message));
  Reload();
}

void TChartLibraryF::SetImporter(TChartImporter importer) {
  FImporter = std::move(importer);
  ShowChosen();
}

void TChartLibraryF::SetExporter(TChartExporter exporter) {
  FExporter = std::move(exporter);
  ShowChosen();
}

bool TChartLibraryF::Succeeded(const TLibraryStatus& status) {
  if (!status.Ok) ShowErrorBox(this, Q(status.Message));
  return status.Ok;
}

std::int64_t TChartLibraryF::SelectedId() const {
  const QModelIndexList rows = ViewCharts->selectionModel()->selectedRows();
  return rows.isEmpty() ? 0 : rows.front().data(kIdRole).toLongLong();
}

void TChartLibraryF::Select(std::int64_t id) {
  for (int row = 0; row < FProxy->rowCount(); ++row)
    if (FProxy->index(row, 0).data(kIdRole).toLongLong() == id) {
      ViewCharts->selectRow(row);
      ViewCharts->scrollTo(FProxy->index(row, 0));
      return;
    }
  ViewCharts->clearSelection();
}

void TChartLibraryF::Reload() {
  const std::int64_t chosen = SelectedId();
  FCharts.clear();
  if (FLibrary && FLibrary->Open()) Succeeded(FLibrary->List(FCharts));
  FModel->removeRows(0, FModel->rowCount());
  for (const TLibraryChart& chart : FCharts) FModel->appendRow(Row(chart));
  ViewCharts->resizeColumnsToContents();
  Select(chosen);
  ShowChosen();
}

void TChartLibraryF::ShowChosen() {
  const std::int64_t id = SelectedId();
  const bool open = FLibrary && FLibrary->Open();
  for (QPushButton* b : {BtnOpenChart, BtnUpdateChart, BtnDeleteChart, BtnSaveNote})
    b->setEnabled(open && id != 0);
  BtnAddChart->setEnabled(open && FCurrent);
  BtnImport->setEnabled(open && FImporter);
  BtnExport->setEnabled(open && FExporter);
  EditTags->setEnabled(open && id != 0);
  EditNote->setEnabled(open && id != 0);
  const auto chart = std::find_if(FCharts.begin(), FCharts.end(),
                                  [id](const TLibraryChart& c) { return c.Id == id; });
  EditTags->setText(chart == FCharts.end() ? QString() : Q(JoinTags(chart->Record.Tags)));
  EditNote->setPlainText(chart == FCharts.end() ? QString() : Q(chart->Record.Note));
}

void TChartLibraryF::OpenChosen() {
  const std::int64_t id = SelectedId();
  if (id == 0) return;
  std::optional<TLibraryChart> chart;
  if (!Succeeded(FLibrary->Get(id, chart))) return;
  if (!chart) {
    ShowErrorBox(this, "The chart is no longer in the library.");
    return Reload();
  }
  emit ChartOpened(*chart);
}

void TChartLibraryF::AddCurrent() {
  if (!FCurrent || !FLibrary) return;
  const TLibraryAddResult result = FLibrary->Add({FCurrent()});
  if (!Succeeded(result.Status)) return;
  if (!result.Duplicates.empty())
    Inform(this, "Charts",
           "This chart (the same name, birth moment and place) is already in "
           "the library; it was not added again.");
  Reload();
  if (!result.Added.empty()) Select(result.Added.front());
}

void TChartLibraryF::UpdateChosen() {
  const std::int64_t id = SelectedId();
  const auto chart = std::find_if(FCharts.begin(), FCharts.end(),
                                  [id](const TLibraryChart& c) { return c.Id == id; });
  if (!FCurrent || chart == FCharts.end()) return;
  TChartRecord record = FCurrent();
  record.Tags = chart->Record.Tags;  // the window shows neither
  record.Note = chart->Record.Note;
  // A lot it was released from stays (the window shows the lot's sign); a
  // sign gives way to the start sign shown.
  for (const TLot lot : kLots)
    if (chart->Record.ReleaseFrom == LotKey(lot)) record.ReleaseFrom = chart->Record.ReleaseFrom;
  Succeeded(FLibrary->Update(id, record));
  Reload();
}

void TChartLibraryF::DeleteChosen() {
  const std::int64_t id = SelectedId();
  if (id == 0) return;
  const QString name = ViewCharts->selectionModel()->selectedRows().front().data().toString();
  QMessageBox box(QMessageBox::Question, "Delete Chart",
                  QString("Delete the chart \"%1\" from the library?").arg(name),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName("DeleteChartBox");
  box.setDefaultButton(QMessageBox::No);
  if (RunModal(box) != QMessageBox::Yes) return;
  Succeeded(FLibrary->Remove(id));
  Reload();
}

void TChartLibraryF::SaveTagsAndNote() {
  const std::int64_t id = SelectedId();
  if (id == 0) return;
  Succeeded(FLibrary->SetTagsAndNote(id, SplitTags(EditTags->text().toStdString()),
                                     EditNote->toPlainText().toStdString()));
  Reload();
}

void TChartLibraryF::ImportFiles(const QStringList& files) {
  if (!FImporter || !FLibrary || !FLibrary->Open()) return;
  std::vector<TChartRecord> records;
  for (const QString& file : files) {
    std::string error;
    if (!FImporter(file.toStdString(), records, error)) {
      ShowErrorBox(this, QString("%1: %2 Nothing was imported.").arg(file, Q(error)));
      return;
    }
  }
  const TLibraryAddResult result = FLibrary->Add(records);
  if (!Succeeded(result.Status)) return;
  Reload();
  Inform(this, "Import Charts",
         QString("%1 charts added; %2 already in the library.")
             .arg(result.Added.size())
             .arg(result.Duplicates.size()));
}

void TChartLibraryF::ExportCharts() {
  if (!FExporter) return;
  const QString file =
      QFileDialog::getSaveFileName(this, "Export Charts", QString(), "Charts (*.aaf *.csv)");
  if (file.isEmpty()) return;
  std::vector<TChartRecord> records;
  for (int row = 0; row < FProxy->rowCount(); ++row) {
    const std::int64_t id = FProxy->index(row, 0).data(kIdRole).toLongLong();
    for (const TLibraryChart& c : FCharts)
      if (c.Id == id) records.push_back(c.Record);
  }
  std::string error;
  if (!FExporter(file.toStdString(), records, error)) ShowErrorBox(this, Q(error));
}

void TChartLibraryF::dragEnterEvent(QDragEnterEvent* event) {
  if (FImporter && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TChartLibraryF::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  ImportFiles(files);
}

}  // namespace ostrane
