#pragma once

#include <QString>

// A ribbon text such as "Paste\nv": the label before the line break, the key tip after it.
struct RibbonText {
    QString label;
    QString keyTip;

    static RibbonText Parse(const QString& text);
    // The label as drawn: single '&' mnemonics dropped, "&&" kept as '&'.
    static QString WithoutMnemonic(const QString& label);
    // The letter after a single '&', lower-cased; empty when there is none.
    static QString MnemonicLetter(const QString& label);
};
