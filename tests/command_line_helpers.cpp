// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line_helpers.h"

#include "law_catalogue.h"
#include "law_proof.h"

#include <QProcess>

ProgramRun runProgram(const QStringList &arguments, const QByteArray &input) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PROGRAM_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

int variableCount(int row) { return catalogue::lawCatalogue[std::size_t(row)].variableCount == "3" ? 3 : 2; }

QByteArray resultBoxText(int row, int bits) {
    const int count = variableCount(row);
    const auto digit = [&](int variable) {
        return variable < count ? (bits >> (count - 1 - variable)) & 1 : 0;
    };
    const catalogue::LawRow &law = catalogue::lawCatalogue[std::size_t(row)];
    QByteArray text = QByteArray::fromStdString(provers::lawProof(
        std::int16_t(row), law.name, law.formula, provers::formValuesOf(digit(0), digit(1), digit(2))));
    return text.replace("\r\n", "\n");
}
