#include "app/shell/CAboutDlg.h"

#include "app/shell/CTransparentDialogDlg.h"

#include <QBitmap>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Dovalintra"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* picture = new QLabel(this);
    // White is the splash picture's see-through colour; here too.
    QPixmap pixmap = QPixmap::fromImage(CTransparentDialogDlg::DefaultPicture());
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
    picture->setPixmap(pixmap.scaledToWidth(360, Qt::SmoothTransformation));
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    auto* name = new QLabel(QStringLiteral("Dovalintra"), this);
    name->setObjectName(QStringLiteral("name"));
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    name->setFont(font);
    layout->addWidget(name);

    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(DV_VERSION_TEXT)), this);
    version->setObjectName(QStringLiteral("version"));
    version->setProperty("controlId", kVersionControlId);
    layout->addWidget(version);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
