// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "assignment_sheet.h"

#include "console_output.h"
#include "language.h"
#include "mode.h"
#include "program_identity.h"
#include "proof_sheet.h"
#include "typed_arguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace command_line {

namespace {

// The options every program answers, before the modes' own.
struct Standard {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            CommandLine::tr("Показва тази помощ и излиза.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               CommandLine::tr("Показва версията и излиза.")};
    QCommandLineOption language{
        QStringLiteral("language"),
        CommandLine::tr("Езикът на отговорите и на прозореца само за това пускане: bg (български, по "
                        "подразбиране) или en (английски)."),
        CommandLine::tr("ЕЗИК")};
};

void addOptions(QCommandLineParser &parser, const Standard &standard) {
    parser.setApplicationDescription(
        CommandLine::tr("Теореми и тъждества в булевата алгебра.\n"
                        "Изберете закон и стойностите 0/1 на A, B (и C): програмата записва формулата\n"
                        "на закона и пресмята двете му страни стъпка по стъпка, ред по ред.\n"
                        "Без аргументи отваря един прозорец; --proof и --sheet работят и без дисплей.\n"
                        "boolean-laws ФАЙЛ отваря в прозореца задание или отговори по задание;\n"
                        "boolean-laws ЗАДАНИЕ ОТГОВОРИ продължава отговорите по заданието."));
    // Own options rather than addHelpOption(): its --help-all would offer
    // Qt's window options, which this program refuses.
    parser.addOption(standard.help);
    parser.addOption(standard.version);
    parser.addOption(standard.language);
    QStringList added;
    for (const Mode &mode : modes()) {
        parser.addOption(mode.option);
        // A companion two modes share (--output) is one option.
        for (const QCommandLineOption &companion : mode.companions)
            if (!added.contains(companion.names().constFirst())) {
                parser.addOption(companion);
                added << companion.names().constFirst();
            }
    }
}

// One of QCommandLineParser's error texts in the language of Qt's catalogue,
// as a pattern whose one group captures the option it names.
QRegularExpression parserMessage(const char *text) {
    QString pattern = QRegularExpression::escape(QCoreApplication::translate("QCommandLineParser", text));
    pattern.replace(QRegularExpression::escape(QStringLiteral("%1")), QStringLiteral("(.*?)"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

// The argument as typed that the parser could not take: an unknown option
// ("-x", "--prove", "-platform"), or a value given to an option without one
// ("--help=all").
QString unreadArgument(const QStringList &arguments, const QCommandLineParser &parser) {
    const QStringList unknown = parser.unknownOptionNames();
    // "Unexpected value after '--help'."
    const QString valued =
        parserMessage("Unexpected value after '%1'.").match(parser.errorText()).captured(1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        const bool isLong = argument.startsWith(QStringLiteral("--"));
        const QString name = argument.mid(isLong ? 2 : 1).section(QLatin1Char('='), 0, 0);
        // Short options come compacted ("-hx" is h and x).
        const bool hasUnknown = isLong ? unknown.contains(name)
                                       : std::any_of(name.cbegin(), name.cend(),
                                                     [&](QChar c) { return unknown.contains(QString(c)); });
        if (hasUnknown || (!valued.isEmpty() && argument.startsWith(valued + QLatin1Char('='))))
            return argument;
    }
    return arguments.value(1);
}

// The parser's own complaint, in the program's words.
Answer parseRefusal(const Request &request) {
    const QString error = request.parser.errorText();
    // "Missing value after '--proof'.": the option named is the one typed.
    if (const QRegularExpressionMatch match = parserMessage("Missing value after '%1'.").match(error);
        match.hasMatch() && match.captured(1).startsWith(QLatin1Char('-'))) {
        const QString typed = match.captured(1);
        const QString name = typed.startsWith(QStringLiteral("--")) ? typed : QLatin1Char('-') + typed;
        return request.refuse(CommandLine::tr("„%1“ иска стойност; вижте „%2 --help“"),
                              {name, request.arguments.constFirst()});
    }
    return request.refuse(
        CommandLine::tr("непознат аргумент „%1“; вижте „%2 --help“"),
        {unreadArgument(request.arguments, request.parser), request.arguments.constFirst()});
}

// What is wrong with the arguments as a whole, if anything: a word that is
// no option, an option given twice, two modes, help or version with a mode,
// or an option given without its mode.
std::optional<Answer> misuse(const Request &request, const Standard &standard) {
    const QCommandLineParser &parser = request.parser;
    const QStringList words = parser.positionalArguments();
    const bool takesFiles = std::any_of(modes().cbegin(), modes().cend(), [&](const Mode &mode) {
        return mode.takesFiles && parser.isSet(mode.option);
    });
    // Without a mode, one or two files open in the window: an assignment, its answers, or both.
    const bool filesToOpen = !words.isEmpty() && words.size() <= 2 && !parser.isSet(standard.help) &&
                             !parser.isSet(standard.version) &&
                             std::none_of(modes().cbegin(), modes().cend(),
                                          [&parser](const Mode &mode) { return parser.isSet(mode.option); });
    if (!takesFiles && !filesToOpen &&
        (!words.isEmpty() || request.arguments.contains(QStringLiteral("--")))) {
        // The word too many: the third file, or the first word beside a mode.
        const QString named = words.isEmpty()    ? QStringLiteral("--")
                              : words.size() > 2 ? words[2]
                                                 : words.constFirst();
        return request.refuse(CommandLine::tr("непознат аргумент „%1“; вижте „%2 --help“"),
                              {named, request.arguments.constFirst()});
    }
    QList<QCommandLineOption> once{standard.language};
    for (const Mode &mode : modes())
        once += QList<QCommandLineOption>{mode.option} + mode.companions;
    for (const QCommandLineOption &option : once)
        if (parser.values(option).size() > 1)
            return request.refuse(CommandLine::tr("„%1“ е дадена два пъти"), {dashed(option)});

    const Mode *chosen = nullptr;
    for (const Mode &mode : modes()) {
        if (!parser.isSet(mode.option))
            continue;
        if (chosen)
            return request.refuse(CommandLine::tr("„%1“ и „%2“ не могат да се дадат заедно"),
                                  {dashed(chosen->option), dashed(mode.option)});
        chosen = &mode;
    }

    if (parser.isSet(standard.help) || parser.isSet(standard.version)) {
        // Named as typed, the first of them.
        QString typed;
        for (const QString &argument : request.arguments.mid(1))
            if (standard.help.names().contains(
                    argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1)) ||
                standard.version.names().contains(
                    argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1))) {
                typed = argument;
                break;
            }
        for (const Mode &mode : modes())
            for (const QCommandLineOption &option : QList<QCommandLineOption>{mode.option} + mode.companions)
                if (parser.isSet(option))
                    return request.refuse(CommandLine::tr("„%1“ не може да се даде заедно с „%2“"),
                                          {typed, dashed(option)});
    }

    for (const Mode &mode : modes())
        for (const QCommandLineOption &companion : mode.companions) {
            if (!parser.isSet(companion))
                continue;
            // Every mode the option goes with, as --output goes with --sheet and --grade.
            QStringList takers;
            bool withOne = false;
            for (const Mode &other : modes())
                if (std::any_of(
                        other.companions.cbegin(), other.companions.cend(),
                        [&](const QCommandLineOption &own) { return own.names() == companion.names(); })) {
                    takers << dashed(other.option);
                    withOne = withOne || parser.isSet(other.option);
                }
            if (withOne)
                continue;
            if (takers.size() == 2)
                return request.refuse(CommandLine::tr("„%1“ се дава само с „%2“ или „%3“"),
                                      {dashed(companion), takers[0], takers[1]});
            return request.refuse(CommandLine::tr("„%1“ се дава само с „%2“"),
                                  {dashed(companion), takers[0]});
        }
    return std::nullopt;
}

} // namespace

std::optional<QString> languageArgument(const QStringList &arguments) {
    std::optional<QString> value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("--"))
            break;
        if (argument == QStringLiteral("--language") && i + 1 < arguments.size())
            value = arguments[++i];
        else if (argument.startsWith(QStringLiteral("--language=")))
            value = argument.section(QLatin1Char('='), 1);
    }
    return value;
}

std::optional<Answer> languageRefusal(const QStringList &arguments) {
    const std::optional<QString> code = languageArgument(arguments);
    if (!code || language::fromCode(*code))
        return std::nullopt;
    QCommandLineParser parser;
    return Request{arguments, parser}.refuse(
        CommandLine::tr("непознат език „%1“: --language е bg (български) или en (English)"), {*code});
}

std::optional<Answer> answer(const QStringList &arguments) {
    if (arguments.size() <= 1)
        return std::nullopt;
    if (std::optional<Answer> refused = languageRefusal(arguments))
        return refused;
    const Standard standard;
    QCommandLineParser parser;
    addOptions(parser, standard);
    const Request request{arguments, parser};
    if (!parser.parse(arguments))
        return parseRefusal(request);
    if (std::optional<Answer> refused = misuse(request, standard))
        return refused;

    if (parser.isSet(standard.help))
        return Answer{0, parser.helpText(), {}, std::nullopt};
    if (parser.isSet(standard.version))
        return Answer{0,
                      QStringLiteral("%1 %2\n").arg(QString::fromLatin1(program::executableName),
                                                    QString::fromLatin1(program::version)),
                      {},
                      std::nullopt};
    for (const Mode &mode : modes())
        if (parser.isSet(mode.option))
            return mode.run(request);
    // Files to open must be there before a window opens for them.
    for (const QString &path : parser.positionalArguments()) {
        const QFileInfo file(path);
        if (!file.exists())
            return request.refuse(CommandLine::tr("няма файл „%1“"), {path});
        if (file.isDir())
            return request.refuse(CommandLine::tr("„%1“ е папка, а не файл"), {path});
    }
    return std::nullopt; // --language alone, or files to open: the window opens
}

QStringList filesToOpen(const QStringList &arguments) {
    const Standard standard;
    QCommandLineParser parser;
    addOptions(parser, standard);
    if (arguments.size() <= 1 || !parser.parse(arguments))
        return {};
    return parser.positionalArguments();
}

std::optional<language::Language> askedLanguage(const QStringList &arguments) {
    const std::optional<QString> code = languageArgument(arguments);
    return code ? language::fromCode(*code) : std::nullopt;
}

namespace {

int print(const Answer &reply) {
    std::fputs(reply.out.toUtf8().constData(), stdout);
    std::fputs(reply.err.toUtf8().constData(), stderr);
    return reply.exitCode;
}

// A sheet needs fonts, so a QGuiApplication, but never a window system: the
// offscreen platform has the fonts and needs no display. On Windows Qt's
// offscreen platform knows no fonts, and the minimal one knows the system's
// only when asked to: without them every letter of the sheet is a black box.
int writeSheet(const QString &programName, const SheetRequest &request, char *argv0,
               language::Language language) {
#ifdef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // The platform's notes (such as an unset XDG_RUNTIME_DIR) are not the
    // user's business: standard error keeps to the one line of a failure.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    int applicationArgc = 1; // none of the arguments is Qt's to read
    char *applicationArgv[] = {argv0, nullptr};
    QGuiApplication application(applicationArgc, applicationArgv);
    language::apply(language);
    const std::optional<QString> failure =
        request.assignment ? writeAssignmentSheet(*request.assignment, request.key, request.path)
                           : writeProofSheet(request.rows, request.path);
    if (!failure)
        return 0;
    return print(Answer{
        1, {}, printable(programName) + QStringLiteral(": ") + printable(*failure) + '\n', std::nullopt});
}

} // namespace

QStringList argumentsOf(int argc, char *argv[]) {
    // The arguments exactly as given: none of them is Qt's to take.
    return program::typedArguments(argc, argv);
}

std::optional<int> answerAndExit(int argc, char *argv[]) {
    program::applyIdentity();
    const QStringList arguments = argumentsOf(argc, argv);
    // The catalogues (the program's, and Qt's for the help's headings) need
    // an application object; a sheet builds its own, with fonts, later.
    const language::Language chosen = askedLanguage(arguments).value_or(language::Language::Bulgarian);
    std::optional<QCoreApplication> application;
    application.emplace(argc, argv);
    language::apply(chosen);
    const std::optional<Answer> reply = answer(arguments);
    if (!reply)
        return std::nullopt;
    console::prepareOutput();
    if (reply->sheet) {
        application.reset();
        return writeSheet(arguments.constFirst(), *reply->sheet, argv[0], chosen);
    }
    return print(*reply);
}

std::optional<language::Language> askedLanguage(int argc, char *argv[]) {
    return askedLanguage(argumentsOf(argc, argv));
}

QStringList filesToOpen(int argc, char *argv[]) { return filesToOpen(argumentsOf(argc, argv)); }

} // namespace command_line
