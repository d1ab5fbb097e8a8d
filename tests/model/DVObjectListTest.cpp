#include "model/DVObjectList.h"
#include "model/Requirement.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Requirement> Make(qint32 id) {
    return std::make_unique<Requirement>(id);
}

std::vector<qint32> Ids(const DVObjectList<Requirement>& list) {
    std::vector<qint32> ids;
    for (const Requirement* r : list) {
        ids.push_back(r->m_nId);
    }
    return ids;
}

TEST(DVObjectList, FirstMatchWinsAfterEveryKindOfChange) {
    DVObjectList<Requirement> list;
    Requirement* a = list.Append(Make(1));
    Requirement* b = list.Append(Make(2));
    Requirement* duplicate = list.Append(Make(1));
    EXPECT_EQ(list.FindById(1), a);
    EXPECT_EQ(list.FindById(3), nullptr);
    EXPECT_EQ(list.IndexOf(duplicate), 2);
    Requirement* front = list.Insert(0, Make(1));
    EXPECT_EQ(list.FindById(1), front);
    EXPECT_EQ(list.IndexOf(b), 2);
    auto taken = list.Take(front);
    EXPECT_EQ(taken.get(), front);
    EXPECT_EQ(list.FindById(1), a);
    EXPECT_EQ(Ids(list), (std::vector<qint32>{1, 2, 1}));
    EXPECT_EQ(list.IndexOf(front), -1);
}

TEST(DVObjectList, RewriteFromRowsKeepsObjectsAlive) {
    DVObjectList<Requirement> list;
    Requirement* a = list.Append(Make(1));
    Requirement* b = list.Append(Make(2));
    Requirement* c = list.Append(Make(3));
    list.Clear();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.FindById(2), nullptr);
    EXPECT_TRUE(list.Append(c));
    EXPECT_TRUE(list.Append(a));
    EXPECT_FALSE(list.Append(a));              // already back in the list
    Requirement* copy = list.Append(Make(4));  // a copy made while rewriting
    EXPECT_EQ(Ids(list), (std::vector<qint32>{3, 1, 4}));
    EXPECT_EQ(list.FindById(4), copy);
    // b was not put back: still owned, and can be taken over by a deleted list.
    auto moved = list.Take(b);
    ASSERT_EQ(moved.get(), b);
    EXPECT_EQ(moved->m_nId, 2);
    list.Clear();
    list.DeleteAll();
    EXPECT_EQ(list.size(), 0);
}

}  // namespace
