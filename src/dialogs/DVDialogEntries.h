#pragma once

struct CDVViewHost;

// Fills the view host's entries that open the dialogs of this folder: the quick selection of links and
// the edit sheets of the objects.
void InstallDialogEntries(CDVViewHost& host);
