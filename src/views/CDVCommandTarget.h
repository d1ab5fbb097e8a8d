#pragma once

#include <QString>

// What an update handler says about a command: enabled, checked (a radio mark when radio is set) and,
// when not empty, a text of its own.
struct CDVCommandState {
    bool enabled = true;
    bool checked = false;
    bool radio = false;
    QString text;
};

// Something that handles commands by id: the active view, its document, its frame, the application,
// asked in this order. A command nobody handles is disabled.
class CDVCommandTarget {
public:
    virtual ~CDVCommandTarget() = default;

    // Runs the command; false when this target does not handle it.
    virtual bool OnCommand(int /*id*/) { return false; }
    // Fills the state of a command this target handles; false when it does not handle it.
    virtual bool OnUpdateCommand(int /*id*/, CDVCommandState& /*state*/) { return false; }
};
