// SPDX-License-Identifier: GPL-3.0-or-later
#include "homework_messages.h"

#include "formula_messages.h"

#include <QTranslator>

namespace {

QString detailOf(const std::string &detail) { return QString::fromStdString(detail); }

QString withLine(int line, const QString &sentence) {
    return line > 0 ? HomeworkMessages::tr("ред %1: %2").arg(line).arg(sentence) : sentence;
}

} // namespace

QString HomeworkMessages::assignmentProblem(const homework::AssignmentError &error) {
    using homework::AssignmentProblem;
    const QString detail = detailOf(error.detail);
    QString sentence;
    switch (error.problem) {
    case AssignmentProblem::Empty:
        sentence = tr("заданието е празно: няма ред „задание: <заглавие>“ и няма задачи");
        break;
    case AssignmentProblem::NoTitle:
        sentence = tr("първият ред трябва да е „задание: <заглавие>“, а не „%1“").arg(detail);
        break;
    case AssignmentProblem::EmptyTitle:
        sentence = tr("заданието няма заглавие след „задание:“");
        break;
    case AssignmentProblem::UnknownKind:
        sentence = tr("непознат вид задача „%1“").arg(detail);
        break;
    case AssignmentProblem::OutOfPlace:
        sentence = tr("„%1:“ стои само преди задачите").arg(detail);
        break;
    case AssignmentProblem::BadHintsValue:
        sentence = tr("подсказките са „да“ или „не“, а не „%1“").arg(detail);
        break;
    case AssignmentProblem::BadFormula:
        sentence = formulaErrorText(error.formulaError);
        break;
    case AssignmentProblem::MissingEquals:
        sentence = tr("задачата „докажи“ иска две страни с „=“");
        break;
    case AssignmentProblem::UnexpectedEquals:
        sentence = tr("тази задача иска една формула, без „=“");
        break;
    case AssignmentProblem::MissingArrow:
        sentence = tr("задачата „закон“ иска една стъпка „F → G“ (или „F => G“)");
        break;
    case AssignmentProblem::BadLevelOrSeed:
        sentence =
            tr("„%1“: нивото е лесно, средно или трудно, а семето цяло число от 0 до 2147483647").arg(detail);
        break;
    case AssignmentProblem::NotEquivalent:
        sentence = tr("двете страни не са равни, така че няма доказателство");
        break;
    case AssignmentProblem::MapVariables:
        sentence = tr("картата иска от 2 до 4 променливи, а формулата има %1").arg(detail);
        break;
    case AssignmentProblem::Unsolvable:
        sentence = tr("програмата не може да реши сама тази задача");
        break;
    case AssignmentProblem::NoTasks:
        sentence = tr("заданието няма нито една задача");
        break;
    case AssignmentProblem::TooLarge:
        sentence = tr("файлът е по-голям от 1 MB");
        break;
    case AssignmentProblem::NotUtf8:
        sentence = tr("файлът не е текст в UTF-8");
        break;
    }
    return withLine(error.line, sentence);
}

QString HomeworkMessages::answersProblem(const homework::AnswersError &error) {
    using homework::AnswersProblem;
    const QString detail = detailOf(error.detail);
    QString sentence;
    switch (error.problem) {
    case AnswersProblem::NotUtf8:
        sentence = tr("файлът не е текст в UTF-8");
        break;
    case AnswersProblem::TooLarge:
        sentence = tr("файлът е по-голям от 1 MB");
        break;
    case AnswersProblem::MissingHeader:
        sentence = tr("липсва редът „%1:“ от началото на файла с отговори").arg(detail);
        break;
    case AnswersProblem::BadHeader:
        sentence = tr("редът „%1:“ не е на мястото си").arg(detail);
        break;
    case AnswersProblem::BadTaskNumber:
        sentence = tr("няма задача „%1“ след предишната в заданието").arg(detail);
        break;
    case AnswersProblem::BadHintsValue:
        sentence = tr("подсказките са брой, а не „%1“").arg(detail);
        break;
    case AnswersProblem::MalformedLine:
        sentence = tr("редът „%1“ не е част от решението на задачата").arg(detail);
        break;
    }
    return withLine(error.line, sentence);
}

QString HomeworkMessages::markSymbol(homework::Mark mark) {
    switch (mark) {
    case homework::Mark::Solved:
        return QStringLiteral("\u2713");
    case homework::Mark::Tried:
        return QStringLiteral("\u2717");
    case homework::Mark::Untouched:
        break;
    }
    return QStringLiteral("\u2013");
}

const std::vector<homework::MistakeAlias> &HomeworkMessages::mistakeAliases() {
    static const std::vector<homework::MistakeAlias> aliases = [] {
        std::vector<homework::MistakeAlias> names;
        // Built into the resources from translations/boolean-laws_<code>.ts.
        for (const QString &code : {QStringLiteral("en"), QStringLiteral("bg")}) {
            QTranslator translator;
            if (!translator.load(QStringLiteral(":/translations/boolean-laws_") + code))
                continue;
            for (std::size_t mistake = 0; mistake < derivations::mistakeCount; ++mistake) {
                const auto id = derivations::MistakeId(mistake);
                const QString name = translator.translate("derivations", derivations::mistakeName(id));
                if (!name.isEmpty())
                    names.push_back({name.toStdString(), id});
            }
        }
        return names;
    }();
    return aliases;
}
