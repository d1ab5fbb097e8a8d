#pragma once

#include <QString>

#include <memory>
#include <optional>

class CReqDoc;
class CViewMotherDV;

// Printing a project to a PDF file without a window, for scripts: the view is laid out as a window of
// the project's stored extent shows it, then printed as Print prints it, on the printer's default paper.
class CHeadlessPrint {
public:
    // The view type of a --view name ("requirements", "actors", "use-cases", "steps"); none for others.
    static std::optional<int> ViewTypeOf(const QString& name);
    // viewType: a view type, or none for the view the project was stored with. Returns the process's
    // exit code: 0 when printed, 2 when the project could not be opened or printed (the reason goes to
    // standard error).
    static int Run(const QString& projectPath, const QString& pdfPath, std::optional<int> viewType);
    // The window of the document's next view type at the document's stored extent, laid out as on a
    // screen but never shown on one.
    static std::unique_ptr<CViewMotherDV> LayOutWindow(CReqDoc& doc);
};
