#pragma once

#include <QToolButton>

class QFrame;

// A colour picker button: its popup offers an automatic entry, a palette of ten columns and "Other"
// (the system's colour dialog). Colours are project values, 0x00BBGGRR; the automatic entry stands for
// a value of its own (a default colour, or a marker such as -2).
class DVColorButton : public QToolButton {
    Q_OBJECT
public:
    explicit DVColorButton(QWidget* parent = nullptr);

    void SetAutomatic(const QString& text, qint32 value, quint32 shownColour);
    // The automatic value selects the automatic entry.
    void SetColour(qint32 value);
    qint32 Colour() const { return m_bAutomatic ? m_nAutomaticValue : m_nColour; }
    bool IsAutomatic() const { return m_bAutomatic; }

    // The popup while it is open (for the keyboard and for tests), else null.
    QFrame* Popup() const { return m_popup; }
    void ShowPopup();

Q_SIGNALS:
    void colourChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Swatch and text of the chosen entry.
    void UpdateFace();
    void Choose(bool automatic, qint32 colour);
    void ChooseOther();

    QString m_automaticText;
    qint32 m_nAutomaticValue = -1;
    quint32 m_nAutomaticShown = 0x00FFFFFF;
    qint32 m_nColour = 0x00FFFFFF;
    bool m_bAutomatic = true;
    QFrame* m_popup = nullptr;
};
