// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "program_identity.h"
#include "qt_translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace command_line {

namespace {

const char *description = "Теореми и тъждества в булевата алгебра.\n"
                          "Изберете закон и стойностите 0/1 на A, B (и C): програмата записва формулата\n"
                          "на закона и пресмята двете му страни стъпка по стъпка, ред по ред.\n"
                          "Стартира се без аргументи и отваря един прозорец.";

// The first argument that is not a request for help or version.
QString firstRefused(const QStringList &arguments) {
    static const QStringList known{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"),
                                   QStringLiteral("--version")};
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!known.contains(arguments[i]))
            return arguments[i];
    return arguments.value(1);
}

// One line whatever the argument holds: line breaks and terminal controls
// become "?".
QString printable(QString text) {
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return text;
}

} // namespace

std::optional<Answer> answer(const QStringList &arguments) {
    if (arguments.size() <= 1)
        return std::nullopt;

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    // Own options rather than addHelpOption(): its --help-all would offer
    // Qt's window options, which this program refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QString::fromUtf8("Показва тази помощ и излиза."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QString::fromUtf8("Показва версията и излиза."));
    parser.addOption(help);
    parser.addOption(version);

    const bool understood = parser.parse(arguments) && parser.positionalArguments().isEmpty();
    if (understood && parser.isSet(help))
        return Answer{0, parser.helpText(), {}};
    if (understood && parser.isSet(version))
        return Answer{0,
                      QStringLiteral("%1 %2\n").arg(QString::fromLatin1(program::executableName),
                                                    QString::fromLatin1(program::version)),
                      {}};

    // Only "--" and the like get here understood: still not a request.
    return Answer{2,
                  {},
                  QString::fromUtf8("%1: непознат аргумент „%2“; вижте „%1 --help“\n")
                      .arg(printable(arguments.constFirst()), printable(firstRefused(arguments)))};
}

int answerAndExit(int argc, char *argv[]) {
    program::applyIdentity();
    // The arguments exactly as given: none of them is Qt's to take.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCoreApplication application(argc, argv);
    qt_translation::installBulgarian(application);
    const std::optional<Answer> reply = answer(arguments);
    if (!reply)
        return 0;
    std::fputs(reply->out.toUtf8().constData(), stdout);
    std::fputs(reply->err.toUtf8().constData(), stderr);
    return reply->exitCode;
}

} // namespace command_line
