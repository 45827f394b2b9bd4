// SPDX-License-Identifier: GPL-3.0-or-later
#include "verdict_text.h"

using derivations::VerdictKind;

QString VerdictText::lawName(derivations::LawId law) {
    return QCoreApplication::translate("derivations", derivations::lawName(law));
}

QString VerdictText::mistakeName(derivations::MistakeId mistake) {
    return QCoreApplication::translate("derivations", derivations::mistakeName(mistake));
}

QString VerdictText::lawNames(const std::vector<derivations::LawId> &laws) {
    QStringList names;
    for (derivations::LawId law : laws)
        names << lawName(law);
    return names.join(QStringLiteral(", "));
}

QString VerdictText::counterexample(const derivations::Counterexample &row) {
    QStringList values;
    for (std::size_t letter = 0; letter < row.letters.size(); ++letter)
        values << QStringLiteral("%1 = %2")
                      .arg(QChar::fromLatin1(row.letters[letter]))
                      .arg(int(row.value(letter)));
    return tr("при %1: преди %2, след %3")
        .arg(values.join(QStringLiteral(", ")))
        .arg(int(row.before))
        .arg(int(row.after));
}

QString VerdictText::step(const derivations::StepVerdict &verdict, Letter letter) {
    QString text;
    switch (verdict.kind) {
    case VerdictKind::Correct:
        text = tr("вярно: %1").arg(lawName(verdict.law));
        break;
    case VerdictKind::CorrectOtherLaw:
        text = tr("вярно, но законът е %1").arg(lawName(verdict.law));
        break;
    case VerdictKind::Unchanged:
        text = tr("без промяна: формулата е същата");
        break;
    case VerdictKind::BigStep:
        text = verdict.laws.empty() ? tr("голяма стъпка: равносилно, но не с до три закона")
                                    : tr("голяма стъпка: %1").arg(lawNames(verdict.laws));
        break;
    case VerdictKind::CommonMistake:
        text = tr("честа грешка: %1").arg(mistakeName(verdict.mistake));
        break;
    case VerdictKind::Wrong:
        text = tr("невярно: %1").arg(counterexample(verdict.counterexample));
        break;
    }
    return withLetter(text, letter);
}

QString VerdictText::done(int steps, Letter letter) {
    return withLetter(tr("готово: %n стъпки", nullptr, steps), letter);
}

QString VerdictText::lawMark(derivations::LawId law) { return QStringLiteral("  [%1]").arg(lawName(law)); }

QString VerdictText::withLetter(QString text, Letter letter) {
    if (letter == Letter::Capital && !text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
