// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "program_identity.h"
#include "proof_sheet.h"
#include "qt_translation.h"
#include "shown_proof.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>

#include <array>
#include <cstdio>

namespace command_line {

namespace {

const char *description = "Теореми и тъждества в булевата алгебра.\n"
                          "Изберете закон и стойностите 0/1 на A, B (и C): програмата записва формулата\n"
                          "на закона и пресмята двете му страни стъпка по стъпка, ред по ред.\n"
                          "Без аргументи отваря един прозорец; --proof и --sheet работят и без дисплей.";

// The options that take a value, as --name VALUE or --name=VALUE.
enum Valued { Proof, Values, Sheet, Output, valuedCount };
const std::array<const char *, valuedCount> valuedNames{"--proof", "--values", "--sheet", "--output"};

QString nameOf(Valued option) { return QString::fromLatin1(valuedNames[option]); }

// What the arguments set; the first argument that cannot be read ends the
// reading with its refusal.
struct Options {
    bool help = false;
    bool version = false;
    QString firstHelpOrVersion; // as typed, to name it in a refusal
    std::array<std::optional<QString>, valuedCount> values;
    QString refusal; // the whole line for standard error; empty if none
};

// One line whatever the argument holds: line breaks and terminal controls
// become "?".
QString printable(QString text) {
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return text;
}

// pattern's %1, %2, ... become the named texts in one pass, so that a "%2"
// typed in an argument is shown as typed.
QString refusal(const QStringList &arguments, const char *pattern, const QStringList &named = {}) {
    const QString text = QString::fromUtf8(pattern);
    QString line = printable(arguments.constFirst()) + QStringLiteral(": ");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit())
            line += printable(named.value(text[++i].digitValue() - 1));
        else
            line += text[i];
    }
    return line + QLatin1Char('\n');
}

Options read(const QStringList &arguments) {
    static const QStringList helpNames{QStringLiteral("-h"), QStringLiteral("--help")};
    static const QStringList versionNames{QStringLiteral("-v"), QStringLiteral("--version")};
    Options options;
    for (qsizetype i = 1; i < arguments.size() && options.refusal.isEmpty(); ++i) {
        const QString &argument = arguments[i];
        if (helpNames.contains(argument) || versionNames.contains(argument)) {
            (helpNames.contains(argument) ? options.help : options.version) = true;
            if (options.firstHelpOrVersion.isEmpty())
                options.firstHelpOrVersion = argument;
            continue;
        }
        bool known = false;
        for (int option = 0; option < valuedCount && !known; ++option) {
            const QString name = nameOf(Valued(option));
            std::optional<QString> value;
            if (argument == name) {
                known = true;
                if (i + 1 == arguments.size()) {
                    options.refusal = refusal(arguments, "„%1“ иска стойност; вижте „%2 --help“",
                                              {name, arguments.constFirst()});
                    break;
                }
                value = arguments[++i];
            } else if (argument.startsWith(name + QLatin1Char('='))) {
                known = true;
                value = argument.mid(name.size() + 1);
            }
            if (!value)
                continue;
            if (options.values[option])
                options.refusal = refusal(arguments, "„%1“ е дадена два пъти", {name});
            options.values[option] = value;
        }
        if (!known)
            options.refusal = refusal(arguments, "непознат аргумент „%1“; вижте „%2 --help“",
                                      {argument, arguments.constFirst()});
    }
    return options;
}

// Law numbers are written in decimal digits only: "7", not "+7" or " 7".
std::optional<int> rowOfLaw(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int number = text.toInt();
    if (number < 1 || number > shown_proof::lawCount)
        return std::nullopt;
    return number - 1;
}

std::optional<shown_proof::Assignment> assignmentOf(int row, const QString &digits) {
    if (digits.size() != shown_proof::variableCount(row))
        return std::nullopt;
    shown_proof::Assignment values{};
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (digits[i] != QLatin1Char('0') && digits[i] != QLatin1Char('1'))
            return std::nullopt;
        values[std::size_t(i)] = digits[i] == QLatin1Char('1') ? 1 : 0;
    }
    return values;
}

QString helpText() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    // Own options rather than addHelpOption(): its --help-all would offer
    // Qt's window options, which this program refuses.
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QString::fromUtf8("Показва тази помощ и излиза.")});
    parser.addOption(
        {{QStringLiteral("v"), QStringLiteral("version")}, QString::fromUtf8("Показва версията и излиза.")});
    parser.addOption({QStringLiteral("proof"),
                      QString::fromUtf8("Отпечатва доказателството на закон N (от 1 до 21), както го показва "
                                        "прозорецът, за всички стойности на A, B (и C) подред.\n"
                                        "Пример: boolean-laws --proof 7"),
                      QStringLiteral("N")});
    parser.addOption(
        {QStringLiteral("values"),
         QString::fromUtf8("С --proof: само за тези стойности на A, B (и C), по една цифра 0 или 1 "
                           "за всяка променлива на закона.\n"
                           "Пример: boolean-laws --proof 7 --values 101"),
         QString::fromUtf8("ЦИФРИ")});
    parser.addOption({QStringLiteral("sheet"),
                      QString::fromUtf8("Записва лист с формулата, таблицата на истинност и всички "
                                        "доказателства на закон N или на всички закони (all).\n"
                                        "Пример: boolean-laws --sheet all --output закони.pdf"),
                      QStringLiteral("N|all")});
    parser.addOption({QStringLiteral("output"),
                      QString::fromUtf8("С --sheet: файлът на листа, PDF (A4) или HTML според окончанието "
                                        ".pdf или .html.\n"
                                        "Пример: boolean-laws --sheet 3 --output закон-3.html"),
                      QString::fromUtf8("ФАЙЛ")});
    return parser.helpText();
}

QString proofsOf(int row, const std::optional<shown_proof::Assignment> &only) {
    if (only)
        return QString::fromStdString(shown_proof::proofText(row, *only));
    QString text;
    for (const shown_proof::Assignment &values : shown_proof::assignmentsOf(row)) {
        if (!text.isEmpty())
            text += QLatin1Char('\n'); // one empty line between two proofs
        text += QString::fromStdString(shown_proof::proofText(row, values));
    }
    return text;
}

bool hasSheetSuffix(const QString &path) { return sheetFormatOf(path) != SheetFormat::Unknown; }

Answer refused(const QString &line) { return Answer{2, {}, line, std::nullopt}; }

} // namespace

std::optional<Answer> answer(const QStringList &arguments) {
    if (arguments.size() <= 1)
        return std::nullopt;
    const Options options = read(arguments);
    if (!options.refusal.isEmpty())
        return refused(options.refusal);

    const auto &[proof, values, sheet, output] = options.values;
    if (proof && sheet)
        return refused(refusal(arguments, "„--proof“ и „--sheet“ не могат да се дадат заедно"));
    if ((options.help || options.version) && (proof || values || sheet || output))
        return refused(
            refusal(arguments, "„%1“ не може да се даде заедно с „%2“",
                    {options.firstHelpOrVersion,
                     proof || values ? nameOf(proof ? Proof : Values) : nameOf(sheet ? Sheet : Output)}));
    if (values && !proof)
        return refused(refusal(arguments, "„--values“ се дава само с „--proof“"));
    if (output && !sheet)
        return refused(refusal(arguments, "„--output“ се дава само с „--sheet“"));

    if (options.help)
        return Answer{0, helpText(), {}, std::nullopt};
    if (options.version)
        return Answer{0,
                      QStringLiteral("%1 %2\n").arg(QString::fromLatin1(program::executableName),
                                                    QString::fromLatin1(program::version)),
                      {},
                      std::nullopt};

    if (proof) {
        const std::optional<int> row = rowOfLaw(*proof);
        if (!row)
            return refused(refusal(arguments, "няма закон „%1“: номерът е от 1 до 21", {*proof}));
        std::optional<shown_proof::Assignment> only;
        if (values) {
            only = assignmentOf(*row, *values);
            if (!only) {
                const int count = shown_proof::variableCount(*row);
                return refused(
                    refusal(arguments, "закон %1 иска %2 цифри 0 или 1 (за %3), а не „%4“",
                            {QString::number(*row + 1), QString::number(count),
                             count == 2 ? QStringLiteral("A и B") : QStringLiteral("A, B и C"), *values}));
            }
        }
        return Answer{0, proofsOf(*row, only), {}, std::nullopt};
    }

    // Only --sheet is left.
    if (!output)
        return refused(refusal(arguments, "„--sheet“ иска и „--output ФАЙЛ“ (.pdf или .html)"));
    SheetRequest request{{}, *output};
    if (*sheet == QStringLiteral("all")) {
        for (int row = 0; row < shown_proof::lawCount; ++row)
            request.rows << row;
    } else if (const std::optional<int> row = rowOfLaw(*sheet)) {
        request.rows << *row;
    } else {
        return refused(
            refusal(arguments, "„--sheet“ иска номер на закон от 1 до 21 или „all“, а не „%1“", {*sheet}));
    }
    if (!hasSheetSuffix(*output))
        return refused(refusal(arguments, "файлът „%1“ трябва да завършва на .pdf или .html", {*output}));
    return Answer{0, {}, {}, request};
}

namespace {

int print(const Answer &reply) {
    std::fputs(reply.out.toUtf8().constData(), stdout);
    std::fputs(reply.err.toUtf8().constData(), stderr);
    return reply.exitCode;
}

// A sheet needs fonts, so a QGuiApplication, but never a window system: the
// offscreen platform has the fonts and needs no display.
int writeSheet(const QString &programName, const SheetRequest &request, char *argv0) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's notes (such as an unset XDG_RUNTIME_DIR) are not the
    // user's business: standard error keeps to the one line of a failure.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    int applicationArgc = 1; // none of the arguments is Qt's to read
    char *applicationArgv[] = {argv0, nullptr};
    QGuiApplication application(applicationArgc, applicationArgv);
    const std::optional<QString> failure = writeProofSheet(request.rows, request.path);
    if (!failure)
        return 0;
    return print(Answer{
        1, {}, printable(programName) + QStringLiteral(": ") + printable(*failure) + '\n', std::nullopt});
}

} // namespace

int answerAndExit(int argc, char *argv[]) {
    program::applyIdentity();
    // The arguments exactly as given: none of them is Qt's to take.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Help reads Qt's headings, so only help builds an application object
    // (with Qt's Bulgarian texts); --proof and refusals start faster without.
    const bool asksForHelp =
        arguments.contains(QStringLiteral("-h")) || arguments.contains(QStringLiteral("--help"));
    std::optional<QCoreApplication> application;
    if (asksForHelp) {
        application.emplace(argc, argv);
        qt_translation::installBulgarian(*application);
    }
    const std::optional<Answer> reply = answer(arguments);
    if (!reply)
        return 0;
    if (reply->sheet)
        return writeSheet(arguments.constFirst(), *reply->sheet, argv[0]);
    return print(*reply);
}

} // namespace command_line
