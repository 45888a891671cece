// Widgets need an application object; the tests run headless.
//
// Started as "scores_test --record FILE COUNT won|lost" the program is instead one of
// several copies of the game finishing COUNT games into the same score file, for the
// test of copies writing at the same moment.
#include "scores/ScoreTable.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

namespace {

int RecordResults(const QString& path, int count, bool won) {
    zarn::ScoreTable table(nullptr, path);
    table.setGameName(QStringLiteral("zarn"));
    table.setStartupFlagB(true);
    table.setStartupFlagA(true);
    table.store().setLockTimeout(30000);
    for (int i = 0; i < count; ++i) table.setGameWon(won);
    return table.pendingResults() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--record") == 0)
        return RecordResults(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]),
                             std::strcmp(argv[4], "won") == 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
