// The main window's side of the timeline window: what the main list holds,
// the window opened from View > Timeline and kept up to date after every
// listing, and a click on one of its periods.
#include "Level3F.h"
#include "ListBox.h"
#include "TimelineF.h"
#include "ZodiacF.h"

namespace ostrane {

void TFormZodiac::NoteListing() {
  FTimelineSource.reset();
  if (FListedSettings) {
    FTimelineSource = TTimelineSource{
        *FListedSettings, ListingStart(*FDate, *FListedSettings, ReadTimeLocale())};
  }
  emit ListingChanged();
}

void TFormZodiac::Timeline1Click() {
  if (!FTimeline) {
    FTimeline = new TFormTimeline(this);
    FTimeline->setWindowFlag(Qt::Window);
    connect(this, &TFormZodiac::ListingChanged, FTimeline,
            [this] { FTimeline->SetSource(FTimelineSource); });
    connect(FTimeline, &TFormTimeline::PeriodClicked, this, &TFormZodiac::SelectTimelinePeriod);
  }
  FTimeline->SetSource(FTimelineSource);
  FTimeline->ShowWindow();
}

void TFormZodiac::SelectTimelinePeriod(int entry, int level) {
  const int index = entry + kHeaderLines;
  if (entry < 0 || index >= ListBoxOstrane->count()) return;
  ListBoxOstrane->SetItemIndex(index);
  ListBoxOstrane->scrollToItem(ListBoxOstrane->item(index));
  ListBoxOstraneMouseMove();
  if (level == 2) ListBoxOstraneDblClick();
}

}  // namespace ostrane
