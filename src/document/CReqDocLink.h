#pragma once

#include <QString>

#include <functional>

class CReqDoc;

// Linking an embedded project to a project file and unlinking it again, with the questions of the
// commands "load and link" (446) and "unlink" (447). The storage of the linked file stays open in the
// document while it is linked.
class CReqDocLink {
public:
    // The window showing the steps view of the document switches to the use-case view: an unlinked,
    // emptied project has no use case whose steps could be shown.
    using ShowUseCasesInstead = std::function<void()>;

    explicit CReqDocLink(CReqDoc& doc, ShowUseCasesInstead showUseCases = {})
        : m_doc(doc), m_showUseCases(std::move(showUseCases)) {}

    // Links the document to the project file at path; an empty path lets the user choose one. On
    // failure the reason has been reported and the document is empty and unlinked.
    bool LinkProject(const QString& path);
    // Drops the link and empties the document; identifier counters and settings stay.
    void UnlinkProject();

    // Command 446: asks before unsaved work is replaced, then links a file the user chooses.
    void LoadAndLink();
    // Command 447: asks, then unlinks.
    void Unlink();

private:
    CReqDoc& m_doc;
    ShowUseCasesInstead m_showUseCases;
};
