#pragma once

struct CDVViewHost;

// Fills the view host's entries that open the dialogs of this folder: the quick selection of links,
// the edit sheets of the objects, the column choice and the export file choice.
void InstallDialogEntries(CDVViewHost& host);
