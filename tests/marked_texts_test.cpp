// SPDX-License-Identifier: GPL-3.0-or-later
// Every Cyrillic string literal in app/, formulas/, derivations/ and
// exercises/ is marked for the translators (tr, QT_TR_NOOP,
// QT_TRANSLATE_NOOP, translate), and every marked one is in
// translations/boolean-laws_bg.ts, as lupdate writes it.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Literal {
    QString text;
    bool marked = false;
    int line = 0;
};

bool isCyrillic(const QString &text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// The string literals of a C++ source, comments skipped; adjacent literals
// are one. A literal is marked when a marking call opens just before it
// (after a context literal, for QT_TRANSLATE_NOOP and translate).
QList<Literal> literalsOf(const QString &source) {
    static const QRegularExpression marking(QStringLiteral(
        "(\\btr|QT_TR_NOOP|QT_TRANSLATE_NOOP|\\btranslate)\\s*\\(\\s*(\"[^\"]*\"\\s*,\\s*)?$"));
    QList<Literal> found;
    QString before; // the code so far, comments left out, literals emptied
    qsizetype lastEnd = 0;
    int line = 1;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == QLatin1Char('\n'))
            ++line;
        if (QStringView(source).mid(i, 2) == u"//") {
            i = source.indexOf(QLatin1Char('\n'), i) - 1;
            if (i < 0)
                break;
            continue;
        }
        if (QStringView(source).mid(i, 2) == u"/*") {
            const qsizetype end = source.indexOf(QStringLiteral("*/"), i + 2);
            line += int(source.mid(i, end - i).count(QLatin1Char('\n')));
            i = end + 1;
            continue;
        }
        // A character literal ('"' is no string), but not a digit separator (150'000).
        if (c == QLatin1Char('\'') && !(i > 0 && source[i - 1].isDigit())) {
            const qsizetype end = source.indexOf(
                QLatin1Char('\''), i + (i + 1 < source.size() && source[i + 1] == QLatin1Char('\\') ? 3 : 2));
            if (end < 0)
                break;
            before += source.mid(i, end - i + 1);
            i = end;
            continue;
        }
        if (c != QLatin1Char('"')) {
            before += c;
            continue;
        }
        Literal literal{{}, false, line};
        const bool continues = !found.isEmpty() && before.mid(lastEnd).trimmed().isEmpty();
        if (!continues)
            // Only the code just before a literal can open its mark: matching
            // the whole file so far at every literal would take minutes.
            literal.marked = marking.match(QStringView(before).right(200)).hasMatch();
        qsizetype end = i + 1;
        while (end < source.size() && source[end] != QLatin1Char('"'))
            end += source[end] == QLatin1Char('\\') ? 2 : 1;
        literal.text = source.mid(i + 1, end - i - 1);
        i = end;
        if (continues)
            found.last().text += literal.text;
        else
            found << literal;
        // The code keeps each literal as "" so that a context shows.
        before += QStringLiteral("\"\"");
        lastEnd = before.size();
    }
    return found;
}

QString read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class MarkedTextsTest : public QObject {
    Q_OBJECT

    QList<QString> marked; // every marked Cyrillic text, as in the source

private slots:
    void every_cyrillic_literal_is_marked() {
        QStringList unmarked;
        for (const QString &folder : {QStringLiteral("app"), QStringLiteral("formulas"),
                                      QStringLiteral("derivations"), QStringLiteral("exercises")}) {
            QDirIterator files(QStringLiteral(SOURCE_ROOT "/") + folder,
                               {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QString path = files.next();
                const QString relative = path.mid(qsizetype(sizeof(SOURCE_ROOT)));
                for (const Literal &literal : literalsOf(read(path))) {
                    if (!isCyrillic(literal.text))
                        continue;
                    if (literal.marked)
                        marked << literal.text;
                    else
                        unmarked << QStringLiteral("%1:%2: \"%3\"")
                                        .arg(relative)
                                        .arg(literal.line)
                                        .arg(literal.text);
                }
            }
        }
        for (const QString &place : std::as_const(unmarked))
            qWarning("not marked for translation: %s", qPrintable(place));
        QVERIFY2(unmarked.isEmpty(), "Cyrillic literals not marked for translation (listed above)");
        QVERIFY(!marked.isEmpty());
    }

    void the_translations_file_holds_every_marked_text() {
        const QString ts = read(QStringLiteral(SOURCE_ROOT "/translations/boolean-laws_bg.ts"));
        QVERIFY2(!ts.isEmpty(),
                 "translations/boolean-laws_bg.ts is missing: build the target update_translations");
        QStringList missing;
        for (QString text : std::as_const(marked)) {
            text.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                .replace(QStringLiteral("\\\""), QStringLiteral("\""));
            // Escaped as lupdate writes it: quotes and apostrophes too.
            const QString source =
                QStringLiteral("<source>%1</source>")
                    .arg(text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&apos;")));
            if (!ts.contains(source))
                missing << text;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    // The scanner itself, on the cases that fool a line-by-line search.
    void the_scanner_tells_marked_from_unmarked_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("unmarked");
        QTest::newRow("tr") << "x = tr(\"Печат\");"
                            << "";
        QTest::newRow("translate with context") << "QCoreApplication::translate(\"a\", \"Печат\")"
                                                << "";
        QTest::newRow("no-op with context") << "{QT_TRANSLATE_NOOP(\"catalogue\", \"закон\"), \"A\"}"
                                            << "";
        QTest::newRow("over two lines") << "tr(\"Първи \"\n   \"втори\")"
                                        << "";
        QTest::newRow("a literal") << "QStringLiteral(\"Печат\")"
                                   << "Печат";
        QTest::newRow("in a comment") << "// \"Печат\"\n/* \"Печат\" */ f(\"A\");"
                                      << "";
        QTest::newRow("after a quote character") << "c == '\"' ? g(\"Печат\") : 0"
                                                 << "Печат";
        QTest::newRow("a second argument") << "f(tr(\"A\"), \"Печат\")"
                                           << "Печат";
        QTest::newRow("after a digit separator") << "n = 150'000; f(\"Печат\");"
                                                 << "Печат";
    }
    void the_scanner_tells_marked_from_unmarked() {
        QFETCH(QString, source);
        QStringList unmarked;
        for (const Literal &literal : literalsOf(source))
            if (isCyrillic(literal.text) && !literal.marked)
                unmarked << literal.text;
        QTEST(unmarked.join(QLatin1Char('|')), "unmarked");
    }
};

QTEST_GUILESS_MAIN(MarkedTextsTest)
#include "marked_texts_test.moc"
