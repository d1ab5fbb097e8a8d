#include "app/framework/CDovalintra2App.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    CDovalintra2App::PreparePlatform(argc, argv);
    QApplication app(argc, argv);
    CDovalintra2App::InstallMessageBoxes();
    CDovalintra2App dovalintra(app);
    int exitCode = 0;
    if (!dovalintra.InitInstance(QApplication::arguments(), exitCode)) {
        return exitCode;
    }
    return QApplication::exec();
}
