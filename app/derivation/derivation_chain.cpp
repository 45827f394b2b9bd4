// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivation_chain.h"

#include "printed_text.h"
#include "verdict_text.h"

namespace {

// What stands in a big step's brackets: "голяма стъпка: <laws>".
QString bigStepNote(const ChainStep &step) {
    derivations::StepVerdict verdict;
    verdict.kind = derivations::VerdictKind::BigStep;
    verdict.laws = step.laws;
    return VerdictText::step(verdict);
}

} // namespace

void DerivationChain::restart(formulas::Tree start, formulas::Tree goal) {
    items_.assign(1, ChainStep{std::move(start), std::nullopt, {}, false});
    goal_ = std::move(goal);
}

bool DerivationChain::undo() {
    if (items_.size() <= 1)
        return false;
    items_.pop_back();
    return true;
}

bool DerivationChain::reachedGoal() const {
    return goal_ && derivations::acKey(last()) == derivations::acKey(goal_);
}

QString DerivationChain::itemText(const ChainStep &step) {
    QString text = printedText(step.formula);
    if (step.law)
        text += VerdictText::lawMark(*step.law);
    else if (step.bigStep)
        text += QStringLiteral("  [%1]").arg(bigStepNote(step));
    return text;
}

namespace {

// One step as --check reads it; the law by its own name, whatever language the window speaks.
QString checkLine(const ChainStep &step) {
    if (!step.law)
        return printedText(step.formula);
    return printedText(step.formula) +
           QStringLiteral("  [%1]").arg(QString::fromUtf8(derivations::lawName(*step.law)));
}

} // namespace

QByteArray DerivationChain::checkFile(const QString &goalText) const {
    QStringList lines{tr("# Извеждане; цел: %1").arg(goalText)};
    for (const ChainStep &step : items_) {
        if (step.bigStep)
            lines << QStringLiteral("# ") + bigStepNote(step);
        lines << checkLine(step);
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QStringList DerivationChain::workLines() const {
    QStringList lines;
    for (const ChainStep &step : items_)
        lines << checkLine(step);
    return lines;
}

QString DerivationChain::html(const QString &subject, const QString &goalText) const {
    QString page = QStringLiteral("<html><body><h2>%1</h2><p>%2</p><p>")
                       .arg(tr("Извеждане: %1").arg(subject.toHtmlEscaped()),
                            tr("Цел: %1").arg(goalText.toHtmlEscaped()));
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const QString line = (i == 0 ? QString() : QStringLiteral("= ")) + itemText(items_[i]);
        page += line.toHtmlEscaped() + QStringLiteral("<br>");
    }
    return page + QStringLiteral("</p></body></html>");
}
