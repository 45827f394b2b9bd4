// SPDX-License-Identifier: GPL-3.0-or-later
#include "grade_texts.h"

#include "karnaugh_function.h"
#include "karnaugh_map_model.h"

#include <QCoreApplication>

namespace {

class GradeTexts {
    Q_DECLARE_TR_FUNCTIONS(GradeTexts)

public:
    static QString correct() { return tr("Вярно: минимално покритие"); }
    static QString badSize(int number, int cells) {
        return tr("Група %1 има %n клетки, а група може да има само 1, 2, 4, 8 или 16 клетки.", nullptr,
                  cells)
            .arg(number);
    }
    static QString holdsZero(int number, const QString &term, const QString &cell) {
        return tr("Група %1 (%2) съдържа 0 в клетка %3.").arg(number).arg(term, cell);
    }
    static QString notLargest(int number, const QString &term, const QString &larger) {
        return tr("Група %1 (%2) не е възможно най-голямата: може да се разшири до %3.")
            .arg(number)
            .arg(term, larger);
    }
    static QString redundant(int number, const QString &term) {
        return tr("Група %1 (%2) е излишна: клетките ѝ са покрити от другите групи.").arg(number).arg(term);
    }
    static QString uncovered(int count, const QString &cell) {
        if (count == 1)
            return tr("Единицата в клетка %1 не е покрита.").arg(cell);
        return tr("%n единици не са покрити; първата е в клетка %1.", nullptr, count).arg(cell);
    }
    static QString tooMany(int groups, int enough) {
        return tr("Групите са %1, а са достатъчни %2.").arg(groups).arg(enough);
    }

    static QString line(int number, const QString &term) { return tr("%1. %2").arg(number).arg(term); }
    static QString cells(int count) { return tr("%n клетки", nullptr, count); }
    static QString lineMarked(int number, const QString &term, const derivations::GroupGrade &grade) {
        using derivations::GroupFault;
        switch (grade.fault) {
        case GroupFault::BadSize:
            return tr("%1. %2 — не е група от 1, 2, 4, 8 или 16 клетки").arg(number).arg(term);
        case GroupFault::HoldsZero:
            return tr("%1. %2 — съдържа 0").arg(number).arg(term);
        case GroupFault::NotLargest:
            return tr("%1. %2 — не е възможно най-голямата").arg(number).arg(term);
        case GroupFault::None:
            break;
        }
        if (grade.redundant)
            return tr("%1. %2 — излишна").arg(number).arg(term);
        return tr("%1. %2 — вярно").arg(number).arg(term);
    }
};

QString termOf(const derivations::MapGroup &group, const KarnaughFunction &function) {
    if (!derivations::hasPowerOfTwoSides(function.layout, group))
        return GradeTexts::cells(group.height * group.width);
    return QString::fromStdString(function.termText(derivations::termOf(function.layout, group)));
}

} // namespace

namespace grade_texts {

bool isWrong(const derivations::GroupGrade &grade) {
    return grade.fault != derivations::GroupFault::None || grade.redundant;
}

QStringList verdict(const derivations::KarnaughGrade &grade, const KarnaughFunction &function,
                    const KarnaughMapModel &map) {
    if (grade.correct())
        return {GradeTexts::correct()};
    QStringList sentences;
    using derivations::GroupFault;
    for (std::size_t i = 0; i < grade.groups.size(); ++i) {
        const derivations::GroupGrade &group = grade.groups[i];
        const int number = int(i) + 1;
        const QString term = QString::fromStdString(function.termText(group.term));
        switch (group.fault) {
        case GroupFault::BadSize:
            sentences << GradeTexts::badSize(number, int(group.cells.size()));
            break;
        case GroupFault::HoldsZero:
            sentences << GradeTexts::holdsZero(number, term, map.cellName(group.zeroCells.front()));
            break;
        case GroupFault::NotLargest:
            sentences << GradeTexts::notLargest(number, term,
                                                QString::fromStdString(function.termText(derivations::termOf(
                                                    function.layout, *group.largerGroup))));
            break;
        case GroupFault::None:
            if (group.redundant)
                sentences << GradeTexts::redundant(number, term);
            break;
        }
    }
    if (!grade.uncoveredOnes.empty())
        sentences << GradeTexts::uncovered(int(grade.uncoveredOnes.size()),
                                           map.cellName(grade.uncoveredOnes.front()));
    if (grade.tooManyGroups())
        sentences << GradeTexts::tooMany(grade.groupCount, grade.minimalGroupCount);
    return sentences;
}

QString groupLine(int number, const derivations::MapGroup &group, const derivations::GroupGrade *grade,
                  const KarnaughFunction &function) {
    const QString term = termOf(group, function);
    return grade ? GradeTexts::lineMarked(number, term, *grade) : GradeTexts::line(number, term);
}

} // namespace grade_texts
