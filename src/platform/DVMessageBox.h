#pragma once

#include <QString>

#include <functional>

// Message boxes of the core. The core never shows a window: it calls DVMessageBox, and the
// application (a dialog), the command-line tool (a JSON line) or a test (a recorder) answers.
namespace DV {
// Buttons.
constexpr unsigned MB_OK = 0x00000000;
constexpr unsigned MB_OKCANCEL = 0x00000001;
constexpr unsigned MB_YESNOCANCEL = 0x00000003;
constexpr unsigned MB_YESNO = 0x00000004;
constexpr unsigned MB_TYPEMASK = 0x0000000F;
// Icons.
constexpr unsigned MB_ICONHAND = 0x00000010;
constexpr unsigned MB_ICONQUESTION = 0x00000020;
constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONINFORMATION = 0x00000040;
constexpr unsigned MB_ICONMASK = 0x000000F0;
// Default buttons.
constexpr unsigned MB_DEFBUTTON1 = 0x00000000;
constexpr unsigned MB_DEFBUTTON2 = 0x00000100;
constexpr unsigned MB_DEFBUTTON3 = 0x00000200;
constexpr unsigned MB_DEFMASK = 0x00000F00;
// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
}  // namespace DV

using DVMessageBoxHandler = std::function<int(const QString& text, unsigned type)>;

// Shows a message box through the installed handler and returns its answer.
int DVMessageBox(const QString& text, unsigned type);

// Installs a handler; an empty handler restores the default one, which answers with the default button.
// Returns the previous handler so that a caller can restore it.
DVMessageBoxHandler SetDVMessageBoxHandler(DVMessageBoxHandler handler);

// The answer a box of this type gives when its default button is pressed.
int DVDefaultAnswer(unsigned type);
