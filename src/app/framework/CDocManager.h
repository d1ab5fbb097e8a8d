#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CDocumentCommands;
class CReqDoc;
class QWidget;

// The open documents of the application with their files: new, open, save, save as and close, the
// question before modified work is dropped, and the recent-file list.
class CDocManager : public QObject {
    Q_OBJECT
public:
    // What the documents need of the main window.
    struct Hooks {
        // Opens a window on the document (its m_nNextViewType decides the view).
        std::function<void(CReqDoc*)> openWindow;
        // Closes every window of the document without asking.
        std::function<void(CReqDoc*)> closeWindows;
        std::function<bool(CReqDoc*)> projectProperties;
        std::function<void(CReqDoc*)> applyProjectProperties;
    };

    explicit CDocManager(Hooks hooks, QWidget* dialogParent);
    ~CDocManager() override;

    // A new project in a window; the project properties follow when asked.
    CReqDoc* NewDocument(bool showProperties = true);
    // Opens the file in a window (an already open file is only activated); null on failure, after the
    // failure was reported.
    CReqDoc* OpenDocument(const QString& path);
    // Save (Save As for a document without a file); false when cancelled or failed.
    bool SaveDocument(CReqDoc* doc, bool saveAs);
    // Asks "Save changes to %1?" for a modified document; false when the user cancels.
    bool SaveModified(CReqDoc* doc);
    // Closes the document and all its windows after SaveModified.
    bool CloseDocument(CReqDoc* doc);
    // Closes every document; false when the user cancelled.
    bool CloseAll();

    // The file dialogs of Open and Open Case...
    QString AskOpenPath(const QString& folder) const;

    CDocumentCommands* CommandsOf(const CReqDoc* doc) const;
    QString PathOf(const CReqDoc* doc) const;
    // The document's title: its file name, or "Dovalintra1", "Dovalintra2", ... before its first save.
    QString TitleOf(const CReqDoc* doc) const;
    int DocumentCount() const { return static_cast<int>(m_documents.size()); }
    CReqDoc* DocumentAt(int index) const;

    QStringList RecentFiles() const { return m_recent; }

Q_SIGNALS:
    void recentFilesChanged(const QStringList& files);

private:
    struct Entry;
    Entry* Find(const CReqDoc* doc) const;
    CReqDoc* Add(std::unique_ptr<CReqDoc> doc, const QString& path);
    void AddRecent(const QString& path);
    void LoadRecent();

    Hooks m_hooks;
    QWidget* m_dialogParent;
    std::vector<std::unique_ptr<Entry>> m_documents;
    QStringList m_recent;
    int m_nextUntitled = 1;
};
