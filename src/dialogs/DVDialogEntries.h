#pragma once

struct CDVViewHost;

// Fills the view host's entries that open the dialogs of this folder: the quick selection of links and
// the edit sheet (for now the sheet of the user-defined parameters alone).
void InstallDialogEntries(CDVViewHost& host);
