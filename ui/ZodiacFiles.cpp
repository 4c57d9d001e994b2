// The options file (Save Settings, Restore Defaults and the restore when
// the window is first shown) and the chart files (Open, Save As).
#include <QFileInfo>

#include "ZodiacF.h"

namespace ostrane {

void TFormZodiac::FormShow() {
  if (QFileInfo::exists("OptionsFile.txt")) RestoreSettings1Click();
}

void TFormZodiac::SaveSettings1Click() {}

void TFormZodiac::RestoreSettings1Click() {}

void TFormZodiac::SaveFileAsClick() {}

void TFormZodiac::OpenClick() {}

}  // namespace ostrane
