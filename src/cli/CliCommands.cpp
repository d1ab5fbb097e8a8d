#include "cli/CliCommands.h"

#include "cli/CliFieldText.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVCellEdit.h"
#include "document/DVExportFile.h"
#include "document/DVFileError.h"
#include "document/DVJsonWriter.h"
#include "document/DVOverviewFigures.h"
#include "document/DVProjectLock.h"
#include "document/DVStoredViewExport.h"
#include "document/ProjectDump.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

namespace CliCommands {

namespace {

QTextStream& Out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Err() {
    static QTextStream stream(stderr);
    return stream;
}

// The command's operands and the file that -o names.
struct Invocation {
    QStringList operands;
    std::optional<QString> output;
};

struct Command {
    int operandCount;
    bool takesOutput;
    QString usage;
    QString description;
    std::function<int(const Invocation&)> run;
};

int Fail(int code, const QString& message) {
    Err() << message << Qt::endl;
    return code;
}

int Report(const DVFileResult& result) {
    return result.ok ? Success : Fail(FileError, result.Message());
}

// How long a command waits for another program to finish with the file it is about to write.
constexpr std::chrono::seconds kLockTimeout{5};

// Runs a read-modify-write of the project file target under its lock, so that concurrent runs take
// turns instead of overwriting each other's changes.
template <typename Work>
int WithLock(const QString& target, Work&& work) {
    // Anything but a regular file is refused when written; no lock file belongs beside a device.
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return work();
    DVProjectLock lock(target);
    if (lock.Lock(kLockTimeout) == DVProjectLock::Result::heldElsewhere)
        return Fail(FileError, QStringLiteral("%1\n\"%2\" is in use by %3; try again when it is closed.")
                                   .arg(QLatin1String(kDVFailedToSaveDocument), target, lock.Holder()));
    return work();
}

int New(const Invocation& call) {
    return WithLock(call.operands[0], [&] {
        CReqDoc doc;
        doc.CreateDefaultContent();
        return Report(CReqDocFile(doc).SaveDocument(call.operands[0]));
    });
}

// Writes to standard output; write returns false when a write failed. what names the output in the
// message of a failure.
int WriteToStandardOutput(const QString& what, const std::function<bool(QIODevice&)>& write) {
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !write(out) || !out.flush())
        return Fail(FileError, QStringLiteral("%1 cannot be written: %2.").arg(what, out.errorString()));
    return Success;
}

int Dump(const Invocation& call) {
    CReqDoc doc;
    CReqDocFile file(doc);
    if (const DVFileResult opened = file.OpenDocument(call.operands[0]); !opened.ok)
        return Report(opened);
    return WriteToStandardOutput(QStringLiteral("The dump"), [&](QIODevice& out) {
        return ProjectDump::Write(out, doc, file.FileFormat(), file.LinkedFileFormat());
    });
}

int Resave(const Invocation& call) {
    const QString target = call.output.value_or(call.operands[0]);
    return WithLock(target, [&] {
        CReqDoc doc;
        CReqDocFile file(doc);
        if (const DVFileResult opened = file.OpenDocument(call.operands[0]); !opened.ok)
            return Report(opened);
        return Report(file.SaveDocument(target));
    });
}

bool ParseId(const QString& text, qint32& id) {
    bool ok = false;
    id = text.toInt(&ok);
    return ok;
}

// The live object that FAMILY and ID name, or null with the message why.
CDVData* FindObject(CReqDoc& doc, const QString& family, const QString& idText, QString& error) {
    qint32 id = 0;
    const QStringList parts = idText.split(u'/');
    if (family == u"step") {
        qint32 stepId = 0;
        if (parts.size() != 2 || !ParseId(parts[0], id) || !ParseId(parts[1], stepId)) {
            error = QStringLiteral("A step is named USECASEID/STEPID, not \"%1\".").arg(idText);
            return nullptr;
        }
        CUseCase* useCase = doc.FindUseCase(id);
        CStep* step = useCase ? useCase->m_steps.FindById(stepId) : nullptr;
        if (!step)
            error = QStringLiteral("There is no step %1 in use case %2.").arg(stepId).arg(id);
        return step;
    }
    if (!ParseId(idText, id)) {
        error = QStringLiteral("\"%1\" is not an identifier.").arg(idText);
        return nullptr;
    }
    CDVData* object = nullptr;
    if (family == u"requirement")
        object = doc.FindRequirement(id);
    else if (family == u"actor")
        object = doc.FindActor(id);
    else if (family == u"use-case")
        object = doc.FindUseCase(id);
    else {
        error =
            QStringLiteral("Unknown family \"%1\": use requirement, actor, use-case or step.").arg(family);
        return nullptr;
    }
    if (!object)
        error = QStringLiteral("There is no %1 with identifier %2.").arg(family).arg(id);
    return object;
}

int SetField(const Invocation& call, int fieldId, const QString& target) {
    CReqDoc doc;
    CReqDocFile file(doc);
    if (const DVFileResult opened = file.OpenDocument(call.operands[0]); !opened.ok)
        return Report(opened);
    QString error;
    CDVData* object = FindObject(doc, call.operands[1], call.operands[2], error);
    if (!object)
        return Fail(Usage, error);
    const QString& text = call.operands[4];
    if (const auto refusal = CliFieldText::Refusal(doc, *object, fieldId, text))
        return Fail(Usage, *refusal);
    const DVCellEdit::Result edit = DVCellEdit::Apply(doc, *object, fieldId, text);
    if (!edit.handled)
        return Fail(Usage,
                    QStringLiteral("Field %1 does not belong to a %2.").arg(fieldId).arg(call.operands[1]));
    if (!edit.changed) {
        Out() << "unchanged" << Qt::endl;
        return Success;
    }
    doc.OnObjectsModified(nullptr);
    if (const DVFileResult saved = file.SaveDocument(target); !saved.ok)
        return Report(saved);
    Out() << "changed" << Qt::endl;
    return Success;
}

int Set(const Invocation& call) {
    bool fieldOk = false;
    const int fieldId = call.operands[3].toInt(&fieldOk);
    if (!fieldOk)
        return Fail(Usage, QStringLiteral("\"%1\" is not a field id.").arg(call.operands[3]));
    const QString target = call.output.value_or(call.operands[0]);
    return WithLock(target, [&] { return SetField(call, fieldId, target); });
}

const std::map<QString, Command>& Commands();
QString Help(const Command& command);

// The options --view and --format of export, in either order.
bool ParseExportOptions(const QStringList& operands, QString& view, QString& format) {
    for (int i = 1; i + 1 < operands.size(); i += 2) {
        if (operands[i] == u"--view" && view.isNull())
            view = operands[i + 1];
        else if (operands[i] == u"--format" && format.isNull())
            format = operands[i + 1];
        else
            return false;
    }
    return !view.isNull() && !format.isNull();
}

std::optional<DVExportWriter::Format> ExportFormat(const QString& name) {
    if (name == u"xml")
        return DVExportWriter::Format::Xml;
    if (name == u"csv")
        return DVExportWriter::Format::Csv;
    if (name == u"csv-utf8")
        return DVExportWriter::Format::CsvUtf8;
    return std::nullopt;
}

// The view type that VIEW names and, for steps=USECASEID, the use case; -1 with the message why.
int ExportViewType(CReqDoc& doc, const QString& view, CUseCase*& useCase, QString& error) {
    static const std::map<QString, int> families{{QStringLiteral("requirements"), CReqDoc::ViewRequirements},
                                                 {QStringLiteral("actors"), CReqDoc::ViewActors},
                                                 {QStringLiteral("use-cases"), CReqDoc::ViewUseCases}};
    if (const auto found = families.find(view); found != families.end())
        return found->second;
    qint32 id = 0;
    if (!view.startsWith(u"steps=") || !ParseId(view.mid(6), id)) {
        error = QStringLiteral("Unknown view \"%1\": use requirements, actors, use-cases or steps=USECASEID.")
                    .arg(view);
        return -1;
    }
    useCase = doc.FindUseCase(id);
    if (useCase == nullptr) {
        error = QStringLiteral("There is no use-case with identifier %1.").arg(id);
        return -1;
    }
    return CReqDoc::ViewSteps;
}

int Export(const Invocation& call) {
    QString viewName;
    QString formatName;
    if (!ParseExportOptions(call.operands, viewName, formatName))
        return Fail(Usage, Help(Commands().at(QStringLiteral("export"))));
    const auto format = ExportFormat(formatName);
    if (!format)
        return Fail(Usage,
                    QStringLiteral("Unknown format \"%1\": use xml, csv or csv-utf8.").arg(formatName));
    CReqDoc doc;
    if (const DVFileResult opened = CReqDocFile(doc).OpenDocument(call.operands[0]); !opened.ok)
        return Report(opened);
    QString error;
    CUseCase* useCase = nullptr;
    const int viewType = ExportViewType(doc, viewName, useCase, error);
    if (viewType < 0)
        return Fail(Usage, error);
    const DVStoredViewExport source(doc, viewType, useCase);
    if (call.output) {
        if (!DVExportFile::Write(*format, source, *call.output, error))
            return Fail(FileError, error);
        return Success;
    }
    return WriteToStandardOutput(QStringLiteral("The export"), [&](QIODevice& out) {
        bool written = true;
        DVExportWriter::Write(*format, source, [&](QByteArrayView bytes) {
            written = written && out.write(bytes.data(), bytes.size()) == bytes.size();
        });
        return written;
    });
}

void WriteTally(DVJsonWriter& json, const PhaseTally& tally) {
    json.BeginObject();
    json.Key("n").Int(tally.n);
    json.Key("cost").Double(tally.cost);
    json.Key("duration").Double(tally.duration);
    json.Key("nDone").Int(tally.nDone);
    json.Key("costDone").Double(tally.costDone);
    json.Key("durationDone").Double(tally.durationDone);
    json.EndObject();
}

void WritePhases(DVJsonWriter& json, const std::array<PhaseTally, 4>& phases) {
    json.BeginArray();
    for (const PhaseTally& tally : phases)
        WriteTally(json, tally);
    json.EndArray();
}

int Overview(const Invocation& call) {
    CReqDoc doc;
    if (const DVFileResult opened = CReqDocFile(doc).OpenDocument(call.operands[0]); !opened.ok)
        return Report(opened);
    DVOverviewFigures figures;
    figures.Compute(doc);
    return WriteToStandardOutput(QStringLiteral("The figures"), [&](QIODevice& out) {
        DVJsonWriter json(out);
        json.BeginObject();
        json.Key("rows").BeginArray();
        for (const DVPOData& row : figures.Rows()) {
            json.BeginObject();
            json.Key("name").String(row.strName);
            json.Key("phases");
            WritePhases(json, row.own);
            json.EndObject();
        }
        json.EndArray();
        json.Key("total");
        WritePhases(json, figures.Total().own);
        json.Key("sum");
        WriteTally(json, figures.Sum());
        json.EndObject();
        return json.Finish();
    });
}

const std::map<QString, Command>& Commands() {
    static const std::map<QString, Command> commands{
        {QStringLiteral("new"),
         {1, false, QStringLiteral("new FILE"),
          QStringLiteral(
              "Creates a project with the default content of a new project and writes it to FILE."),
          New}},
        {QStringLiteral("dump"),
         {1, false, QStringLiteral("dump FILE"),
          QStringLiteral(
              "Prints the project in FILE as JSON on standard output: every stored field, keyed by "
              "member name."),
          Dump}},
        {QStringLiteral("resave"),
         {1, true, QStringLiteral("resave FILE [-o OUT]"),
          QStringLiteral(
              "Loads the project and stores it again as Save does, into FILE or OUT: brings a file to "
              "the current format and turns a bare archive into a project file.\n"
              "A linked container also writes its linked project file back, as Save does."),
          Resave}},
        {QStringLiteral("set"),
         {5, true, QStringLiteral("set FILE FAMILY ID FIELD TEXT [-o OUT]"),
          QStringLiteral(
              "Sets a field as a cell edit does and prints \"changed\" or \"unchanged\"; the project is "
              "written (to FILE or OUT) only when it changed.\n"
              "FAMILY is requirement, actor, use-case or step; a step's ID is USECASEID/STEPID.\n"
              "FIELD is the numeric field id, e.g. 404 (Approved) or 100000 (the first parameter).\n"
              "Only fields that a cell edits in place can be set; TEXT must be one of the field's value "
              "names for a choice, and a number for a number.\n"
              "A linked container also writes its linked project file back, as Save does."),
          Set}},
        {QStringLiteral("export"),
         {5, true, QStringLiteral("export FILE --view VIEW --format FORMAT [-o OUT]"),
          QStringLiteral(
              "Writes what the matrix view of VIEW exports, to OUT or standard output.\n"
              "VIEW is requirements, actors, use-cases or steps=USECASEID; FORMAT is xml (SpreadsheetML), "
              "csv (semicolon-separated, Windows-1252) or csv-utf8 (semicolon-separated UTF-8 with a "
              "byte-order mark, fields quoted where needed).\n"
              "The columns are the view's stored column set in its order with the stored widths (100 "
              "where none is stored); the rows are every row of the view in tree order. OUT is replaced "
              "only by a complete export."),
          Export}},
        {QStringLiteral("overview"),
         {1, false, QStringLiteral("overview FILE"),
          QStringLiteral(
              "Prints the project-overview figures as JSON: \"rows\" (one per top-level requirement the "
              "chart shows, with its four phases approval, implementation, verification, validation "
              "after merging its descendants by linkage), \"total\" and \"sum\" (the sum of totals "
              "as the project's overview options compute it). Each phase is "
              "{n, cost, duration, nDone, costDone, durationDone}."),
          Overview}},
    };
    return commands;
}

QString Help(const Command& command) {
    return QStringLiteral("Usage: dovalintra-cli %1\n\n%2\n").arg(command.usage, command.description);
}

QString GeneralHelp() {
    QString text = QStringLiteral("Usage: dovalintra-cli COMMAND ARGUMENTS\n\nCommands:\n");
    for (const auto& [name, command] : Commands())
        text += QStringLiteral("  %1\n").arg(command.usage);
    text += QStringLiteral(
        "\n'dovalintra-cli COMMAND --help' describes a command.\n"
        "Exit codes: 0 success, 1 wrong usage or a missing object, 2 a file that cannot be read or written.\n"
        "Commands that write a file wait up to five seconds while another program holds its lock\n"
        "(\".NAME.lock\" beside it, taken by the desktop application while the project is open).\n"
        "Every message box is printed to standard error as a JSON line and answered with its default "
        "button.\n");
    return text;
}

// Splits the operands from -o OUT; false on a malformed option.
bool Parse(const QStringList& arguments, const Command& command, Invocation& call) {
    for (int i = 0; i < arguments.size(); ++i) {
        if (command.takesOutput && arguments[i] == u"-o" && !call.output && i + 1 < arguments.size())
            call.output = arguments[++i];
        else if (arguments[i] == u"-o")
            return false;
        else
            call.operands.append(arguments[i]);
    }
    return call.operands.size() == command.operandCount;
}

}  // namespace

int Run(const QStringList& arguments) {
    if (arguments.isEmpty())
        return Fail(Usage, GeneralHelp());
    if (arguments[0] == u"--help" || arguments[0] == u"-h") {
        Out() << GeneralHelp();
        return Success;
    }
    const auto found = Commands().find(arguments[0]);
    if (found == Commands().end())
        return Fail(Usage, QStringLiteral("Unknown command \"%1\".\n\n").arg(arguments[0]) + GeneralHelp());
    const Command& command = found->second;
    const QStringList rest = arguments.mid(1);
    if (rest.contains(QStringLiteral("--help"))) {
        Out() << Help(command);
        return Success;
    }
    Invocation call;
    if (!Parse(rest, command, call))
        return Fail(Usage, Help(command));
    return command.run(call);
}

}  // namespace CliCommands
