#include "views/CViewChildDV.h"

#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"
#include "views/DVCommandIds.h"
#include "views/ViewSwitchCommands.h"

#include "platform/DVMessageBox.h"

#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <memory>

namespace {

// A printer with somewhere to go: a named printer or a file.
bool HasDestination(const QPrinter& printer) {
    return !printer.printerName().isEmpty() || !printer.outputFileName().isEmpty();
}

}  // namespace

CViewChildDV::CViewChildDV(CReqDoc* doc, QWidget* parent) : QWidget(parent), m_pDocument(doc) {}

CViewChildDV::~CViewChildDV() {
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
        if (m_pDocument->m_pChildView == this) {
            m_pDocument->m_pChildView = nullptr;
        }
    }
}

void CViewChildDV::OnInitialUpdate() {
    if (m_pDocument->m_nLastRequirementId == 0) {
        m_bDefaultContent = true;
        m_pDocument->CreateDefaultContent();
    }
    m_bFirstActivationPending = true;
    m_pDocument->m_pChildView = this;
}

bool CViewChildDV::OnFirstActivation() {
    if (!m_bFirstActivationPending) {
        return false;
    }
    m_bFirstActivationPending = false;
    DVSize& extent = m_pDocument->m_sizeExtentShown;
    if (extent.cx > 0 && extent.cy > 0) {
        // HIMETRIC (0.01 mm) to device pixels.
        const qreal dpiX = logicalDpiX();
        const qreal dpiY = logicalDpiY();
        const int width = qRound(extent.cx * dpiX / 2540.0);
        const int height = qRound(extent.cy * dpiY / 2540.0);
        const auto& resize = CDVViewHost::Instance().resizeFrameClient;
        if (width > 8 && height > 8 && resize) {
            resize(this, width, height);
        }
        extent = DVSize{0, 0};
    }
    return true;
}

void CViewChildDV::CloseOpenPopup() {
    if (m_openPopup != nullptr) {
        m_openPopup->close();
        m_openPopup = nullptr;
    }
}

CDVCommandState CViewChildDV::QueryCommand(int id) {
    CDVCommandState state;
    const auto& routed = CDVViewHost::Instance().updateCommand;
    const bool handled = routed ? routed(this, id, state) : OnUpdateCommand(id, state);
    if (!handled) {
        state.enabled = false;
    }
    return state;
}

void CViewChildDV::RunRoutedCommand(int id) {
    const auto& routed = CDVViewHost::Instance().runCommand;
    if (routed) {
        routed(this, id);
    } else {
        OnCommand(id);
    }
}

void CViewChildDV::AddCommand(QMenu* menu, int id, const QString& text) {
    menu->addAction(text)->setData(id);
}

void CViewChildDV::UpdateMenuActions(QMenu* menu) {
    const auto& keysOf = CDVViewHost::Instance().keysOf;
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            UpdateMenuActions(action->menu());
        } else if (action->data().isValid()) {
            const int id = action->data().toInt();
            // A key hint in the text ("\tENTER") stands instead.
            if (keysOf && !action->text().contains(QLatin1Char('\t'))) {
                action->setShortcuts(keysOf(id));
            }
            const CDVCommandState state = QueryCommand(id);
            action->setEnabled(state.enabled);
            action->setCheckable(state.checked);
            action->setChecked(state.checked);
            if (!state.text.isEmpty()) {
                action->setText(state.text);
            }
        }
    }
}

void CViewChildDV::ShowPopup(QMenu* menu, const QPoint& globalPos) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::triggered, this,
            [this](QAction* action) { RunRoutedCommand(action->data().toInt()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { SetOpenPopup(nullptr); });
    SetOpenPopup(menu);
    menu->popup(globalPos);
}

void CViewChildDV::ShowPrintDialog(bool preview, bool direct) {
    // The application's printer keeps what Print Setup and the print dialog chose; a host without one
    // prints through a printer of this print only.
    std::unique_ptr<QPrinter> own;
    QPrinter* printer = CDVViewHost::Instance().printer;
    if (printer == nullptr) {
        own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = own.get();
    }
    if (preview) {
        QPrintPreviewDialog dialog(printer, this);
        // Room for a readable page rather than the dialog's small default.
        dialog.resize(window()->size() * 0.9);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [this](QPrinter* target) { PrintTo(*target); });
        dialog.exec();
        return;
    }
    // Quick Print goes where the last print went; before any print has gone anywhere it asks like Print.
    if (!direct || !HasDestination(*printer)) {
        QPrintDialog dialog(printer, this);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    if (!PrintTo(*printer)) {
        const QString target =
            printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
        DVMessageBox(QStringLiteral("The document could not be printed to \"%1\".").arg(target),
                     DV::MB_ICONEXCLAMATION | DV::MB_OK);
    }
}

void CViewChildDV::OpenWindowOfType(int viewType) {
    const auto& open = CDVViewHost::Instance().openNewWindow;
    m_pDocument->m_nNextViewType = viewType;
    if (open) {
        open(m_pDocument);
    }
    m_pDocument->m_nNextViewType = CReqDoc::ViewNone;
}

bool CViewChildDV::RunWindowCommand(int id) {
    switch (id) {
        case DVCmd::Print:
        case DVCmd::PrintDirect:
        case DVCmd::PrintPreview:
            ShowPrintDialog(id == DVCmd::PrintPreview, id == DVCmd::PrintDirect);
            return true;
        case DVCmd::NewWindow:
            OpenWindowOfType(ViewType());
            return true;
        case DVCmd::ViewOverview:
        case DVCmd::ViewRequirements:
        case DVCmd::ViewActors:
        case DVCmd::ViewUseCases:
            if (const auto& switchType = CDVViewHost::Instance().switchViewType) {
                switchType(this, ViewTypeOfSwitchCommand(id));
            }
            return true;
        default:
            return false;
    }
}

bool CViewChildDV::UpdateWindowCommand(int id, CDVCommandState& state) {
    switch (id) {
        case DVCmd::Print:
        case DVCmd::PrintDirect:
        case DVCmd::PrintPreview:
        case DVCmd::NewWindow:
            state.enabled = true;
            return true;
        case DVCmd::ViewOverview:
        case DVCmd::ViewRequirements:
        case DVCmd::ViewActors:
        case DVCmd::ViewUseCases:
            state.enabled = CanSwitchViewType(ViewType(), ViewTypeOfSwitchCommand(id));
            return true;
        default:
            return false;
    }
}

void CViewChildDV::TrackExtent(QSize size) {
    // Pixels to HIMETRIC (0.01 mm).
    const qreal dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const qreal dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
    m_pDocument->m_sizeExtent =
        DVSize{qint32(qRound(size.width() * 2540.0 / dpiX)), qint32(qRound(size.height() * 2540.0 / dpiY))};
}
