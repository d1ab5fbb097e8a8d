// Shows the tree-list with thousands of rows, wrapped and cut columns, every edit mode, alternate
// colours and grid lines. --screenshot FILE grabs the window to a PNG and quits.
#include "controls/treelist/DV_TreeList.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

TLImageList MakeImages() {
    TLImageList list;
    list.size = QSize(16, 16);
    const QColor colours[] = {Qt::darkBlue,   Qt::darkGreen,   Qt::darkRed, Qt::darkCyan, Qt::gray,
                              Qt::darkYellow, Qt::darkMagenta, Qt::red,     Qt::green};
    for (const QColor& c : colours) {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(c);
        p.setPen(Qt::black);
        p.drawEllipse(2, 2, 12, 12);
        list.icons.append(QIcon(pm));
    }
    return list;
}

class DemoHandler : public ITreeListNotify {
public:
    qintptr OnTreeListNotify(DV_TreeList&, TLNotify&) override { return 0; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int shot = int(args.indexOf(QStringLiteral("--screenshot")));

    DV_TreeList tree(nullptr,
                     TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_FULLROWSELECT);
    DemoHandler handler;
    tree.SetNotifyHandler(&handler);
    tree.setWindowTitle(QStringLiteral("Tree-list demo"));
    tree.resize(1500, 900);
    tree.SetImageList(TVSIL_NORMAL, MakeImages());
    tree.SetExtendedStyle(0, TLX_CELLSELECT | TLX_FULLROWSELECT | TLX_ALTERNATEROWS | TLX_ROWLINES |
                                 TLX_COLUMNLINES | TLX_MULTISELECT);

    struct Col {
        const char* title;
        int width;  // 0: proportional
        quint32 textFlags;
    };
    const Col cols[] = {{"Title (wraps)", 0, 0},  {"Description (wraps)", 0, 0}, {"Comment (cut)", 0, 1},
                        {"Edit box", 110, 1},     {"Drop-down combo", 120, 1},   {"Drop-down list", 120, 1},
                        {"Cycle", 80, 1},         {"Cycle by icon", 100, 1},     {"Check", 60, 1},
                        {"Check by icon", 100, 1}};
    for (int c = 0; c < int(std::size(cols)); ++c) {
        TLColumn column;
        column.mask = LVCF_TEXT | (cols[c].width ? LVCF_WIDTH : 0);
        column.text = QString::fromLatin1(cols[c].title);
        column.cx = cols[c].width;
        tree.InsertColumn(c, column);
        tree.GetLayout()->columns[size_t(c)].textFlags = cols[c].textFlags;
    }
    const QString choices = QStringLiteral("Low|Medium|High");
    tree.SetColumnEdit(TLEditSetting(3, TLE_MODE_EDIT, TLE_DBLCLICK), QString());
    tree.SetColumnEdit(TLEditSetting(4, TLE_MODE_COMBO, TLE_DBLCLICK), choices);
    tree.SetColumnEdit(TLEditSetting(5, TLE_MODE_LIST, TLE_DBLCLICK | TLE_WHOLECELL), choices);
    tree.SetColumnEdit(TLEditSetting(6, TLE_MODE_CYCLE, 0x55), QStringLiteral("No|Yes"));
    tree.SetEditImageBase(6, 7);
    tree.SetColumnEdit(TLEditSetting(7, TLE_MODE_CYCLEICON, TLE_ICONCLICK | TLE_DBLCLICK), choices);
    tree.SetEditImageBase(7, 3);
    tree.SetColumnEdit(TLEditSetting(8, TLE_MODE_CHECK, TLE_ICONCLICK | TLE_LOCKBIT), QString());
    tree.SetColumnEdit(TLEditSetting(9, TLE_MODE_CHECKICON, TLE_ICONCLICK), QString());

    const QString words = QStringLiteral(
        "The system shall keep every requirement with its history so that reviewers can follow each change");
    HTREEITEM parent = TVI_ROOT;
    for (int i = 0; i < 5000; ++i) {
        const bool top = i % 25 == 0;
        TLInsertStruct insert;
        insert.hParent = top ? TVI_ROOT : parent;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        insert.item.text =
            top ? QStringLiteral("Chapter %1").arg(i / 25 + 1)
                : QStringLiteral("Requirement %1 %2").arg(i).arg(i % 7 == 0 ? words.left(40) : QString());
        insert.item.image = insert.item.selectedImage = top ? 0 : 1;
        insert.item.state = insert.item.stateMask = top ? TVIS_BOLD : 0;
        const HTREEITEM h = tree.InsertItem(insert);
        if (top) {
            parent = h;
        }
        tree.SetItemText(h, 1, i % 3 == 0 ? words : QStringLiteral("Short text %1").arg(i));
        tree.SetItemText(h, 2, words.mid(i % 30));
        tree.SetItemText(h, 3, QStringLiteral("Edit %1").arg(i));
        tree.SetItemText(h, 4, choices.split('|')[i % 3]);
        tree.SetItemText(h, 5, choices.split('|')[(i + 1) % 3]);
        tree.SetItemText(h, 6, i % 2 ? QStringLiteral("Yes") : QStringLiteral("No"));
        tree.SetItemImage(h, 6, 7 + i % 2);
        tree.SetItemText(h, 7, choices.split('|')[i % 3]);
        tree.SetItemImage(h, 7, 3 + i % 3);
        tree.SetItemState(h, 8, INDEXTOSTATEIMAGEMASK(1 + i % 2) | (i % 11 == 0 ? TVIS_CELLLOCKED : 0),
                          TVIS_STATEIMAGEMASK);
        tree.SetItemState(h, 9, INDEXTOSTATEIMAGEMASK(1 + (i / 2) % 2), TVIS_STATEIMAGEMASK);
        if (i % 17 == 5) {
            tree.SetCellBkColor(TLCellId(h, 2), 0xC0E0FF);
        }
    }
    for (HTREEITEM h = tree.GetNextItem(0, TVGN_ROOT); h; h = tree.GetNextItem(h, TVGN_NEXT)) {
        if (tree.GetRowOfItem(h) < 40) {
            tree.Expand(h, TVE_EXPAND);
        }
    }
    const HTREEITEM second = tree.GetNextItem(tree.GetNextItem(0, TVGN_ROOT), TVGN_CHILD);
    tree.SelectItem(second, TVGN_CARET);
    tree.show();

    // --edit opens the drop-down combo of the selected row, to look at the in-place editor.
    if (args.contains(QStringLiteral("--edit"))) {
        tree.setFocus();
        tree.SelectCell(second, 4);
        QTimer::singleShot(100, &tree, [&tree, second] {
            tree.setFocus();
            tree.SelectCell(second, 4);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&tree, &enter);
        });
    }
    if (shot > 0 && shot + 1 < args.size()) {
        const QString file = args[shot + 1];
        QTimer::singleShot(500, &tree, [&tree, file] {
            tree.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
