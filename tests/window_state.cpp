// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_state.h"

namespace testing {

namespace {

template <class Value> QString text(const Value &value) {
    if constexpr (std::is_same_v<Value, bool>)
        return value ? QStringLiteral("yes") : QStringLiteral("no");
    else if constexpr (std::is_same_v<Value, QByteArray>)
        return QString::fromUtf8(value).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n"));
    else if constexpr (std::is_arithmetic_v<Value>)
        return QString::number(value);
    else
        return QString(value).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

class Comparison {
public:
    template <class Value> void field(const QString &what, const Value &expected, const Value &shown) {
        if (!(expected == shown))
            lines << QStringLiteral("%1: expected \"%2\", window shows \"%3\"")
                         .arg(what, text(expected), text(shown));
    }
    QStringList lines;
};

} // namespace

QStringList differences(const WindowState &expected, const WindowState &shown) {
    static const std::array<QString, 3> names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    Comparison compare;
    compare.field(QStringLiteral("selected law row"), expected.law, shown.law);
    compare.field(QStringLiteral("current law row"), expected.lawCurrent, shown.lawCurrent);
    for (std::size_t i = 0; i < 3; ++i) {
        compare.field(QStringLiteral("selected value of ") + names[i], expected.value[i], shown.value[i]);
        compare.field(QStringLiteral("current value row of ") + names[i], expected.valueCurrent[i],
                      shown.valueCurrent[i]);
        compare.field(QStringLiteral("label of ") + names[i] + QStringLiteral(" shown"),
                      expected.labelShown[i], shown.labelShown[i]);
        compare.field(QStringLiteral("selector of ") + names[i] + QStringLiteral(" shown"),
                      expected.selectorShown[i], shown.selectorShown[i]);
        compare.field(QStringLiteral("form value ") + names[i], expected.formValues[i], shown.formValues[i]);
    }
    compare.field(QStringLiteral("form value NotA"), expected.formComplements[0], shown.formComplements[0]);
    compare.field(QStringLiteral("form value NotB"), expected.formComplements[1], shown.formComplements[1]);
    compare.field(QStringLiteral("catalogue lists hidden"), expected.catalogueListsHidden,
                  shown.catalogueListsHidden);
    compare.field(QStringLiteral("focus"), expected.focus, shown.focus);
    compare.field(QStringLiteral("result text"), expected.result, shown.result);
    compare.field(QStringLiteral("result box shows"), expected.shownResult, shown.shownResult);
    compare.field(QStringLiteral("description box shows"), expected.description, shown.description);
    compare.field(QStringLiteral("truth-table windows opened"), expected.tablesOpened, shown.tablesOpened);
    return compare.lines;
}

} // namespace testing
