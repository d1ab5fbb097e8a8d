#pragma once

#include <QString>

#include <functional>

class CArchiveReader;
class CArchiveWriter;
class CReqDoc;

// The document record of the project archive, in its ordinary and its linked-container form.
class CReqDocSerializer {
public:
    // The version string this program writes.
    static const QString kFileFormat;
    // The one older layout the reader knows: it ends before the user's value names.
    static const QString kFileFormatWithoutValueNames;

    // What the linked-container form needs beyond the archive. openLinked loads the linked project
    // file into the document and returns the path that opened, or throws; saveLinked writes it and
    // reports its own failure. Without them a linked record is refused: a linked project file must
    // hold an ordinary project, so a chain of links cannot recur.
    struct LinkedProject {
        std::function<QString(const QString& path)> openLinked;
        std::function<void()> saveLinked;
    };

    explicit CReqDocSerializer(CReqDoc& doc, LinkedProject linked = {});

    // Collects the column layouts of the open views first.
    void Store(CArchiveWriter& out);
    // Reads into a document that DeleteContents emptied; throws CArchiveException.
    void Load(CArchiveReader& in);

    // The version string of the record read last.
    const QString& FileFormat() const { return m_fileFormat; }

private:
    void StoreOrdinary(CArchiveWriter& out) const;
    void StoreContainer(CArchiveWriter& out);
    void LoadOrdinary(CArchiveReader& in);
    void LoadContainer(CArchiveReader& in);
    void StoreOverview(CArchiveWriter& out) const;
    void LoadOverview(CArchiveReader& in);

    CReqDoc& m_doc;
    LinkedProject m_linked;
    QString m_fileFormat;
};
