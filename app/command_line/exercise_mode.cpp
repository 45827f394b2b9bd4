// SPDX-License-Identifier: GPL-3.0-or-later
// --exercise KIND --level LEVEL [--seed N] [--answer]: an exercise the
// program sets, the seed it came from, and with --answer the program's own
// answer.

#include "derivation_lines.h"
#include "mode.h"

#include "exercise.h"
#include "formula_printer.h"
#include "step_answer.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <charconv>

namespace command_line {

namespace {

using exercises::Kind;
using exercises::Level;

// The names a kind and a level are asked by: these English words or the
// Bulgarian names, in any case.
constexpr std::array<const char *, exercises::kindCount> kindWords{"prove", "simplify", "table", "map",
                                                                   "law"};
constexpr std::array<const char *, exercises::levelCount> levelWords{"easy", "medium", "hard"};

template <typename Enum, std::size_t count>
std::optional<Enum> named(const QString &text, const std::array<const char *, count> &words,
                          const char *(*bulgarian)(Enum)) {
    for (std::size_t i = 0; i < count; ++i)
        if (text.compare(QLatin1String(words[i]), Qt::CaseInsensitive) == 0 ||
            text.compare(QString::fromUtf8(bulgarian(Enum(i))), Qt::CaseInsensitive) == 0)
            return Enum(i);
    return std::nullopt;
}

// Decimal digits only, 0 to 2147483647.
std::optional<std::uint32_t> seedOf(const QString &text) {
    const QByteArray digits = text.toLatin1();
    if (text.isEmpty() || text.size() > 10 ||
        !std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint64_t seed = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), seed);
    if (seed > exercises::maxSeed)
        return std::nullopt;
    return std::uint32_t(seed);
}

QString printedText(const formulas::Tree &tree) { return QString::fromStdString(formulas::printed(tree)); }

QString task(const exercises::Exercise &exercise) {
    switch (exercise.kind) {
    case Kind::Prove:
        return printedText(exercise.formula) + QStringLiteral(" = ") + printedText(exercise.goal);
    case Kind::Law:
        return printedText(exercise.formula) + QStringLiteral(" \u2192 ") + printedText(exercise.goal);
    case Kind::Simplify:
    case Kind::Table:
    case Kind::Map:
        break;
    }
    return printedText(exercise.formula);
}

// The rows in counting order: "0 1 | 1".
QString tableLines(const exercises::Exercise &exercise) {
    const std::size_t count = exercise.letters.size();
    QString text;
    for (std::uint64_t row = 0; row < (std::uint64_t(1) << count); ++row) {
        for (std::size_t v = 0; v < count; ++v)
            text += QLatin1String((row >> (count - 1 - v)) & 1 ? "1 " : "0 ");
        text +=
            QStringLiteral("| ") + QLatin1Char((exercise.truth >> row) & 1 ? '1' : '0') + QLatin1Char('\n');
    }
    return text;
}

QString answerLines(const exercises::Exercise &exercise) {
    switch (exercise.kind) {
    case Kind::Prove:
    case Kind::Simplify: {
        derivations::DeriveResult found;
        found.outcome = derivations::DeriveOutcome::Found;
        found.derivation = exercise.derivation;
        return derivationAnswer(found).out;
    }
    case Kind::Table:
        return tableLines(exercise);
    case Kind::Map: {
        const std::string letters(exercise.letters.begin(), exercise.letters.end());
        const std::string sum =
            derivations::formatSumOfProducts(int(letters.size()), exercise.minimalCover, letters);
        return CommandLine::tr("Минимална ДНФ: %1").arg(QString::fromStdString(sum)) + QLatin1Char('\n');
    }
    case Kind::Law:
        break;
    }
    return QCoreApplication::translate("derivations", exercises::stepChoiceName(exercise.step)) +
           QLatin1Char('\n');
}

} // namespace

Mode exerciseMode() {
    const QCommandLineOption exercise(
        QStringLiteral("exercise"),
        CommandLine::tr("Задава упражнение от вида ВИД (prove, simplify, table, map или law; също докажи, "
                        "опрости, таблица, карта, закон) на нивото, дадено с --level, и отпечатва задачата "
                        "и семето ѝ.\nПример: boolean-laws --exercise prove --level easy --seed 7 --answer"),
        CommandLine::tr("ВИД"));
    const QCommandLineOption level(QStringLiteral("level"),
                                   CommandLine::tr("Само с --exercise: нивото, easy, medium или hard "
                                                   "(също лесно, средно, трудно)."),
                                   CommandLine::tr("НИВО"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  CommandLine::tr("Само с --exercise: семето, цяло число от 0 до 2147483647; "
                                                  "едно семе дава едно и също упражнение. Без него семето "
                                                  "е случайно."),
                                  QStringLiteral("N"));
    const QCommandLineOption answer(
        QStringLiteral("answer"), CommandLine::tr("Само с --exercise: отпечатва и отговора на програмата."));
    return {exercise, {level, seed, answer}, [=](const Request &request) {
                const QString kindText = request.parser.value(exercise);
                const std::optional<Kind> kind = named<Kind>(kindText, kindWords, exercises::kindName);
                if (!kind)
                    return request.refuse(CommandLine::tr("непознат вид упражнение „%1“: видът е prove, "
                                                          "simplify, table, map или law"),
                                          {kindText});
                if (!request.parser.isSet(level))
                    return request.refuse(
                        CommandLine::tr("„--exercise“ иска и „--level“ (easy, medium или hard)"));
                const QString levelText = request.parser.value(level);
                const std::optional<Level> chosenLevel =
                    named<Level>(levelText, levelWords, exercises::levelName);
                if (!chosenLevel)
                    return request.refuse(
                        CommandLine::tr("непознато ниво „%1“: нивото е easy, medium или hard"), {levelText});
                std::uint32_t from = 0;
                if (request.parser.isSet(seed)) {
                    const std::optional<std::uint32_t> given = seedOf(request.parser.value(seed));
                    if (!given)
                        return request.refuse(
                            CommandLine::tr("семето е цяло число от 0 до 2147483647, а не „%1“"),
                            {request.parser.value(seed)});
                    from = *given;
                } else {
                    from = QRandomGenerator::global()->bounded(exercises::maxSeed + 1u);
                }
                const std::optional<exercises::Exercise> made =
                    exercises::generateExercise(*kind, *chosenLevel, from);
                if (!made)
                    return Answer{1,
                                  {},
                                  printable(request.arguments.constFirst()) + QStringLiteral(": ") +
                                      CommandLine::tr("от семе %1 нататък не е намерено упражнение в "
                                                      "границите на търсенето")
                                          .arg(from) +
                                      QLatin1Char('\n'),
                                  std::nullopt};
                QString text = QCoreApplication::translate("exercises", exercises::kindName(made->kind)) +
                               QStringLiteral(": ") + task(*made) + QLatin1Char('\n') +
                               CommandLine::tr("Семе: %1").arg(made->seed) + QLatin1Char('\n');
                if (request.parser.isSet(answer))
                    text += answerLines(*made);
                return Answer{0, text, {}, std::nullopt};
            }};
}

} // namespace command_line
