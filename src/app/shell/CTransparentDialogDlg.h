#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>

// The splash window: the picture, shaped so that its white pixels are see-through, centred on the
// screen, draggable, and closing itself after a while.
class CTransparentDialogDlg : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultCloseAfterMs = 3000;

    explicit CTransparentDialogDlg(QWidget* parent = nullptr);
    CTransparentDialogDlg(const QImage& picture, int closeAfterMs, QWidget* parent = nullptr);

    // The program's splash picture on white.
    static QImage DefaultPicture();
    // The pixels that are not pure white, as the horizontal runs of each row.
    static QRegion OpaqueRegion(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CloseNow();

    QPixmap m_picture;
    QTimer m_timer;
    QPoint m_dragOffset;
};
