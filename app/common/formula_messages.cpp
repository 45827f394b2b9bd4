// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_messages.h"

#include <QCoreApplication>

namespace {

class FormulaMessages {
    Q_DECLARE_TR_FUNCTIONS(FormulaMessages)

public:
    static QString what(const formulas::ReadError &error);
};

// Controls, formatting and other invisible characters, blanks of every
// kind, combining marks, surrogates, private-use and unassigned code points
// would show as nothing, or garble the message around them.
bool showsAsItself(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return false;
    default:
        return true;
    }
}

QString named(char32_t c) {
    if (showsAsItself(c))
        return QStringLiteral("„%1“").arg(QString::fromUcs4(&c, 1));
    return QStringLiteral("U+%1").arg(
        QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

QString FormulaMessages::what(const formulas::ReadError &error) {
    using formulas::ReadErrorCode;
    switch (error.code) {
    case ReadErrorCode::EmptyFormula:
        return tr("празна формула");
    case ReadErrorCode::EmptyLeftSide:
        return tr("празна лява страна преди „=“");
    case ReadErrorCode::EmptyRightSide:
        return tr("празна дясна страна след „=“");
    case ReadErrorCode::ExpectedOperand:
        return tr("очаква се променлива (A, B, C, …, Z), 0, 1, „!“ или „(“");
    case ReadErrorCode::ExpectedOperator:
        return tr("очаква се оператор (^, v, Xor, ->, <-->)");
    case ReadErrorCode::ExpectedOperatorOrEquals:
        return tr("очаква се оператор (^, v, Xor, ->, <-->) или „=“");
    case ReadErrorCode::ExpectedOperatorOrClose:
        return tr("очаква се оператор (^, v, Xor, ->, <-->) или „)“");
    case ReadErrorCode::ExpectedClose:
        return tr("очаква се „)“");
    case ReadErrorCode::CloseWithoutOpen:
        return tr("„)“ няма своя „(“");
    case ReadErrorCode::SecondEquals:
        return tr("второ „=“ не е позволено");
    case ReadErrorCode::ExpectedImplication:
        return tr("очаква се „->“");
    case ReadErrorCode::ExpectedEquivalence:
        return tr("очаква се „<-->“");
    case ReadErrorCode::UnknownCharacter:
        return tr("непознат знак %1").arg(named(error.character));
    case ReadErrorCode::TooLong:
        return tr("формулата е по-дълга от %1 знака").arg(formulas::maxFormulaLength);
    case ReadErrorCode::TooManyVariables:
        return tr("%1 е седма променлива, а една формула може да има най-много %2")
            .arg(named(error.character))
            .arg(formulas::maxVariables);
    }
    return {};
}

} // namespace

QString formulaErrorText(const formulas::ReadError &error) {
    return QCoreApplication::translate("FormulaMessages", "Грешка на позиция %1: %2")
        .arg(error.position)
        .arg(FormulaMessages::what(error));
}
