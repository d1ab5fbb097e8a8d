#pragma once

#include "views/CDVCommandTarget.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class CDocumentCommands;
class CDVCommandManager;
class CReqDoc;
class CViewChildDV;
class CViewMotherDV;

// The window of an embedded project opened from its container: one view of the project, and the
// server menu whose "Update" writes the object back to the container's object file.
class CEmbeddedFrame : public QMainWindow, public CDVCommandTarget {
    Q_OBJECT
public:
    static constexpr int ID_FILE_UPDATE = 57610;
    static constexpr int ID_FILE_SAVE_COPY_AS = 57611;

    // Loads the object file (a path that does not exist yet is a new object); null after the failure
    // was reported.
    static std::unique_ptr<CEmbeddedFrame> Open(const QString& objectPath);
    ~CEmbeddedFrame() override;

    CReqDoc& Document() const { return *m_doc; }
    CViewMotherDV* MotherView() const { return m_mother; }
    CViewChildDV* ActiveView() const;
    CDVCommandManager& Commands() const { return *m_commands; }

    // Creates the view, as the framework's initial update does.
    void OnInitialUpdate();
    // Writes the object back: the current view's picture and layout, and the document. False after a
    // failure was reported.
    bool Update();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

protected:
    CEmbeddedFrame(std::unique_ptr<CReqDoc> doc, QString objectPath);
    // The document of the object file; null after the failure was reported.
    static std::unique_ptr<CReqDoc> LoadObject(const QString& objectPath);
    // Writes the object file as it is; false after a failure was reported.
    bool WriteObject();
    void closeEvent(QCloseEvent* event) override;

private:
    // The server menu of the window of its own.
    void BuildMenu();
    void AddAccelerators();
    void InstallViewHost();
    void SaveCopyAs();
    // Opening "another window" of a view type switches this window's view instead.
    void SwitchLater(int viewType);
    void ApplyProjectProperties();

    std::unique_ptr<CReqDoc> m_doc;
    QString m_objectPath;
    std::unique_ptr<CDVCommandManager> m_commands;
    std::unique_ptr<CDocumentCommands> m_documentCommands;
    CViewMotherDV* m_mother;
};
