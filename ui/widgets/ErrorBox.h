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

// Runs `dialog` through the runner.  While a window that stays on top of
// the others is shown (the level 3/4 window), the dialog stays on top too for
// the time it runs, so that it is not hidden behind that window.
int RunModal(QDialog& dialog);

// Replaces the runner and returns the one before; an empty runner restores
// QDialog::exec.
TModalRunner SetModalRunner(TModalRunner runner);

// The standard error box: a message box titled "Ostrane" with the critical
// (stop) icon and one OK button, holding the message with a full stop added
// when its last character sorts after ".".  A message too long for the
// screen is shown shortened (ErrorBoxShownText), and whole under the box's
// "Show Details...".  All errors of the program are shown here.
void ShowErrorBox(QWidget* parent, const QString& message);

// The most characters (UTF-16 code units) and lines of a message that the
// error box shows as it is.
inline constexpr qsizetype kErrorBoxMaxCharacters = 400;
inline constexpr int kErrorBoxMaxLines = 12;

// The text the error box shows of `text`: the text itself when it holds at
// most kErrorBoxMaxCharacters characters on at most kErrorBoxMaxLines lines.
// Otherwise a longer text is cut to its first 300 and last 80 characters
// joined by " … " (never cutting a character in two), so that it still
// shows how the message ends, line breaks are shown as spaces, and a
// zero-width space follows every 40 characters without a space: the box
// then always fits the screen and shows all of what it holds.
QString ErrorBoxShownText(const QString& text);

}  // namespace ostrane
