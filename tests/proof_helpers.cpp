// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_helpers.h"

#include "dispatch.h"

#include <QTest>

namespace testing {

std::vector<Inputs> allInputs(int variableCount) {
    std::vector<Inputs> inputs;
    for (int bits = 0; bits < (1 << variableCount); ++bits) {
        const int a = (bits >> (variableCount - 1)) & 1;
        const int b = (bits >> (variableCount - 2)) & 1;
        const int c = variableCount == 3 ? bits & 1 : 0;
        inputs.push_back({a, b, c});
    }
    return inputs;
}

QByteArray proofOf(int row, Inputs inputs) {
    provers::FormValues form;
    form.A = inputs.A;
    form.B = inputs.B;
    form.C = inputs.C;
    form.NotA = inputs.A == 1 ? 0 : 1;
    form.NotB = inputs.B == 1 ? 0 : 1;
    provers::ProofText text;
    provers::proveRow(static_cast<std::int16_t>(row), form, text);
    return QByteArray::fromStdString(text.text());
}

std::vector<std::string> linesOf(const QByteArray &text) {
    std::vector<std::string> lines;
    if (!text.endsWith("\r\n")) {
        QTest::qFail("the proof does not end with \\r\\n", __FILE__, __LINE__);
        return lines;
    }
    const std::string whole = text.toStdString();
    std::size_t start = 0;
    for (std::size_t end; (end = whole.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(whole.substr(start, end - start));
    return lines;
}

QByteArray fromPattern(std::string_view pattern, Inputs inputs, const std::vector<std::string> &printed) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == 'A' || c == 'B' || c == 'C') {
            text += std::to_string(c == 'A' ? inputs.A : c == 'B' ? inputs.B : inputs.C);
        } else if (c == '{') {
            const std::size_t close = pattern.find('}', at);
            text += printed.at(std::stoul(std::string(pattern.substr(at + 1, close - at - 1))));
            at = close;
        } else {
            text += c;
        }
    }
    return QByteArray::fromStdString(text);
}

std::pair<std::string, std::string> sidesOf(const std::string &line) {
    const std::size_t at = line.rfind(" = ");
    if (at == std::string::npos)
        return {line, std::string()};
    return {line.substr(0, at), line.substr(at + 3)};
}

bool truthOf(const std::string &word) {
    if (word == "True" || word == "1")
        return true;
    if (word != "False" && word != "0")
        QTest::qFail(("not a truth value: '" + word + "'").c_str(), __FILE__, __LINE__);
    return false;
}

QByteArray caseName(int row, Inputs inputs) {
    return QByteArray("law ") + QByteArray::number(row + 1) + ", A=" + QByteArray::number(inputs.A) +
           " B=" + QByteArray::number(inputs.B) + " C=" + QByteArray::number(inputs.C);
}

} // namespace testing
