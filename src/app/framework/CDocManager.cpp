#include "app/framework/CDocManager.h"

#include "app/framework/CDocumentCommands.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVProjectLock.h"
#include "platform/DVMessageBox.h"
#include "undo/CReqDocHistory.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include <chrono>

namespace {

constexpr int kRecentFiles = 8;
const QString kFilter = QStringLiteral("Dovalintra Projects (*.dvx)");

// What opening or saving may do with a project file another program may hold.
struct LockChoice {
    // False when another program holds the file and the user declined to go on.
    bool proceed = true;
    // The lock, or null when another program holds it and the user chose to go on anyway.
    std::unique_ptr<DVProjectLock> lock;
};

LockChoice LockProject(const QString& path, const char* question) {
    auto lock = std::make_unique<DVProjectLock>(path);
    if (lock->Lock(std::chrono::milliseconds(0)) != DVProjectLock::Result::heldElsewhere) {
        return {true, std::move(lock)};
    }
    const QString text = QStringLiteral(
                             "\"%1\" is already open in %2.\n\n%3\nChanges saved by one program "
                             "can overwrite those of the other.")
                             .arg(QFileInfo(path).fileName(), lock->Holder(), QLatin1String(question));
    const bool proceed =
        DVMessageBox(text, DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2) == DV::IDYES;
    return {proceed, nullptr};
}

}  // namespace

struct CDocManager::Entry {
    std::unique_ptr<CReqDoc> doc;
    std::unique_ptr<CDocumentCommands> commands;
    QString path;
    QString untitled;
    // Held while the file is open here, so that other programs know.
    std::unique_ptr<DVProjectLock> lock;
};

CDocManager::CDocManager(Hooks hooks, QWidget* dialogParent)
    : m_hooks(std::move(hooks)), m_dialogParent(dialogParent) {
    LoadRecent();
}

CDocManager::~CDocManager() = default;

CDocManager::Entry* CDocManager::Find(const CReqDoc* doc) const {
    for (const auto& entry : m_documents) {
        if (entry->doc.get() == doc) {
            return entry.get();
        }
    }
    return nullptr;
}

CReqDoc* CDocManager::DocumentAt(int index) const {
    return index >= 0 && index < DocumentCount() ? m_documents[static_cast<std::size_t>(index)]->doc.get()
                                                 : nullptr;
}

CDocumentCommands* CDocManager::CommandsOf(const CReqDoc* doc) const {
    const Entry* entry = Find(doc);
    return entry != nullptr ? entry->commands.get() : nullptr;
}

QString CDocManager::PathOf(const CReqDoc* doc) const {
    const Entry* entry = Find(doc);
    return entry != nullptr ? entry->path : QString();
}

QString CDocManager::TitleOf(const CReqDoc* doc) const {
    const Entry* entry = Find(doc);
    if (entry == nullptr) {
        return QString();
    }
    return entry->path.isEmpty() ? entry->untitled : QFileInfo(entry->path).fileName();
}

CReqDoc* CDocManager::Add(std::unique_ptr<CReqDoc> doc, const QString& path) {
    auto entry = std::make_unique<Entry>();
    entry->doc = std::move(doc);
    entry->path = path;
    if (path.isEmpty()) {
        entry->untitled = QStringLiteral("Dovalintra%1").arg(m_nextUntitled++);
    }
    entry->commands = std::make_unique<CDocumentCommands>(
        *entry->doc, CDocumentCommands::Hooks{m_hooks.openWindow, m_hooks.projectProperties,
                                              m_hooks.applyProjectProperties});
    CReqDocHistory::Attach(*entry->doc);
    CReqDoc* raw = entry->doc.get();
    m_documents.push_back(std::move(entry));
    return raw;
}

CReqDoc* CDocManager::NewDocument(bool showProperties) {
    CReqDoc* doc = Add(std::make_unique<CReqDoc>(), QString());
    doc->m_nNextViewType = CReqDoc::ViewRequirements;
    if (m_hooks.openWindow) {
        m_hooks.openWindow(doc);  // its first view creates the default content
    }
    if (showProperties) {
        CommandsOf(doc)->ProjectProperties();
    }
    return doc;
}

CReqDoc* CDocManager::OpenDocument(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const auto& entry : m_documents) {
        if (!entry->path.isEmpty() && QFileInfo(entry->path) == QFileInfo(absolute)) {
            return entry->doc.get();
        }
    }
    LockChoice lock = LockProject(absolute, "Do you want to open it anyway?");
    if (!lock.proceed) {
        return nullptr;
    }
    auto doc = std::make_unique<CReqDoc>();
    const DVFileResult result = CReqDocFile(*doc).OpenDocument(absolute);
    if (!result.ok) {
        DVMessageBox(result.Message(), DV::MB_ICONEXCLAMATION | DV::MB_OK);
        return nullptr;
    }
    CReqDoc* raw = Add(std::move(doc), absolute);
    Find(raw)->lock = std::move(lock.lock);
    AddRecent(absolute);
    if (m_hooks.openWindow) {
        m_hooks.openWindow(raw);
    }
    return raw;
}

bool CDocManager::SaveDocument(CReqDoc* doc, bool saveAs) {
    Entry* entry = Find(doc);
    if (entry == nullptr) {
        return false;
    }
    QString path = entry->path;
    if (saveAs || path.isEmpty()) {
        const QString proposal = path.isEmpty() ? entry->untitled + QStringLiteral(".dvx") : path;
        QFileDialog dialog(m_dialogParent, QString(), proposal, kFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dvx"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return false;
        }
        path = dialog.selectedFiles().constFirst();
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool newPath = absolute != entry->path;
    LockChoice lock;
    if (newPath) {
        lock = LockProject(absolute, "Do you want to save over it anyway?");
        if (!lock.proceed) {
            return false;
        }
    }
    const DVFileResult result = CReqDocFile(*doc).SaveDocument(path);
    if (!result.ok) {
        DVMessageBox(result.Message(), DV::MB_ICONEXCLAMATION | DV::MB_OK);
        return false;
    }
    if (newPath) {
        entry->lock = std::move(lock.lock);
    }
    entry->path = absolute;
    doc->SetModifiedFlag(false);
    AddRecent(entry->path);
    return true;
}

bool CDocManager::SaveModified(CReqDoc* doc) {
    if (doc == nullptr || !doc->IsModified()) {
        return true;
    }
    switch (DVMessageBox(QStringLiteral("Save changes to %1?").arg(TitleOf(doc)),
                         DV::MB_YESNOCANCEL | DV::MB_ICONQUESTION)) {
        case DV::IDCANCEL:
            return false;
        case DV::IDYES:
            return SaveDocument(doc, false);
        default:
            return true;
    }
}

bool CDocManager::CloseDocument(CReqDoc* doc) {
    if (!SaveModified(doc)) {
        return false;
    }
    if (m_hooks.closeWindows) {
        m_hooks.closeWindows(doc);
    }
    std::erase_if(m_documents,
                  [doc](const std::unique_ptr<Entry>& entry) { return entry->doc.get() == doc; });
    return true;
}

bool CDocManager::CloseAll() {
    while (!m_documents.empty()) {
        if (!CloseDocument(m_documents.front()->doc.get())) {
            return false;
        }
    }
    return true;
}

QString CDocManager::AskOpenPath(const QString& folder) const {
    QFileDialog dialog(m_dialogParent, QStringLiteral("Open"), folder, kFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

void CDocManager::LoadRecent() {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) {
            m_recent.append(file);
        }
    }
}

void CDocManager::AddRecent(const QString& path) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentFiles) {
        m_recent.removeLast();
    }
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_recent.size()) {
            settings.setValue(key, m_recent.at(i - 1));
        } else {
            settings.remove(key);
        }
    }
    Q_EMIT recentFilesChanged(m_recent);
}
