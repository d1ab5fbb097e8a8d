#include "ProjectFileSupport.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace {

// What an example must show: every requirement type and linkage, every step type, every phase state,
// parameters of all three types with values, actors with functions and parameters, links both ways.
void ExpectCompleteExample(const CReqDoc& doc) {
    QSet<int> types, linkages, stepTypes, states;
    int values = 0;
    for (const Requirement* requirement : doc.m_requirements) {
        types.insert(requirement->m_nType);
        linkages.insert(requirement->m_nLinkage);
        values += requirement->m_pParameterValues ? int(requirement->m_pParameterValues->size()) : 0;
        for (int phase = 0; phase < 4; ++phase)
            states.insert(requirement->PhaseRecord(phase).m_nState);
        for (quint32 source : requirement->m_derivedFromRequirements) {
            const Requirement* origin = doc.FindRequirement(qint32(source));
            ASSERT_NE(origin, nullptr);
            EXPECT_NE(std::find(origin->m_createdRequirements.begin(), origin->m_createdRequirements.end(),
                                quint32(requirement->m_nId)),
                      origin->m_createdRequirements.end());
        }
    }
    bool derivedUseCase = false;
    for (const CUseCase* useCase : doc.m_useCases) {
        derivedUseCase = derivedUseCase || !useCase->m_derivedFromRequirements.empty();
        for (const CStep* step : useCase->m_steps)
            stepTypes.insert(step->m_nType);
    }
    bool actorWithBoth = false;
    for (const CActor* actor : doc.m_actors)
        actorWithBoth = actorWithBoth || (!actor->m_functions.empty() && !actor->m_actorParameters.empty());
    QSet<int> parameterTypes;
    for (const DVParameter* parameter : doc.m_parameters)
        parameterTypes.insert(parameter->m_nType);

    EXPECT_EQ(types, (QSet<int>{0, 1, 2, 3}));
    EXPECT_EQ(linkages, (QSet<int>{0, 1, 2}));
    EXPECT_EQ(stepTypes, (QSet<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(states, (QSet<int>{0, 1, 2}));
    EXPECT_EQ(parameterTypes, (QSet<int>{0, 1, 2}));
    EXPECT_GE(values, 3);
    EXPECT_TRUE(derivedUseCase);
    EXPECT_TRUE(actorWithBoth);
}

// The committed examples are what the generator writes today, and they are complete.
TEST(Examples, GeneratorReproducesTheCommittedExamples) {
    QTemporaryDir dir;
    QProcess generator;
    generator.start(QStringLiteral(DV_MAKE_EXAMPLES_PATH), {dir.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const QString& name : {QStringLiteral("CoffeeMachine.dvx"), QStringLiteral("InfusionPump.dvx")}) {
        SCOPED_TRACE(name.toStdString());
        const QString committed = QStringLiteral(DV_SOURCE_DIR "/resources/Examples/") + name;
        EXPECT_TRUE(FileBytes(dir.filePath(name)) == FileBytes(committed))
            << "regenerate with the target regenerate-examples";
        OpenedProject project;
        ASSERT_TRUE(project.file.OpenDocument(committed).ok);
        ExpectCompleteExample(project.doc);
    }
}

}  // namespace
