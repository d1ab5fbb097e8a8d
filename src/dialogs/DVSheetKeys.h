#pragma once

class QTabWidget;
class QWidget;

// Keyboard use of the tabbed sheets.

// Ctrl+Tab / Ctrl+Page Down and Ctrl+Shift+Tab / Ctrl+Page Up switch to the next or previous page
// wherever the focus is in the sheet; a text field would otherwise keep Ctrl+Tab from the tab widget.
void InstallPageSwitchKeys(QTabWidget* tabs);
// Gives the focus to the page's first control that takes it from the keyboard, so a sheet opens
// ready for typing rather than with the focus on its tab bar.
void FocusFirstControl(QWidget* page);
