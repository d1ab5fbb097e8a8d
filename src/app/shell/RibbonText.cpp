#include "app/shell/RibbonText.h"

RibbonText RibbonText::Parse(const QString& text) {
    const qsizetype breakAt = text.indexOf(QLatin1Char('\n'));
    if (breakAt < 0) {
        return {text, {}};
    }
    return {text.left(breakAt), text.mid(breakAt + 1)};
}

QString RibbonText::WithoutMnemonic(const QString& label) {
    QString out;
    out.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char('&') && i + 1 < label.size()) {
            ++i;
        }
        out += label[i];
    }
    return out;
}

QString RibbonText::MnemonicLetter(const QString& label) {
    for (qsizetype i = 0; i + 1 < label.size(); ++i) {
        if (label[i] == QLatin1Char('&')) {
            if (label[i + 1] != QLatin1Char('&')) {
                return label[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}
