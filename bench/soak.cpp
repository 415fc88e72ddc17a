// Soak: every tool opened, read, reported and closed many times in one process (1,000 by
// default, or the first argument). Financial and Career readings are opened from a saved file and
// saved again from their report. Prints the resident memory and the number of live widgets before
// and after; exits 1 when memory grew by more than 1 MiB or a widget outlived its window.

#include "QuietPlatform.h"
#include "app/frmMDI.h"
#include "content/Pictures.h"
#include "reports/modSavedReading.h"
#include "tools/Tools.h"
#include "widgets/ToolWindow.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

using namespace orbika;

constexpr long kMaxGrowthKiB = 1024;

long ResidentKiB() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The loaded window of that role, or null.
ToolWindow* Loaded(frmMDI& main, ToolWindowRole role) {
    for (ToolWindow* window : main.toolWindows()) {
        if (window->role() == role)
            return window;
    }
    return nullptr;
}

bool Click(QWidget* window, const char* name) {
    auto* button = window ? window->findChild<QPushButton*>(QString::fromLatin1(name)) : nullptr;
    if (button)
        button->click();
    return button != nullptr;
}

// One cycle of one tool; false when a window did not come as it should.
bool Cycle(frmMDI& main, QuietPlatform& platform, int tool) {
    main.cmdSelectOption_Click(tool);
    ToolWindow* entry = Loaded(main, ToolWindowRole::Entry);
    const bool hasReport = !Tools()[std::size_t(tool)].planet;
    if (hasReport) {
        platform.openAnswer = platform.saveAnswer;
        if (!Click(entry, "cmdOpen"))
            return false;
    } else {
        entry->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANN"));
        if (!Click(entry, "cmdNext"))
            return false;
    }
    Settle();
    ToolWindow* result = Loaded(main, ToolWindowRole::Result);
    if (!result || platform.messages > 0)
        return false;
    if (hasReport) {
        if (!Click(result, "cmdPrint"))
            return false;
        ToolWindow* report = Loaded(main, ToolWindowRole::Report);
        if (!Click(report, "cmdSave"))
            return false;
        report->close();
        Settle();
    }
    Click(Loaded(main, ToolWindowRole::Result), "cmdExit");
    main.closeAllToolWindows();
    Settle();
    return main.toolWindows().isEmpty();
}

struct Sample {
    long residentKiB;
    long heapKiB; // allocated with malloc and not yet freed
    qsizetype widgets;
};

Sample Measure() {
    Settle();
    malloc_trim(0);
    return {ResidentKiB(), long(mallinfo2().uordblks / 1024), QApplication::allWidgets().size()};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As main() does: every window shares the program's icon.
    QApplication::setWindowIcon(AppIcon());
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    constexpr int kWarmUp = 10;

    QTemporaryDir dir;
    QuietPlatform platform;
    frmMDI main(platform);
    main.resize(1280, 900);
    main.show();
    Settle();

    std::printf("%-26s %6s %11s %11s %9s %10s %8s %8s\n", "tool", "cycles", "RSS before",
                "RSS after", "growth", "heap grew", "widgets", "after");
    // A second argument runs that tool (its place in the tool table, from 0) alone.
    const int only = argc > 2 ? std::atoi(argv[2]) : -1;
    bool passed = true;
    for (int tool = 0; tool < int(kToolCount); ++tool) {
        if (only >= 0 && tool != only)
            continue;
        const Tool& kind = Tools()[std::size_t(tool)];
        // Financial and Career open the file their own report saved in the cycle before.
        platform.saveAnswer =
            dir.filePath(tool == 0 ? QStringLiteral("soak.zod") : QStringLiteral("soak.cwc"));
        QFile seed(platform.saveAnswer);
        if (seed.open(QIODevice::WriteOnly))
            seed.write(QByteArray::fromStdString(FormatSavedReading({"Ada", "June", "3", "1971"})));
        seed.close();
        bool ok = true;
        for (int i = 0; i < kWarmUp && ok; ++i)
            ok = Cycle(main, platform, tool);
        const Sample before = Measure();
        for (int i = 0; i < cycles && ok; ++i)
            ok = Cycle(main, platform, tool);
        const Sample after = Measure();
        const long growth = after.residentKiB - before.residentKiB;
        std::printf("%-26.*s %6d %7ld KiB %7ld KiB %5ld KiB %6ld KiB %8lld %8lld\n",
                    int(kind.caption.size()), kind.caption.data(), cycles, before.residentKiB,
                    after.residentKiB, growth, after.heapKiB - before.heapKiB,
                    static_cast<long long>(before.widgets), static_cast<long long>(after.widgets));
        if (!ok)
            std::printf("  a cycle did not go as it should\n");
        passed = passed && ok && growth <= kMaxGrowthKiB && after.widgets == before.widgets;
    }
    std::printf("%s\n", passed ? "PASS" : "FAIL");
    return passed ? 0 : 1;
}
