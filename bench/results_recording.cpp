// Recording one task for a student whose report and spreadsheet already hold 10,000 records: the
// old contents are read, copied to the two scratch files, and both files are written anew with the
// new record in front (four atomic writes, each with its own sync to the disk).
// Target: at most 100 ms.

#include "activity/ResultsRecord.h"

#include "BenchmarkMain.h"
#include "TestPlatform.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRecords = 10000;

TaskResult sampleTask(int i) {
    TaskResult r;
    r.student = QStringLiteral("Ann");
    r.TaskTitle = QStringLiteral("Task number %1, with a title of ordinary length").arg(i);
    r.StepCount = 2 + i % 9;
    r.TaskFinished = i % 3 != 0;
    r.IncorrectMoves = i % 7;
    r.PictureMoves = r.StepCount + r.IncorrectMoves;
    r.AccessMethod = 1 + i % 5;
    r.ScanInterval = 3;
    r.taskSeconds = 40 + i % 300;
    r.dateStamp = QStringLiteral("3/7/26 09:05 AM");
    return r;
}

// A student's files with kRecords records, made once for the whole run.
TestPlatform& folderWithHistory() {
    static const std::unique_ptr<TestPlatform> platform = [] {
        auto p = std::make_unique<TestPlatform>();
        QByteArray report;
        QByteArray csv;
        for (const QString& line : spreadsheetHeaderLines(QStringLiteral("Ann"))) csv += line.toUtf8() + "\r\n";
        for (int i = kRecords; i >= 1; --i) {
            for (const QString& line : reportRecordLines(sampleTask(i))) report += line.toUtf8() + "\r\n";
            csv += spreadsheetRow(sampleTask(i)).toUtf8() + "\r\n";
        }
        p->writeFile(QStringLiteral("Ann.sta"), report);
        p->writeFile(QStringLiteral("Ann.csv"), csv);
        return p;
    }();
    return *platform;
}

void BM_RecordResultsAfter10000Records(benchmark::State& state) {
    TestPlatform& platform = folderWithHistory();
    PendingResults pending;
    int task = kRecords;
    for (auto _ : state) {
        Status s = recordResults(platform.folder.path(), sampleTask(++task), pending);
        if (!s) state.SkipWithError(s.error().toStdString().c_str());
    }
    state.counters["report_MB"] = platform.readFile(QStringLiteral("Ann.sta")).size() / 1e6;
    state.counters["spreadsheet_MB"] = platform.readFile(QStringLiteral("Ann.csv")).size() / 1e6;
}
BENCHMARK(BM_RecordResultsAfter10000Records)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
