// The main window's side of the timeline window: what the main list holds,
// the window opened from View > Timeline and kept up to date after every
// listing, Go to Date and change of the Fortune field, and a click on one of
// its periods.
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/timeline/TimelineF.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/WindowGeometry.h"

namespace ostrane {

void TFormZodiac::NoteListing(bool newListing) {
  if (newListing) FChosenMoment.reset();
  FTimelineSource.reset();
  // The settings of the marks (the Fortune field and the angle choice of
  // now); the first line begins at the birth moment of the listing.
  if (FListedSettings && !FMain->Lines.empty())
    FTimelineSource = TTimelineSource{MarkSettings(), FMain->Lines.front().Period.Start};
  emit ListingChanged();
}

void TFormZodiac::Timeline1Click() {
  if (!FTimeline) {
    FTimeline = new TFormTimeline(this);
    FTimeline->setWindowFlag(Qt::Window);
    KeepWindowGeometry(FTimeline);
    FTimeline->SetClock(FClock);
    const auto update = [this] {
      FTimeline->SetSource(FTimelineSource);
      FTimeline->SetMoment(FChosenMoment);
    };
    connect(this, &TFormZodiac::ListingChanged, FTimeline, update);
    connect(FTimeline, &TFormTimeline::PeriodClicked, this, &TFormZodiac::SelectTimelinePeriod);
    update();
  }
  FTimeline->ShowWindow();
}

void TFormZodiac::SelectTimelinePeriod(int entry, int level) {
  const int index = entry + kHeaderLines;
  if (entry < 0 || index >= ListBoxOstrane->count()) return;
  ListBoxOstrane->SetItemIndex(index);
  ListBoxOstrane->scrollTo(ListBoxOstrane->Model().index(index));
  ListBoxOstraneMouseMove();
  if (level == 2) ListBoxOstraneDblClick();
}

}  // namespace ostrane
