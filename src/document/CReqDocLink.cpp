#include "document/CReqDocLink.h"

#include "document/CDVDocumentView.h"
#include "document/CLinkedStorage.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVLinkedFileChooser.h"
#include "platform/DVMessageBox.h"

namespace {

bool AskWarning(const QString& question) {
    return DVMessageBox(question, DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2) == DV::IDYES;
}

}  // namespace

bool CReqDocLink::LinkProject(const QString& path) {
    const QString chosen = path.isEmpty() ? DVChooseLinkedFile(m_doc.m_strLinkedPath) : path;
    if (chosen.isEmpty()) {
        return false;
    }
    if (m_doc.m_bLinked) {
        UnlinkProject();
    }
    // The container keeps its own extent and view type; those of the file are the file's.
    const DVSize extent = m_doc.m_sizeExtent;
    const DVSize extentShown = m_doc.m_sizeExtentShown;
    const qint32 viewType = m_doc.m_nViewType;
    if (!CReqDocFile(m_doc).OpenLinkedProject(chosen, true)) {
        m_doc.m_sizeExtent = extent;
        m_doc.m_sizeExtentShown = extentShown;
        m_doc.m_nViewType = viewType;
        m_doc.RefreshAllViews();
        return false;
    }
    m_doc.m_sizeExtentLinked = m_doc.m_sizeExtent;
    m_doc.m_nViewTypeLinked = m_doc.m_nViewType;
    m_doc.m_sizeExtent = extent;
    m_doc.m_sizeExtentShown = extentShown;
    m_doc.m_nViewType = viewType;
    m_doc.m_bLinked = true;
    m_doc.m_strLinkedPath = chosen;
    m_doc.m_bGridLinesLinked = m_doc.m_bGridLines;
    m_doc.m_bOnlyDefaults = false;
    m_doc.AdjustPhaseSelection();
    m_doc.RefreshAllViews();
    return true;
}

void CReqDocLink::UnlinkProject() {
    m_doc.m_bLinked = false;
    m_doc.m_strLinkedPath.clear();
    m_doc.m_pLinkedStorage.reset();
    if (m_doc.IsEmbedded() && m_doc.m_pChildView != nullptr &&
        m_doc.m_pChildView->ViewType() == CReqDoc::ViewSteps && m_showUseCases) {
        m_showUseCases();
    }
    // Emptied even without a view: the data of the file must not stay behind as the container's own.
    m_doc.DeleteContents();
    m_doc.RefreshAllViews();
}

void CReqDocLink::LoadAndLink() {
    if (m_doc.m_bLinked) {
        return;
    }
    if (m_doc.IsModified() && !m_doc.m_bOnlyDefaults &&
        !AskWarning(QStringLiteral(
            "Are you sure that you want to load and link a new project?\nUnsaved data will be lost!"))) {
        return;
    }
    m_doc.m_bOnlyDefaults = false;
    LinkProject(QString());
}

void CReqDocLink::Unlink() {
    if (!m_doc.m_bLinked) {
        return;
    }
    const QString question =
        m_doc.IsModified()
            ? QStringLiteral(
                  "Are you sure that you want to unlink the project from the actual "
                  "document?\n\nUnsaved data will be lost!")
            : QStringLiteral("Are you sure that you want to unlink the project from the actual document?");
    if (AskWarning(question)) {
        UnlinkProject();
    }
}
