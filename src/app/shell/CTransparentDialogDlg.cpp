#include "app/shell/CTransparentDialogDlg.h"

#include "app/shell/DVIcons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWindow>

#include <vector>

CTransparentDialogDlg::CTransparentDialogDlg(QWidget* parent)
    : CTransparentDialogDlg(DefaultPicture(), kDefaultCloseAfterMs, parent) {}

CTransparentDialogDlg::CTransparentDialogDlg(const QImage& picture, int closeAfterMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(QPixmap::fromImage(picture)) {
    setWindowIcon(DVIcons::Application());
    setFixedSize(picture.size());
    setMask(OpaqueRegion(picture));
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CTransparentDialogDlg::CloseNow);
    m_timer.start(closeAfterMs);
}

QImage CTransparentDialogDlg::DefaultPicture() {
    DVIcons::InitResources();
    QSvgRenderer renderer(QStringLiteral(":/splash.svg"));
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

QRegion CTransparentDialogDlg::OpaqueRegion(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    std::vector<QRect> runs;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        while (x < rgb.width()) {
            while (x < rgb.width() && (row[x] | 0xFF000000u) == white) {
                ++x;
            }
            const int start = x;
            while (x < rgb.width() && (row[x] | 0xFF000000u) != white) {
                ++x;
            }
            if (x > start) {
                runs.emplace_back(start, y, x - start, 1);
            }
        }
    }
    QRegion region;
    region.setRects(runs.data(), int(runs.size()));
    return region;
}

void CTransparentDialogDlg::CloseNow() {
    m_timer.stop();
    close();
    m_picture = QPixmap();
}

void CTransparentDialogDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void CTransparentDialogDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // Let the window manager move the window as by its caption; keep our own drag where it cannot.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void CTransparentDialogDlg::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        move(event->globalPosition().toPoint() - m_dragOffset);
    }
}
