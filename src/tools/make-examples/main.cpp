// Writes the example projects into a folder: make-examples OUTDIR.
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "tools/make-examples/Examples.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-examples OUTDIR\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* file;
        void (*build)(CReqDoc&);
    } examples[] = {{"CoffeeMachine.dvx", BuildCoffeeMachine}, {"InfusionPump.dvx", BuildInfusionPump}};
    for (const auto& example : examples) {
        CReqDoc doc;
        example.build(doc);
        const DVFileResult saved =
            CReqDocFile(doc).SaveDocument(folder.filePath(QLatin1String(example.file)));
        if (!saved.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(saved.Message()));
            return 2;
        }
    }
    return 0;
}
