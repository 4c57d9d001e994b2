// Printing of a list box's lines.
#pragma once

class QListWidget;
class QPrintDialog;
class QWidget;

namespace ostrane {

// Runs `dialog`; when the user confirms, prints every line of `list`.
// Errors are shown in the program's error box.
void PrintListBox(QWidget* parent, QPrintDialog* dialog, const QListWidget* list);

}  // namespace ostrane
