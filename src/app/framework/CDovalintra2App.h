#pragma once

#include <QStringList>
#include <QWindow>

#include <memory>

class CEmbeddedFrame;
class CMainFrame;
class QApplication;

// The application: start-up in order (command line, splash, settings, main window, the file to open
// or the application menu) and the platform services the core asks for (message boxes, file choice).
class CDovalintra2App {
public:
    explicit CDovalintra2App(QApplication& app);
    ~CDovalintra2App();

    // Before the QApplication exists: a start that only prints (--print-to-pdf) runs on the offscreen
    // platform.
    static void PreparePlatform(int argc, char** argv);
    // Runs the start-up; returns false when the start ends (a failed open, --help, --version, a print
    // to PDF). exitCode then tells the process's exit code.
    bool InitInstance(const QStringList& arguments, int& exitCode);

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

    // The application's settings location (QSettings organisation and application).
    static void SetSettingsKey();
    // Message boxes of the core as QMessageBox dialogs, and the file dialog for a lost linked file.
    static void InstallMessageBoxes();

private:
    // An embedded object in a window of its own, without the main window.
    // container: the X11 window to activate it in place in, or 0.
    bool StartEmbedded(const QString& objectPath, WId container, int& exitCode);

    QApplication& m_app;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CEmbeddedFrame> m_embeddedFrame;
};
