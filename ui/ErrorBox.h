// Modal dialogs and the program's standard error box.
//
// Every modal dialog of the windows runs through RunModal, so that one
// replaceable runner decides how it runs: QDialog::exec in the program, a
// function that inspects and answers the dialog in the tests.
#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace ostrane {

// The application title: the error box's title and the application name.
inline constexpr const char* kApplicationTitle = "Ostrane";

// Runs a modal dialog and returns its result code.
using TModalRunner = std::function<int(QDialog& dialog)>;

int RunModal(QDialog& dialog);

// Replaces the runner and returns the one before; an empty runner restores
// QDialog::exec.
TModalRunner SetModalRunner(TModalRunner runner);

// The standard error box: a message box titled "Ostrane" with the critical
// (stop) icon and one OK button, holding the message with a full stop added
// when its last character sorts after ".".  All errors of the program are
// shown here.
void ShowErrorBox(QWidget* parent, const QString& message);

}  // namespace ostrane
