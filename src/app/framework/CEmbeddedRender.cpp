#include "app/framework/CEmbeddedRender.h"

#include "app/framework/CDovalintraSrvrItem.h"
#include "app/framework/CEmbeddedFrame.h"
#include "document/DVLinkedFileChooser.h"
#include "platform/DVMessageBox.h"
#include "views/CViewMotherDV.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace CEmbeddedRender {

int Run(const QString& objectPath, const QString& picturePath) {
    // Nobody is there to answer: messages go to standard error with their default answer, and a lost
    // linked file is not replaced.
    SetDVMessageBoxHandler([](const QString& text, unsigned type) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return DVDefaultAnswer(type);
    });
    SetDVLinkedFileChooser({});
    if (!QFileInfo(objectPath).isFile()) {
        std::fprintf(stderr, "\"%s\" was not found.\n", qPrintable(objectPath));
        return 2;
    }
    const std::unique_ptr<CEmbeddedFrame> frame = CEmbeddedFrame::Open(objectPath);
    if (!frame) {
        return 2;
    }
    frame->OnInitialUpdate();
    frame->show();
    // The first activation gives the window the object's extent; the view then lays itself out.
    frame->MotherView()->Activate();
    QCoreApplication::processEvents();
    CReqDoc& doc = frame->Document();
    DVSize reported;
    const QImage picture = CDovalintraSrvrItem(doc).Draw(reported);
    if (picture.isNull() || !picture.save(picturePath, "PNG")) {
        std::fprintf(stderr, "The picture could not be written to \"%s\".\n", qPrintable(picturePath));
        return 2;
    }
    std::printf("%d %d\n", reported.cx, reported.cy);
    std::fflush(stdout);
    // Nothing of the object changes by drawing it.
    doc.SetModifiedFlag(false);
    return 0;
}

}  // namespace CEmbeddedRender
