// Shows a project in the four matrix views, one tab each, until the application shell exists.
//   dovalintra_viewhost [project.dvx] [--screenshot FILE]
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "platform/DVMessageBox.h"
#include "views/CDVViewHost.h"
#include "views/CViewChildDV.h"
#include "views/CViewMotherDV.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

// A small project to look at when no file is given.
void FillExampleProject(CReqDoc& doc) {
    doc.CreateDefaultContent();
    doc.m_strProjectName = QStringLiteral("Example");
    const qint32 features = doc.m_requirements.at(2)->m_nId;
    qint32 previous = 0;
    for (int i = 1; i <= 5; ++i) {
        auto requirement = doc.NewRequirement();
        requirement->m_strTitle = QStringLiteral("Feature %1").arg(i);
        requirement->m_strDescription = QStringLiteral("The system offers feature %1.").arg(i);
        requirement->m_nParentId = features;
        requirement->m_nPrevSiblingId = previous;
        requirement->m_nType = i % 3;
        previous = requirement->m_nId;
        doc.m_requirements.Insert(2 + i, std::move(requirement));
    }
    auto actor = doc.NewActor();
    actor->m_strTitle = QStringLiteral("Operator");
    actor->m_nParentId = doc.m_actors.first()->m_nId;
    doc.m_actors.Append(std::move(actor));
    auto useCase = doc.NewUseCase();
    useCase->m_strTitle = QStringLiteral("Place an order");
    useCase->m_nParentId = doc.m_useCases.first()->m_nId;
    for (const char16_t* title : {u"Choose the goods", u"Confirm the order", u"Pay"}) {
        auto step = doc.NewStep(*useCase);
        step->m_strTitle = QString::fromUtf16(title);
        useCase->m_steps.Append(std::move(step));
    }
    doc.m_useCases.Append(std::move(useCase));
}

CViewMotherDV* AddWindow(QTabWidget& tabs, CReqDoc& doc, int viewType) {
    doc.m_nNextViewType = viewType;
    auto* mother = new CViewMotherDV(&doc);
    QObject::connect(mother, &CViewMotherDV::hostedViewCreated, &tabs,
                     [&tabs, mother](int, const QString& title) {
                         const int index = tabs.indexOf(mother);
                         if (index >= 0) {
                             tabs.setTabText(index, title);
                         }
                     });
    tabs.addTab(mother, QString());
    mother->OnInitialUpdate();
    mother->Activate();
    return mother;
}

// The four tabs side by side in one picture.
QImage Screenshot(QTabWidget& tabs) {
    const QSize size = tabs.size();
    QImage picture(size.width() * 2, size.height() * 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int i = 0; i < tabs.count() && i < 4; ++i) {
        tabs.setCurrentIndex(i);
        QApplication::processEvents();
        painter.drawPixmap((i % 2) * size.width(), (i / 2) * size.height(), tabs.grab());
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("Project file (.dvx) to show"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture and quit"), QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    SetDVMessageBoxHandler([](const QString& text, unsigned type) {
        const unsigned buttons = type & DV::MB_TYPEMASK;
        if (buttons == DV::MB_YESNO) {
            return QMessageBox::question(nullptr, QStringLiteral("Dovalintra"), text) == QMessageBox::Yes
                       ? DV::IDYES
                       : DV::IDNO;
        }
        QMessageBox::warning(nullptr, QStringLiteral("Dovalintra"), text);
        return DV::IDOK;
    });

    CReqDoc doc;
    if (!parser.positionalArguments().isEmpty()) {
        const DVFileResult result = CReqDocFile(doc).OpenDocument(parser.positionalArguments().first());
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(result.Message()));
            return 1;
        }
    } else {
        FillExampleProject(doc);
    }

    QTabWidget tabs;
    tabs.resize(1000, 600);
    CDVViewHost& host = CDVViewHost::Instance();
    host.openNewWindow = [&tabs, &doc](CReqDoc*) {
        tabs.setCurrentWidget(AddWindow(tabs, doc, doc.m_nNextViewType));
    };
    host.switchViewType = [&doc](CViewChildDV* view, int viewType) {
        auto* mother = qobject_cast<CViewMotherDV*>(view->parentWidget());
        if (mother == nullptr) {
            return;
        }
        // The old view goes once the command that asked for the switch has returned.
        QTimer::singleShot(0, mother, [mother, &doc, viewType] {
            mother->DestroyHostedView();
            doc.m_nNextViewType = viewType;
            mother->CreateHostedView(true);
            mother->Activate();
        });
    };
    for (int type : {CReqDoc::ViewRequirements, CReqDoc::ViewActors, CReqDoc::ViewUseCases}) {
        AddWindow(tabs, doc, type);
    }
    for (const CUseCase* useCase : doc.m_useCases) {
        if (useCase->m_nKind == CUseCase::KindUseCase) {
            doc.m_nNextStepsUseCaseId = useCase->m_nId;
            break;
        }
    }
    AddWindow(tabs, doc, CReqDoc::ViewSteps);
    tabs.show();

    if (parser.isSet(screenshot)) {
        QApplication::processEvents();
        return Screenshot(tabs).save(parser.value(screenshot)) ? 0 : 1;
    }
    return QApplication::exec();
}
