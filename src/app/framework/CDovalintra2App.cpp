#include "app/framework/CDovalintra2App.h"

#include "app/framework/CDocManager.h"
#include "app/framework/CEmbeddedFrame.h"
#include "app/framework/CEmbeddedRender.h"
#include "app/framework/CHeadlessPrint.h"
#include "app/framework/CInPlaceFrame.h"
#include "app/framework/CMainFrame.h"
#include "app/shell/CTransparentDialogDlg.h"
#include "app/shell/DVIcons.h"
#include "document/DVLinkedFileChooser.h"
#include "platform/DVMessageBox.h"
#include "views/CViewMotherDV.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>

CDovalintra2App::CDovalintra2App(QApplication& app) : m_app(app) {}

CDovalintra2App::~CDovalintra2App() = default;

void CDovalintra2App::SetSettingsKey() {
    QCoreApplication::setOrganizationName(QStringLiteral("Dovalintra GmbH Application"));
    QCoreApplication::setApplicationName(QStringLiteral("Dovalintra"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.3"));
}

void CDovalintra2App::InstallMessageBoxes() {
    SetDVMessageBoxHandler([](const QString& text, unsigned type) {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QStringLiteral("Dovalintra"));
        box.setText(text);
        switch (type & DV::MB_ICONMASK) {
            case DV::MB_ICONHAND:
                box.setIcon(QMessageBox::Critical);
                break;
            case DV::MB_ICONQUESTION:
                box.setIcon(QMessageBox::Question);
                break;
            case DV::MB_ICONEXCLAMATION:
                box.setIcon(QMessageBox::Warning);
                break;
            case DV::MB_ICONINFORMATION:
                box.setIcon(QMessageBox::Information);
                break;
            default:
                break;
        }
        struct Button {
            QMessageBox::StandardButton button;
            int answer;
        };
        std::vector<Button> buttons;
        switch (type & DV::MB_TYPEMASK) {
            case DV::MB_OKCANCEL:
                buttons = {{QMessageBox::Ok, DV::IDOK}, {QMessageBox::Cancel, DV::IDCANCEL}};
                break;
            case DV::MB_YESNO:
                buttons = {{QMessageBox::Yes, DV::IDYES}, {QMessageBox::No, DV::IDNO}};
                break;
            case DV::MB_YESNOCANCEL:
                buttons = {{QMessageBox::Yes, DV::IDYES},
                           {QMessageBox::No, DV::IDNO},
                           {QMessageBox::Cancel, DV::IDCANCEL}};
                break;
            default:
                buttons = {{QMessageBox::Ok, DV::IDOK}};
                break;
        }
        for (const Button& b : buttons) {
            box.addButton(b.button);
        }
        const std::size_t defaultIndex =
            std::min<std::size_t>((type & DV::MB_DEFMASK) >> 8, buttons.size() - 1);
        box.setDefaultButton(buttons[defaultIndex].button);
        box.exec();
        const auto clicked =
            static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton()));
        for (const Button& b : buttons) {
            if (b.button == clicked) {
                return b.answer;
            }
        }
        // Closed without a button: the answer of Cancel, or of the only button.
        return buttons.size() == 1 ? buttons.front().answer : DV::IDCANCEL;
    });
    SetDVLinkedFileChooser([](const QString& failedPath) {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), failedPath,
                                            QStringLiteral("Dovalintra Projects (*.dvx)"));
    });
}

void CDovalintra2App::PreparePlatform(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--print-to-pdf" || argument.startsWith("--print-to-pdf=") ||
            argument == "--render" || argument.startsWith("--render=")) {
            // Printing without a window needs no display, and must not show anything on one.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
    }
}

bool CDovalintra2App::InitInstance(const QStringList& arguments, int& exitCode) {
    exitCode = 0;
    SetSettingsKey();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Dovalintra, requirement management for engineering projects."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Start without the splash window."));
    parser.addOption(noSplash);
    const QCommandLineOption printToPdf(
        QStringLiteral("print-to-pdf"),
        QStringLiteral("Print the project to a PDF file without showing a window, then quit."),
        QStringLiteral("pdf"));
    parser.addOption(printToPdf);
    const QCommandLineOption view(
        QStringLiteral("view"),
        QStringLiteral("The view --print-to-pdf prints: requirements, actors, "
                       "use-cases, steps or overview (default: the view stored in the project)."),
        QStringLiteral("view"));
    parser.addOption(view);
    const QCommandLineOption embedding(
        QStringLiteral("embedding"),
        QStringLiteral("Open an embedded object (created when it does not exist) in a window of its own."),
        QStringLiteral("object"));
    parser.addOption(embedding);
    const QCommandLineOption parentWindow(
        QStringLiteral("parent-window"),
        QStringLiteral("With --embedding: activate the object in place inside this X11 window."),
        QStringLiteral("winid"));
    parser.addOption(parentWindow);
    const QCommandLineOption render(
        QStringLiteral("render"),
        QStringLiteral(
            "Write the picture of an embedded object to --output and print its extent, then quit."),
        QStringLiteral("object"));
    parser.addOption(render);
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PNG file --render writes."),
                                    QStringLiteral("picture"));
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A project file to open."),
                                 QStringLiteral("[file]"));
    const auto usageError = [&exitCode](const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        exitCode = 1;
        return false;
    };
    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return false;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Dovalintra 2.0.3\n");
        return false;
    }
    if (parser.isSet(printToPdf)) {
        const std::optional<int> viewType =
            parser.isSet(view) ? CHeadlessPrint::ViewTypeOf(parser.value(view)) : std::nullopt;
        if (parser.isSet(view) && !viewType) {
            return usageError(
                QStringLiteral("Unknown view \"%1\": use requirements, actors, use-cases, steps or overview.")
                    .arg(parser.value(view)));
        }
        if (parser.positionalArguments().size() != 1) {
            return usageError(QStringLiteral("--print-to-pdf needs exactly one project file."));
        }
        exitCode = CHeadlessPrint::Run(parser.positionalArguments().constFirst(), parser.value(printToPdf),
                                       viewType);
        return false;
    }
    if (parser.isSet(view)) {
        return usageError(QStringLiteral("--view goes with --print-to-pdf."));
    }
    if (parser.isSet(render)) {
        if (!parser.isSet(output)) {
            return usageError(QStringLiteral("--render needs -o PICTURE.png."));
        }
        exitCode = CEmbeddedRender::Run(parser.value(render), parser.value(output));
        return false;
    }
    if (parser.isSet(parentWindow) && !parser.isSet(embedding)) {
        return usageError(QStringLiteral("--parent-window goes with --embedding."));
    }
    if (parser.isSet(embedding)) {
        WId container = 0;
        if (parser.isSet(parentWindow)) {
            bool ok = false;
            container = WId(parser.value(parentWindow).toULongLong(&ok, 0));
            if (!ok || container == 0) {
                return usageError(QStringLiteral("--parent-window needs a window id."));
            }
        }
        return StartEmbedded(parser.value(embedding), container, exitCode);
    }

    if (!parser.isSet(noSplash)) {
        auto* splash = new CTransparentDialogDlg();
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
    }
    m_app.setWindowIcon(DVIcons::Application());

    m_mainFrame = std::make_unique<CMainFrame>();
    // The frame opens maximised; the geometry also serves a display without a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_mainFrame->setGeometry(screen->availableGeometry());
    }
    m_mainFrame->showMaximized();
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        // A plain start creates no document: the application menu opens instead.
        QTimer::singleShot(0, m_mainFrame.get(),
                           [frame = m_mainFrame.get()] { frame->ShowApplicationMenu(); });
        return true;
    }
    if (m_mainFrame->Documents().OpenDocument(files.constFirst()) == nullptr) {
        exitCode = 1;
        return false;
    }
    return true;
}

bool CDovalintra2App::StartEmbedded(const QString& objectPath, WId container, int& exitCode) {
    if (container != 0) {
        m_embeddedFrame = CInPlaceFrame::Open(objectPath, container);
    } else {
        m_embeddedFrame = CEmbeddedFrame::Open(objectPath);
    }
    if (!m_embeddedFrame) {
        exitCode = 2;
        return false;
    }
    m_embeddedFrame->OnInitialUpdate();
    m_embeddedFrame->show();
    m_embeddedFrame->MotherView()->Activate();
    return true;
}
