#include "ProjectFileSupport.h"

#include "document/CEmbeddedObjectFile.h"
#include "document/CFileException.h"

#include <QTemporaryDir>

namespace {

TEST(EmbeddedObjectFile, StreamsRoundTripAndContentsIsAProjectFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("object.dvo"));
    CReqDoc project;
    project.CreateDefaultContent();
    CEmbeddedObjectFile object;
    object.contents = CReqDocFile(project).StoreArchive();
    object.picture = QByteArray("\x89PNG\r\n\x1a\n picture", 17);
    object.extent = {19000, 10000};
    object.Write(path);

    const CEmbeddedObjectFile read = CEmbeddedObjectFile::Read(path);
    EXPECT_EQ(read.contents, object.contents);
    EXPECT_EQ(read.picture, object.picture);
    EXPECT_EQ(read.extent, object.extent);
    // The object opens as a project too: its "Contents" is the archive.
    OpenedProject opened;
    ASSERT_TRUE(opened.file.OpenDocument(path).ok);
    EXPECT_EQ(opened.doc.m_requirements.size(), 4);
}

TEST(EmbeddedObjectFile, ProjectFileReadsWithoutPictureAndAMissingFileFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.dvx"));
    CompoundFile::WriteContentsStream(path, "archive");
    const CEmbeddedObjectFile read = CEmbeddedObjectFile::Read(path);
    EXPECT_EQ(read.contents, QByteArray("archive"));
    EXPECT_TRUE(read.picture.isEmpty());
    EXPECT_EQ(read.extent, (DVSize{0, 0}));
    EXPECT_THROW(CEmbeddedObjectFile::Read(dir.filePath(QStringLiteral("missing"))), CFileException);
}

TEST(EmbeddedObjectFile, SmallExtentsAreNotReported) {
    const DVSize picture{4000, 5000};
    const struct {
        DVSize extent;
        DVSize reported;
    } cases[] = {
        {{19000, 10000}, {19000, 10000}}, {{3000, 20000}, picture}, {{20000, 3000}, picture},
        {{3001, 3001}, {3001, 3001}},     {{0, 0}, picture},        {{-5, 9000}, picture},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CEmbeddedObjectFile::ReportedExtent(c.extent, picture), c.reported)
            << c.extent.cx << " x " << c.extent.cy;
    }
}

}  // namespace
