#pragma once

#include "document/DVListOrderChange.h"
#include "model/DVChangeObserver.h"

#include <QByteArray>
#include <QHash>

#include <vector>

class CActor;
class CStep;
class CReqDoc;
class CUseCase;
class DVParameter;
class Requirement;

// What one user action changed in a document, to take it back and to do it again: the order of the
// object lists (their changed windows only) and the records of the objects the action touched, before
// and after. Objects announce a change through the project's BeforeChange; the record of an object is
// taken the first time, so the action may change it many times. Nothing else of the project is copied.
// Identifier counters are never turned back.
class CReqDocChange : public DVChangeObserver {
public:
    explicit CReqDocChange(CReqDoc& doc);
    ~CReqDocChange();
    CReqDocChange(const CReqDocChange&) = delete;
    CReqDocChange& operator=(const CReqDocChange&) = delete;

    // Starts recording: the document announces its changes here until Finish.
    void Begin();
    // Also keeps the project settings, column sets and parameter definitions (options, definitions).
    void CaptureSettings();
    // Keeps the object's record now, for changes that do not announce themselves.
    void BeforeChange(CDVData& object) override;
    // Stops recording and keeps what differs; false when nothing changed.
    bool Finish();

    void Undo() { Apply(true); }
    void Redo() { Apply(false); }

    // The object the selection moves to after the step (identifier and family), 0 when none.
    qint32 FocusId() const { return m_nFocusId; }
    int FocusFamily() const { return m_nFocusFamily; }
    // Whether the step moved, added or removed objects or replaced steps (the views rebuild their rows).
    bool ChangesStructure() const { return m_bStructure; }
    // Whether the step changed the project settings, column sets or parameter definitions (the views
    // build their columns anew).
    bool ChangesSettings() const { return m_bSettings; }
    // The memory the step holds, about.
    std::size_t Bytes() const;

private:
    // In the order of restoring: a use case's record holds its steps, and a step's own record, taken
    // before its use case's, is the older one.
    enum class Kind { Settings, Parameter, Requirement, Actor, UseCase, Step };
    // A step is found through its use case and identifier, as undoing a change of its use case puts
    // new step objects in place.
    struct Image {
        void* object;
        Kind kind;
        qint32 stepId = 0;
        // Where the object stood in its tree, to tell whether the views' rows must be built anew.
        qint32 parentId = 0;
        qint32 prevSiblingId = 0;
        bool deleted = false;
        QByteArray before;
        QByteArray after;
    };

    QByteArray Store(const Image& image) const;
    void Load(const Image& image, const QByteArray& bytes);
    void Keep(void* key, void* object, Kind kind, qint32 stepId = 0);
    CStep* StepOf(const Image& image) const;
    // The project object of the record, null for the settings and parameter definitions.
    CDVData* ObjectOf(const Image& image) const;
    static bool Moved(const Image& image, const CDVData* object);
    void Apply(bool undo);

    CReqDoc& m_doc;
    std::vector<Image> m_images;
    QHash<void*, int> m_imageIndex;
    DVListOrderChange<Requirement> m_requirementOrder;
    DVListOrderChange<CActor> m_actorOrder;
    DVListOrderChange<CUseCase> m_useCaseOrder;
    DVListOrderChange<DVParameter> m_parameterOrder;
    qint32 m_nFocusId = 0;
    int m_nFocusFamily = -1;
    bool m_bStructure = false;
    bool m_bSettings = false;
};
