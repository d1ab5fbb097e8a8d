// A minimal container of an embedded project: it keeps an object file, draws the object's picture at
// the object's extent, and starts the server to open the object in a window of its own ("Open") or in
// place inside its own window ("In Place"). When the object file changes it draws the new picture.
//
//   dv-test-container OBJECT --server PROGRAM [--activate open|inplace] [--quit-after-update]
//
// With --quit-after-update it prints "picture WIDTHxHEIGHT extent CX CY" after the first update it
// sees and ends (and the server with it): this is how the test suite drives the protocol.
#include "document/CEmbeddedObjectFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// The place of the object in the container's document: its picture at its extent, or the server's
// window while the object is active in place.
class ObjectSite : public QWidget {
public:
    explicit ObjectSite(QWidget* parent) : QWidget(parent) {
        // Its own X11 window, which the server's in-place frame goes into.
        setAttribute(Qt::WA_NativeWindow);
        setAutoFillBackground(true);
    }
    void SetObject(const CEmbeddedObjectFile& object) {
        m_picture = QImage::fromData(object.picture, "PNG");
        // Without an extent of its own the object gets the default one of a new project.
        const DVSize extent =
            object.extent.cx > 0 && object.extent.cy > 0 ? object.extent : DVSize{19000, 10000};
        {
            setFixedSize(qRound(extent.cx * logicalDpiX() / 2540.0),
                         qRound(extent.cy * logicalDpiY() / 2540.0));
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_picture.isNull()) {
            painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("(no picture yet)"));
        } else {
            painter.drawImage(rect(), m_picture);
        }
        painter.setPen(Qt::darkGray);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QImage m_picture;
};

class Container : public QWidget {
public:
    Container(QString objectPath, QString server, bool quitAfterUpdate)
        : m_objectPath(std::move(objectPath)),
          m_server(std::move(server)),
          m_quitAfterUpdate(quitAfterUpdate) {
        setWindowTitle(QStringLiteral("Test Container - %1").arg(QFileInfo(m_objectPath).fileName()));
        auto* layout = new QVBoxLayout(this);
        auto* buttons = new QHBoxLayout;
        auto* open = new QPushButton(QStringLiteral("&Open"), this);
        auto* inPlace = new QPushButton(QStringLiteral("&In Place"), this);
        buttons->addWidget(open);
        buttons->addWidget(inPlace);
        buttons->addWidget(m_status = new QLabel(this));
        buttons->addStretch();
        layout->addLayout(buttons);
        layout->addWidget(m_site = new ObjectSite(this));
        layout->addStretch();
        connect(open, &QPushButton::clicked, this, [this] { Activate(false); });
        connect(inPlace, &QPushButton::clicked, this, [this] { Activate(true); });
        // The server replaces the file by renaming a new one over it: watch the folder.
        m_watcher.addPath(QFileInfo(m_objectPath).absolutePath());
        connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { Reload(); });
        connect(&m_server_process, &QProcess::finished, this, [this] {
            m_site->show();
            Reload();
        });
        Reload();
    }
    ~Container() override {
        m_server_process.kill();
        m_server_process.waitForFinished(3000);
    }

    void Activate(bool inPlace) {
        if (m_server_process.state() != QProcess::NotRunning) {
            return;
        }
        QStringList arguments{QStringLiteral("--embedding"), m_objectPath};
        if (inPlace) {
            arguments << QStringLiteral("--parent-window") << QString::number(m_site->winId());
        }
        m_server_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_server_process.start(m_server, arguments);
    }

private:
    void Reload() {
        if (!QFileInfo::exists(m_objectPath)) {
            return;
        }
        const QDateTime modified = QFileInfo(m_objectPath).lastModified();
        CEmbeddedObjectFile object;
        try {
            object = CEmbeddedObjectFile::Read(m_objectPath);
        } catch (...) {
            return;  // being replaced; the next change brings it
        }
        m_site->SetObject(object);
        const QImage picture = QImage::fromData(object.picture, "PNG");
        m_status->setText(QStringLiteral("Extent %1 x %2").arg(object.extent.cx).arg(object.extent.cy));
        if (m_quitAfterUpdate && !m_reported && modified != m_loaded && m_loaded.isValid() &&
            !picture.isNull()) {
            m_reported = true;
            std::printf("picture %dx%d extent %d %d\n", picture.width(), picture.height(), object.extent.cx,
                        object.extent.cy);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        if (!m_loaded.isValid()) {
            m_loaded = modified.isValid() ? modified : QDateTime::fromSecsSinceEpoch(0);
        }
    }

    QString m_objectPath;
    QString m_server;
    bool m_quitAfterUpdate;
    ObjectSite* m_site;
    QLabel* m_status;
    QFileSystemWatcher m_watcher;
    QProcess m_server_process;
    QDateTime m_loaded;
    bool m_reported = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption server(QStringLiteral("server"), QStringLiteral("The server program."),
                                    QStringLiteral("program"));
    const QCommandLineOption activate(QStringLiteral("activate"),
                                      QStringLiteral("Activate at once: open or inplace."),
                                      QStringLiteral("how"));
    const QCommandLineOption quitAfterUpdate(QStringLiteral("quit-after-update"),
                                             QStringLiteral("Print the first update seen, then end."));
    parser.addOptions({server, activate, quitAfterUpdate});
    parser.addPositionalArgument(QStringLiteral("object"), QStringLiteral("The object file."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(server)) {
        parser.showHelp(1);
    }
    Container container(parser.positionalArguments().constFirst(), parser.value(server),
                        parser.isSet(quitAfterUpdate));
    container.resize(900, 600);
    container.show();
    if (parser.isSet(activate)) {
        const bool inPlace = parser.value(activate) == QStringLiteral("inplace");
        QTimer::singleShot(300, &container, [&container, inPlace] { container.Activate(inPlace); });
    }
    return QApplication::exec();
}
