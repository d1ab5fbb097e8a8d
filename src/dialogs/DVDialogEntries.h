#pragma once

struct CDVViewHost;

// Fills the view host's entries that open the dialogs of this folder: the quick selection of links,
// the edit sheets of the objects and the column choice.
void InstallDialogEntries(CDVViewHost& host);
