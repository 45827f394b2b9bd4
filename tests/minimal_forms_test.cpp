// SPDX-License-Identifier: GPL-3.0-or-later
// Minimal forms against brute force: every implicant of the function is a
// candidate, and the cheapest union equal to the function is found by
// dynamic programming over the sets of rows covered so far.

#include "minimal_forms.h"

#include <QTest>

#include <algorithm>
#include <random>

using derivations::Cover;
using derivations::Term;

namespace {

std::uint64_t allRows(int n) { return n == 6 ? ~std::uint64_t(0) : (std::uint64_t(1) << (1 << n)) - 1; }

std::vector<Term> implicantsOf(int n, std::uint64_t truth) {
    std::vector<Term> implicants;
    for (std::uint32_t care = 0; care < (1u << n); ++care)
        for (std::uint32_t value = 0; value < (1u << n); ++value)
            if ((value & ~care) == 0 && (derivations::rowsOf(n, {care, value}) & ~truth) == 0)
                implicants.push_back({care, value});
    return implicants;
}

std::uint64_t unionOf(int n, const Cover &cover) {
    std::uint64_t rows = 0;
    for (Term term : cover)
        rows |= derivations::rowsOf(n, term);
    return rows;
}

int literalsOf(const Cover &cover) {
    int literals = 0;
    for (Term term : cover)
        literals += derivations::literalCount(term);
    return literals;
}

// The cheapest (first, second) cost of a union of implicants equal to truth,
// over every set of rows (at most four variables); a union only grows, so the
// sets are visited in increasing order.
std::pair<int, int> bruteForceCost(int n, std::uint64_t truth, bool termsFirst) {
    const std::pair unreached{1 << 20, 1 << 20};
    std::vector<std::pair<int, int>> best(std::size_t(allRows(n)) + 1, unreached);
    best[0] = {0, 0};
    const std::vector<Term> implicants = implicantsOf(n, truth);
    for (std::uint64_t set = 0; set < truth; ++set)
        if (best[set] != unreached && (set & ~truth) == 0)
            for (Term term : implicants) {
                const int literals = derivations::literalCount(term);
                const std::pair step = termsFirst ? std::pair{1, literals} : std::pair{literals, 1};
                auto &grown = best[set | derivations::rowsOf(n, term)];
                grown = std::min(grown, {best[set].first + step.first, best[set].second + step.second});
            }
    return best[truth];
}

// How many covers by exactly `terms` implicants have `literals` literals.
std::size_t coversOfCost(int n, std::uint64_t truth, int literals, int terms) {
    const std::vector<Term> implicants = implicantsOf(n, truth);
    std::size_t count = 0;
    Cover picked;
    auto pick = [&](auto &self, std::size_t from) -> void {
        if (int(picked.size()) == terms) {
            count += unionOf(n, picked) == truth && literalsOf(picked) == literals;
            return;
        }
        for (std::size_t i = from; i < implicants.size(); ++i) {
            picked.push_back(implicants[i]);
            self(self, i + 1);
            picked.pop_back();
        }
    };
    pick(pick, 0);
    return count;
}

bool isPrime(int n, std::uint64_t truth, Term term) {
    for (std::uint32_t bit = 1; bit < (1u << n); bit <<= 1)
        if ((term.care & bit) &&
            (derivations::rowsOf(n, {term.care & ~bit, term.value & ~bit}) & ~truth) == 0)
            return false;
    return true;
}

} // namespace

class MinimalFormsTest : public QObject {
    Q_OBJECT

private slots:
    void minimal_forms_cost_what_brute_force_finds_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<quint64>("truth");
        for (int n = 0; n <= 3; ++n)
            for (quint64 truth = 0; truth <= allRows(n); ++truth)
                QTest::addRow("%d variables, truth %llx", n, truth) << n << truth;
        std::mt19937_64 random{4};
        for (int i = 0; i < 40; ++i) {
            const quint64 truth = random() & 0xffff;
            QTest::addRow("4 variables, truth %llx", truth) << 4 << truth;
        }
        for (quint64 truth : {0x0000ull, 0xffffull, 0x6996ull, 0x8421ull, 0x9009ull, 0xf99full})
            QTest::addRow("4 variables, truth %llx", truth) << 4 << truth;
    }
    void minimal_forms_cost_what_brute_force_finds() {
        QFETCH(int, n);
        QFETCH(quint64, truth);
        for (const bool products : {true, false}) {
            const std::uint64_t ones = products ? truth : ~truth & allRows(n);
            const auto covers = products ? derivations::minimalSumsOfProducts(n, truth)
                                         : derivations::minimalProductsOfSums(n, truth);
            QVERIFY(!covers.empty());
            const auto [literals, terms] = bruteForceCost(n, ones, false);
            for (const Cover &cover : covers) {
                QCOMPARE(unionOf(n, cover), ones);
                QCOMPARE(literalsOf(cover), literals);
                QCOMPARE(int(cover.size()), terms);
            }
            for (std::size_t i = 1; i < covers.size(); ++i)
                QVERIFY(covers[i - 1] != covers[i]); // each cover once, in a stable order
            // Every minimal cover, where brute force can list them all.
            if (n <= 3)
                QCOMPARE(covers.size(), coversOfCost(n, ones, literals, terms));
            QCOMPARE(derivations::fewestTermCount(n, ones), bruteForceCost(n, ones, true).first);
        }
    }

    // Beyond brute force: each cover is the function, by prime implicants none
    // of which can go, and a second call answers the same.
    void larger_functions_are_covered_by_primes_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<quint64>("truth");
        std::mt19937_64 random{6};
        for (int i = 0; i < 12; ++i) {
            const int n = 5 + i % 2;
            const quint64 truth = random() & allRows(n);
            QTest::addRow("%d variables, truth %llx", n, truth) << n << truth;
        }
        QTest::newRow("6-variable parity") << 6 << quint64(0x6996966996696996ull);
        QTest::newRow("6 variables, all rows but one") << 6 << quint64(~std::uint64_t(1));
        QTest::newRow("5 variables, dense random") << 5 << quint64(0xfbf7dfbeull);
    }
    void larger_functions_are_covered_by_primes() {
        QFETCH(int, n);
        QFETCH(quint64, truth);
        const auto covers = derivations::minimalSumsOfProducts(n, truth);
        QVERIFY(!covers.empty());
        for (const Cover &cover : covers) {
            QCOMPARE(unionOf(n, cover), std::uint64_t(truth));
            QCOMPARE(literalsOf(cover), literalsOf(covers.front()));
            for (std::size_t i = 0; i < cover.size(); ++i) {
                QVERIFY(isPrime(n, truth, cover[i]));
                Cover without = cover;
                without.erase(without.begin() + std::ptrdiff_t(i));
                QVERIFY(unionOf(n, without) != truth);
            }
        }
        QCOMPARE(derivations::minimalSumsOfProducts(n, truth), covers);
    }

    void covers_print_in_the_readers_notation_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<quint64>("truth");
        QTest::addColumn<QString>("sumOfProducts");
        QTest::addColumn<QString>("productOfSums");
        QTest::newRow("two products") << 4 << quint64(0xf888) << "A ^ B v C ^ D"
                                      << "(A v C) ^ (A v D) ^ (B v C) ^ (B v D)";
        QTest::newRow("constant 0") << 2 << quint64(0) << "0"
                                    << "0";
        QTest::newRow("constant 1") << 3 << quint64(0xff) << "1"
                                    << "1";
        QTest::newRow("one negated literal") << 2 << quint64(0x3) << "!A"
                                             << "!A";
        QTest::newRow("one clause") << 2 << quint64(0xe) << "A v B"
                                    << "A v B";
        QTest::newRow("literal beside a clause") << 3 << quint64(0xe0) << "A ^ B v A ^ C"
                                                 << "A ^ (B v C)";
        QTest::newRow("exclusive or") << 2 << quint64(0x6) << "A ^ !B v !A ^ B"
                                      << "(A v B) ^ (!A v !B)";
        QTest::newRow("no variables, true") << 0 << quint64(1) << "1"
                                            << "1";
    }
    void covers_print_in_the_readers_notation() {
        QFETCH(int, n);
        QFETCH(quint64, truth);
        QFETCH(QString, sumOfProducts);
        QFETCH(QString, productOfSums);
        const auto sums = derivations::minimalSumsOfProducts(n, truth);
        const auto products = derivations::minimalProductsOfSums(n, truth);
        QCOMPARE(QString::fromStdString(derivations::formatSumOfProducts(n, sums.front(), "ABCD")),
                 sumOfProducts);
        QCOMPARE(QString::fromStdString(derivations::formatProductOfSums(n, products.front(), "ABCD")),
                 productOfSums);
    }

    void variable_counts_beyond_six_give_no_cover() {
        QVERIFY(derivations::minimalSumsOfProducts(7, 1).empty());
        QVERIFY(derivations::minimalProductsOfSums(-1, 1).empty());
        QCOMPARE(derivations::fewestTermCount(7, 1), -1);
    }
};

QTEST_MAIN(MinimalFormsTest)
#include "minimal_forms_test.moc"
