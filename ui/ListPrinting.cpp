#include "ListPrinting.h"

namespace ostrane {

void PrintListBox(QWidget*, QPrintDialog*, const QListWidget*) {}

}  // namespace ostrane
