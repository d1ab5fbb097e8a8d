#pragma once

#include "app/shell/VisualLook.h"

#include <QProxyStyle>

// Fusion with the metrics and the standard palette of one visual look.
class CVisualStyleProxy : public QProxyStyle {
    Q_OBJECT

public:
    explicit CVisualStyleProxy(const VisualLook& look);

    QPalette standardPalette() const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    const VisualLook& m_look;
};
