#include "app/framework/CHeadlessPrint.h"

#include "app/shell/CVisualStyle.h"
#include "app/shell/DVIcons.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVLinkedFileChooser.h"
#include "platform/DVMessageBox.h"
#include "views/CDVViewHost.h"
#include "views/CViewChildDV.h"
#include "views/CViewMotherDV.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QSettings>

#include <algorithm>
#include <cstdio>

namespace {

// Nobody is there to answer: boxes go to standard error and take their default answer, and a lost
// linked file is not looked for. The process's own handlers come back afterwards.
class UnattendedSession {
public:
    UnattendedSession()
        : m_boxes(SetDVMessageBoxHandler([](const QString& text, unsigned type) {
              std::fprintf(stderr, "%s\n", qPrintable(text));
              return DVDefaultAnswer(type);
          })),
          m_chooser(SetDVLinkedFileChooser([](const QString&) { return QString(); })),
          m_host(CDVViewHost::Instance()) {
        CDVViewHost::Instance() = CDVViewHost{};
        CDVViewHost::Instance().imageList = DVIcons::ImageList();
    }
    ~UnattendedSession() {
        CDVViewHost::Instance() = m_host;
        SetDVLinkedFileChooser(m_chooser);
        SetDVMessageBoxHandler(m_boxes);
    }
    UnattendedSession(const UnattendedSession&) = delete;
    UnattendedSession& operator=(const UnattendedSession&) = delete;

private:
    DVMessageBoxHandler m_boxes;
    DVLinkedFileChooser m_chooser;
    CDVViewHost m_host;
};

int Fail(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return 2;
}

}  // namespace

std::optional<int> CHeadlessPrint::ViewTypeOf(const QString& name) {
    const struct {
        const char* name;
        int viewType;
    } names[] = {
        {"requirements", CReqDoc::ViewRequirements}, {"actors", CReqDoc::ViewActors},
        {"use-cases", CReqDoc::ViewUseCases},        {"steps", CReqDoc::ViewSteps},
        {"overview", CReqDoc::ViewOverview},
    };
    for (const auto& entry : names) {
        if (name == QLatin1String(entry.name)) {
            return entry.viewType;
        }
    }
    return std::nullopt;
}

int CHeadlessPrint::Run(const QString& projectPath, const QString& pdfPath, std::optional<int> viewType) {
    const UnattendedSession session;
    CReqDoc doc;
    if (const DVFileResult opened = CReqDocFile(doc).OpenDocument(projectPath); !opened.ok) {
        return Fail(opened.Message());
    }
    if (viewType) {
        doc.m_nNextViewType = *viewType;
    }
    if (doc.m_nNextViewType == CReqDoc::ViewSteps && doc.FindUseCase(doc.m_nNextStepsUseCaseId) == nullptr) {
        // No use case stored with the project: the steps of the first one that has steps.
        const auto withSteps =
            std::find_if(doc.m_useCases.begin(), doc.m_useCases.end(),
                         [](const CUseCase* useCase) { return !useCase->m_steps.empty(); });
        if (withSteps == doc.m_useCases.end()) {
            return Fail(QStringLiteral("The project has no use case with steps to print."));
        }
        doc.m_nNextStepsUseCaseId = (*withSteps)->m_nId;
    }

    // The window the project was stored with, in the user's visual style.
    CVisualStyle::Apply(
        *qApp, QSettings().value(QStringLiteral("ApplicationLook"), CVisualStyle::kDefaultId).toInt());
    const std::unique_ptr<CViewMotherDV> window = LayOutWindow(doc);
    CViewChildDV* view = window->GetHostedView();
    if (view == nullptr) {
        return Fail(QStringLiteral("The view of the project could not be created."));
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setDocName(QFileInfo(projectPath).fileName());
    if (!view->PrintTo(printer)) {
        return Fail(QStringLiteral("Failed to print to \"%1\": the file cannot be written.").arg(pdfPath));
    }
    return 0;
}

std::unique_ptr<CViewMotherDV> CHeadlessPrint::LayOutWindow(CReqDoc& doc) {
    auto window = std::make_unique<CViewMotherDV>(&doc);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    const DVSize stored = doc.m_sizeExtent;
    // Without a stored extent, the size of a new project's window.
    const DVSize extent = stored.cx > 0 && stored.cy > 0 ? stored : DVSize{19000, 10000};
    // HIMETRIC (0.01 mm) to pixels.
    window->resize(qRound(extent.cx * window->logicalDpiX() / 2540.0),
                   qRound(extent.cy * window->logicalDpiY() / 2540.0));
    window->show();
    window->OnInitialUpdate();
    window->Activate();
    return window;
}
