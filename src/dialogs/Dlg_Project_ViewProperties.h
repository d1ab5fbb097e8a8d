#pragma once

#include "dialogs/CDVPropertyPage.h"

#include <array>

class DVColorButton;
class QCheckBox;

// "Matrix Properties": grid lines and the alternate row colour of every family, and the same for a
// linked project, whose rows take one setting for all families.
class Dlg_Project_ViewProperties : public CDVPropertyPage {
    Q_OBJECT
public:
    // The colour rows; Linked is the linked document's.
    enum ColourRow { Requirement, Actor, UseCase, Step, Linked };
    // The automatic entry of the linked document's button: the project's own four colours.
    static constexpr qint32 ProjectColours = -2;
    static constexpr qint32 NoAlternation = -1;

    explicit Dlg_Project_ViewProperties(CReqDoc* doc, QWidget* parent = nullptr);

    bool ApplyPage() override;

    QCheckBox* GridLinesCheck() const { return m_gridLines; }
    QCheckBox* GridLinesLinkedCheck() const { return m_gridLinesLinked; }
    QCheckBox* AlternateCheck(ColourRow row) const { return m_alternate[size_t(row)]; }
    DVColorButton* ColourButton(ColourRow row) const { return m_colour[size_t(row)]; }

protected:
    void OnInitPage() override;

private:
    qint32& Member(ColourRow row) const;
    // The value the row stores: no alternation, or the button's colour.
    qint32 ChosenValue(ColourRow row) const;

    QCheckBox* m_gridLines;
    QCheckBox* m_gridLinesLinked;
    std::array<QCheckBox*, 5> m_alternate{};
    std::array<DVColorButton*, 5> m_colour{};
};
