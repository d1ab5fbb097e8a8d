#pragma once

#include "model/VersionNumber.h"

#include <QString>

class CReqProject;

// The family of an object, in place of a run-time class test.
enum class DVFamily { Requirement, Actor, Function, UseCase, Step };

// Base of every project object: identity, the texts every object has, tree position, version and time.
class CDVData {
public:
    explicit CDVData(qint32 id = 0, QString title = QString());
    // A copy takes every field of the source except the identifier.
    CDVData(qint32 id, const CDVData& source);
    virtual ~CDVData() = default;

    CDVData(const CDVData&) = delete;
    CDVData& operator=(const CDVData&) = delete;

    virtual DVFamily Family() const = 0;
    QString GetTitle() const { return m_strTitle; }
    virtual int GetImageIndex() const = 0;

    // Sets the field that the field id names from cell text. The result is true when the stored value
    // changed; handled tells whether this class (or a base) knows the field.
    virtual bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc);

    // Ordered to leave no padding: a project can hold a million objects.
    qint32 m_nId = 0;
    qint32 m_nPrevSiblingId = 0;
    qint32 m_nParentId = 0;
    bool m_bDeleted = false;
    QString m_strTitle;
    QString m_strDescription;
    QString m_strComment;
    VersionNumber m_version;
    qint64 m_timeModified = 0;
};

// Assigns text to a field and reports whether it changed.
bool AssignText(QString& field, const QString& text);
