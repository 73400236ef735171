// Opening a window on text documents of the shapes that cost the pane the most,
// each right at the capacity, against the same window on the shipped texts;
// and how soon a document past the capacity is refused. Every repetition starts
// the program afresh (through the start probe, which starts it as main() does
// and reports its first paint) in a folder holding the documents, and measures:
//   time: from the start of the process to the first paint of the main window,
//         or from the command that opens another window to its first paint,
//         or to the error box for a refused document;
//   CPU:  the process's processor time until then, which shared machines
//         disturb far less than the time;
//   peak: the process's largest resident memory until then (as it reads it).
// Needs a display with a window manager (run-all.sh provides one). Run with
// random interleaving so that shipped and shaped documents alternate. After the
// runs it prints a table of medians, the peak memory against the shipped texts
// in the same window.
#include "../tests/support/DocumentShapes.h"
#include "SpawnProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Run {
    double ms = 0, cpuMs = 0, peakMb = 0;
    std::string painted; // "window" or "box"
};

// Starts the probe in the folder, opening the named window.
bool runProbe(const std::string &folder, const char *window, Run &run)
{
    ProbeReport report;
    if (!runStartProbe(QUILLMERE_PROBE, folder.c_str(), {window}, report) || !report.peakReported())
        return false;
    run.ms = report.seconds() * 1e3;
    run.cpuMs = report.cpuMs();
    run.peakMb = report.peakMb();
    run.painted = report.painted;
    return true;
}

struct Case {
    std::string window;   // main, celtic, qabalistic or information
    std::string document; // the shape, or "shipped"
    qsizetype bytes = 0;
    bool refused = false;
    std::unique_ptr<QTemporaryDir> folder;
    std::vector<Run> runs;
};

std::vector<std::unique_ptr<Case>> &cases()
{
    static std::vector<std::unique_ptr<Case>> all;
    return all;
}

void BM_OpenDocument(benchmark::State &state, Case *c)
{
    Run run;
    for (auto _ : state) {
        if (!runProbe(c->folder->path().toStdString(), c->window.c_str(), run)) {
            state.SkipWithError("the probe painted nothing");
            return;
        }
        if ((run.painted == "box") != c->refused) {
            state.SkipWithError(c->refused ? "the window opened on a document past the capacity"
                                           : "the document was refused");
            return;
        }
        state.SetIterationTime(run.ms / 1e3);
    }
    c->runs.push_back(run);
    state.counters["cpu_ms"] = run.cpuMs;
    state.counters["peak_MB"] = run.peakMb;
}

void addCase(const char *window, const char *document, const QByteArray *bytes, bool refused)
{
    auto c = std::make_unique<Case>();
    c->window = window;
    c->document = document;
    c->refused = refused;
    c->folder = std::make_unique<QTemporaryDir>();
    const QDir shipped(QStringLiteral(QUILLMERE_DATA_DIR));
    for (const char *name : {"meanings.txt", "about.txt"})
        QFile::copy(shipped.filePath(QString::fromLatin1(name)), c->folder->filePath(QString::fromLatin1(name)));
    const QString target = c->folder->filePath(c->window == "information" ? QStringLiteral("about.txt")
                                                                          : QStringLiteral("meanings.txt"));
    if (bytes) {
        QFile::remove(target);
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
        c->bytes = bytes->size();
    } else {
        c->bytes = QFileInfo(target).size();
    }
    const std::string name = "documents/" + c->window + "/" + c->document;
    benchmark::RegisterBenchmark(name.c_str(), BM_OpenDocument, c.get())
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    cases().push_back(std::move(c));
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printTable()
{
    std::map<std::string, double> shippedPeak;
    for (const auto &c : cases()) {
        if (c->document == "shipped") {
            std::vector<double> peaks;
            for (const Run &run : c->runs)
                peaks.push_back(run.peakMb);
            shippedPeak[c->window] = median(peaks);
        }
    }
    std::printf("\n| Window | Document | Bytes | Time, median | CPU, median | Peak memory | Against shipped | |\n"
                "|---|---|---:|---:|---:|---:|---:|---|\n");
    for (const auto &c : cases()) {
        std::vector<double> ms, cpu, peak;
        for (const Run &run : c->runs) {
            ms.push_back(run.ms);
            cpu.push_back(run.cpuMs);
            peak.push_back(run.peakMb);
        }
        if (c->runs.empty())
            continue; // filtered out, or failed with its error above
        std::printf("| %s | %s | %lld | %.0f ms | %.0f ms | %.1f MB | %+.1f MB | %s |\n", c->window.c_str(),
                    c->document.c_str(), static_cast<long long>(c->bytes), median(ms), median(cpu), median(peak),
                    median(peak) - shippedPeak[c->window], c->refused ? "refused" : "");
    }
}

} // namespace

int main(int argc, char **argv)
{
    const auto atCapacity = DocumentShapes::atCapacity();
    const auto pastCapacity = DocumentShapes::pastCapacity();
    const auto named = [](const QList<DocumentShapes::Document> &documents, const char *name) -> const QByteArray * {
        for (const auto &document : documents) {
            if (qstrcmp(document.name, name) == 0)
                return &document.bytes;
        }
        std::fprintf(stderr, "no document named %s\n", name);
        std::exit(2);
    };

    for (const char *window : {"main", "celtic", "qabalistic", "information"})
        addCase(window, "shipped", nullptr, false);
    for (const auto &document : atCapacity)
        addCase("main", document.name, &document.bytes, false);
    // The narrowest panes, where a long line wraps most often; and the Information window.
    for (const char *window : {"celtic", "qabalistic", "information"}) {
        for (const char *name :
             {"every limit at once", "one line, left-to-right and right-to-left letters taking turns",
              "one line, one word"})
            addCase(window, name, named(atCapacity, name), false);
    }
    // How soon a document past the capacity is refused, and the largest refused outright.
    for (const char *name : {"one byte too many", "one LF line too many", "one letter too many, taking turns"})
        addCase("main", name, named(pastCapacity, name), true);
    const QByteArray oneHugeLine = DocumentShapes::fill("x", 10 * 1024 * 1024);
    addCase("main", "10 MB in one line", &oneHugeLine, true);
    addCase("information", "one letter too many, taking turns",
            named(pastCapacity, "one letter too many, taking turns"), true);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printTable();
    return 0;
}
