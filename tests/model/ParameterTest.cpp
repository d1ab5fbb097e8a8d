#include "document/CReqDoc.h"
#include "model/DVParameter.h"
#include "model/DVParameterValue.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

namespace {

DVParameter Number(bool hasMin, double min, bool hasMax, double max) {
    DVParameter p;
    p.m_nType = DVParameter::TypeNumber;
    p.m_bHasMin = hasMin;
    p.m_dMin = min;
    p.m_bHasMax = hasMax;
    p.m_dMax = max;
    return p;
}

DVParameter List(QStringList items, int defaultItem = -1) {
    DVParameter p;
    p.m_nType = DVParameter::TypeList;
    p.m_items = std::move(items);
    p.m_nDefaultItem = defaultItem;
    return p;
}

TEST(GetValueText, ByType) {
    DVParameterValue value;
    value.m_strText = QStringLiteral("abc");
    value.m_dNumber = 1500000;
    value.m_nItem = 1;
    DVParameter text;
    EXPECT_EQ(GetValueText(&text, value), QStringLiteral("abc"));
    const DVParameter number = Number(false, 0, false, 0);
    EXPECT_EQ(GetValueText(&number, value), QStringLiteral("1.5E+06"));
    value.m_dNumber = 0.25;
    EXPECT_EQ(GetValueText(&number, value), QStringLiteral("0.25"));
    const DVParameter list = List({QStringLiteral("a"), QStringLiteral("b")}, 0);
    EXPECT_EQ(GetValueText(&list, value), QStringLiteral("b"));
    for (int item : {-1, 2, 7}) {
        value.m_nItem = item;
        EXPECT_EQ(GetValueText(&list, value), QStringLiteral("<Not defined>")) << item;
    }
    EXPECT_EQ(GetValueText(nullptr, value), QStringLiteral("<Not defined>"));
    DVParameter other;
    other.m_nType = 9;
    EXPECT_EQ(GetValueText(&other, value), QStringLiteral("<Not defined>"));
}

TEST(CheckAndConvert, MessagesAndLimits) {
    MessageRecorder boxes;
    DVParameterValue value;
    const DVParameter min0 = Number(true, 0, true, 10);
    EXPECT_TRUE(CheckAndConvert(&min0, value, QStringLiteral("0")));
    EXPECT_TRUE(CheckAndConvert(&min0, value, QStringLiteral("10")));
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_FALSE(CheckAndConvert(&min0, value, QStringLiteral("-0.5")));
    EXPECT_FALSE(CheckAndConvert(&min0, value, QStringLiteral("10.5")));
    EXPECT_FALSE(CheckAndConvert(&min0, value, QStringLiteral("x")));
    EXPECT_EQ(boxes.texts,
              (QStringList{QStringLiteral("Number is smaller than permitted. Minimum value is 0."),
                           QStringLiteral("Number is larger than permitted. Maximum value is 10."),
                           QStringLiteral("Invalid Number. Please enter a valid number.")}));
    EXPECT_EQ(boxes.types[0], DV::MB_ICONEXCLAMATION | DV::MB_OK);
    EXPECT_TRUE(CheckAndConvert(&min0, value, QStringLiteral("1e0")));
    EXPECT_EQ(value.m_dNumber, 1.0);

    boxes.Clear();
    DVParameter text;
    text.m_nMaxLength = 3;
    EXPECT_TRUE(CheckAndConvert(&text, value, QStringLiteral("abc")));
    EXPECT_FALSE(CheckAndConvert(&text, value, QStringLiteral("abcd")));
    EXPECT_EQ(value.m_strText, QStringLiteral("abc"));
    EXPECT_EQ(boxes.texts,
              QStringList{QStringLiteral("Text is longer than permitted. Maximum length is 3.")});
    for (int unlimited : {0, -1}) {
        text.m_nMaxLength = unlimited;
        EXPECT_TRUE(CheckAndConvert(&text, value, QString(5000, u'x')));
    }

    const DVParameter list = List({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_TRUE(CheckAndConvert(&list, value, QStringLiteral("b")));
    EXPECT_EQ(value.m_nItem, 1);
    EXPECT_TRUE(CheckAndConvert(&list, value, QStringLiteral("B")));
    EXPECT_EQ(value.m_nItem, -1);
    EXPECT_FALSE(CheckAndConvert(nullptr, value, QStringLiteral("b")));
}

TEST(DVParameter, DefinitionEqualityLooksAtTheTypesFields) {
    DVParameter a = Number(true, 1, false, 5);
    DVParameter b = a;
    b.m_dMax = 99;  // not enforced: ignored
    EXPECT_TRUE(a == b);
    b.m_dMin = 2;
    EXPECT_FALSE(a == b);
    DVParameter t1, t2;
    t2.m_dMin = 3;
    EXPECT_TRUE(t1 == t2);
    t2.m_nMaxLength = 4;
    EXPECT_FALSE(t1 == t2);
    DVParameter l1 = List({QStringLiteral("x")}), l2 = List({QStringLiteral("y")});
    EXPECT_FALSE(l1 == l2);
    l2.m_items = l1.m_items;
    EXPECT_TRUE(l1 == l2);
    l2.m_strName = QStringLiteral("Other");
    EXPECT_FALSE(l1 == l2);
}

class ParameterColumnTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.CreateDefaultContent();
        auto text = doc.NewParameter();
        text->m_nMaxLength = 3;
        doc.m_parameters.Append(std::move(text));
        auto number = doc.NewParameter();
        number->m_nType = DVParameter::TypeNumber;
        number->m_bHasMin = true;
        doc.m_parameters.Append(std::move(number));
        auto list = doc.NewParameter();
        list->m_nType = DVParameter::TypeList;
        list->m_items = QStringList{QStringLiteral("Low"), QStringLiteral("High")};
        doc.m_parameters.Append(std::move(list));
        requirement = doc.m_requirements.at(0);
    }

    bool Set(const QString& text, int column) {
        bool handled = false;
        const bool changed = requirement->SetFieldText(text, column, handled, &doc);
        EXPECT_TRUE(handled);
        return changed;
    }

    MessageRecorder boxes;
    CReqDoc doc;
    Requirement* requirement = nullptr;
};

TEST_F(ParameterColumnTest, FirstEditCreatesTheValueList) {
    EXPECT_FALSE(requirement->m_pParameterValues.has_value());
    EXPECT_FALSE(Set(QStringLiteral("Medium"), 100002));  // not an item
    EXPECT_FALSE(requirement->m_pParameterValues.has_value());
    EXPECT_TRUE(Set(QStringLiteral("High"), 100002));
    ASSERT_TRUE(requirement->m_pParameterValues.has_value());
    EXPECT_EQ(requirement->m_pParameterValues->size(), 1u);
    EXPECT_EQ(requirement->m_pParameterValues->at(0).m_nParameterId, 3);
    EXPECT_EQ(requirement->m_pParameterValues->at(0).m_nItem, 1);
    EXPECT_FALSE(Set(QStringLiteral("High"), 100002));
    EXPECT_TRUE(Set(QStringLiteral("Low"), 100002));
}

TEST_F(ParameterColumnTest, RefusedTextKeepsTheStoredValue) {
    EXPECT_TRUE(Set(QStringLiteral("ab"), 100000));
    EXPECT_FALSE(Set(QStringLiteral("abcd"), 100000));
    EXPECT_EQ(requirement->FindParameterValue(1)->m_strText, QStringLiteral("ab"));
    EXPECT_FALSE(Set(QStringLiteral("ab"), 100000));
    EXPECT_TRUE(Set(QStringLiteral("5"), 100001));
    EXPECT_FALSE(Set(QStringLiteral("5.0"), 100001));  // same displayed text
    EXPECT_FALSE(Set(QStringLiteral("-1"), 100001));
    EXPECT_EQ(requirement->FindParameterValue(2)->m_dNumber, 5.0);
    EXPECT_EQ(boxes.texts.size(), 2);
}

TEST_F(ParameterColumnTest, ColumnsBeyondTheListAreNotHandled) {
    bool handled = true;
    EXPECT_FALSE(requirement->SetFieldText(QStringLiteral("x"), 100003, handled, &doc));
    EXPECT_FALSE(handled);
    EXPECT_EQ(doc.FindParameterByColumn(100003), nullptr);
    EXPECT_EQ(doc.FindParameterByColumn(99999), nullptr);
    handled = false;
    EXPECT_FALSE(requirement->SetFieldText(QStringLiteral("x"), 100000, handled, nullptr));
    EXPECT_TRUE(handled);
}

}  // namespace
