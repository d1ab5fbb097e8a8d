#pragma once

#include "controls/treelist/DV_TreeList.h"

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <map>
#include <vector>

// Records every notification; answers per code can be scripted, and a hook can act inside one.
class NotifyRecorder : public ITreeListNotify {
public:
    qintptr OnTreeListNotify(DV_TreeList& control, TLNotify& notify) override {
        if (hook) {
            hook(control, notify);
        }
        log.push_back(notify);
        const auto it = answers.find(notify.code);
        return it == answers.end() ? 0 : it->second;
    }
    std::vector<TLNotify> Of(int code) const {
        std::vector<TLNotify> out;
        for (const TLNotify& n : log) {
            if (n.code == code) {
                out.push_back(n);
            }
        }
        return out;
    }
    std::vector<int> Codes() const {
        std::vector<int> out;
        for (const TLNotify& n : log) {
            out.push_back(n.code);
        }
        return out;
    }

    std::vector<TLNotify> log;
    std::map<int, qintptr> answers;
    std::function<void(DV_TreeList&, TLNotify&)> hook;
};

// A shown control of a known size with a recorder attached.
class TreeListTest : public ::testing::Test {
protected:
    static constexpr quint32 kStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS;

    void SetUp() override { Create(kStyle); }

    void Create(quint32 style, QSize size = QSize(400, 300)) {
        tree = std::make_unique<DV_TreeList>(nullptr, style);
        tree->SetNotifyHandler(&recorder);
        tree->setFrameShape(QFrame::NoFrame);
        tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->resize(size);
        tree->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tree.get()));
    }

    int AddColumn(const QString& title, int width = 0) {
        TLColumn column;
        column.mask = LVCF_TEXT | (width ? LVCF_WIDTH : 0);
        column.text = title;
        column.cx = width;
        return tree->InsertColumn(tree->GetColumnCount(), column);
    }

    HTREEITEM Add(const QString& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST) {
        return tree->InsertItem(text, parent, after);
    }

    std::vector<QString> ChildTexts(HTREEITEM parent = TVI_ROOT) {
        std::vector<QString> out;
        for (HTREEITEM h = tree->GetNextItem(parent == TVI_ROOT ? 0 : parent, TVGN_CHILD); h;
             h = tree->GetNextItem(h, TVGN_NEXT)) {
            out.push_back(tree->GetItemText(h));
        }
        return out;
    }

    // The centre of a cell in viewport coordinates.
    QPoint CellCentre(HTREEITEM h, int column) {
        QRect rect;
        tree->GetItemRect(h, &rect, false, column);
        return QPoint(rect.left() + rect.width() / 2, rect.top() + tree->GetItemHeight() / 2);
    }

    QWidget* Viewport() { return tree->viewport(); }

    NotifyRecorder recorder;
    std::unique_ptr<DV_TreeList> tree;
};
