// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_messages.h"

#include <QCoreApplication>

namespace {

class FormulaMessages {
    Q_DECLARE_TR_FUNCTIONS(FormulaMessages)

public:
    static QString what(const formulas::ReadError &error);
};

// Control and format characters, invisible blanks, combining marks,
// surrogates and non-characters would show as nothing, or garble the message
// around them.
bool showsAsItself(char32_t c) {
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    return !(c < 0x21 || within(0x7F, 0xA0) || c == 0xAD || within(0x0300, 0x036F) || c == 0x1680 ||
             within(0x2000, 0x200F) || within(0x2028, 0x202F) || within(0x205F, 0x206F) || c == 0x3000 ||
             within(0xD800, 0xDFFF) || c == 0xFEFF || within(0xFFF0, 0xFFFF) || within(0xE000, 0xF8FF) ||
             c >= 0xF0000 || (c & 0xFFFE) == 0xFFFE);
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
