#pragma once

#include <QFont>

class QPaintDevice;

// Fonts for painting the grid on a device of another resolution than the screen (a printer, a PDF).
// The layout counts screen pixels, but a point size is resolved at the device's resolution; scaling the
// point size keeps every text as many painter units high as it is pixels high on the screen, so that it
// fits the rows and columns laid out for it.
class TreeListDeviceFont {
public:
    // The factor for point sizes on the device when the layout's pixels are at layoutDpi.
    static qreal Scale(qreal layoutDpi, const QPaintDevice* device);
    // The font with its point size scaled; a font sized in pixels is the same on every device.
    static QFont Scaled(const QFont& font, qreal scale);
};
