// Many CALCULATEs and open/save cycles in one main window: the heap in use must stay flat.
// CI runs a few cycles; FD9_SOAK_CYCLES=1000 under valgrind's massif gives the long figure.
#include <malloc.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool HeapIsMeasurable = false;  // the sanitizer's allocator keeps freed blocks
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool HeapIsMeasurable = false;
#else
constexpr bool HeapIsMeasurable = true;
#endif
#else
constexpr bool HeapIsMeasurable = true;
#endif

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

int Cycles() {
    const int cycles = qEnvironmentVariableIntValue("FD9_SOAK_CYCLES");
    return cycles > 0 ? cycles : 60;
}

void DescribeSlab(frmMenu& menu) {
    menu.ResetModel();
    menu.setFloorType(FloorType::Slab);
    FloorModel& m = menu.model();
    m.SectionWidth = 1000;
    m.SectionDepth = 150;
    m.PosSteelCount = 3;
    m.PosSteel[0] = {200, 120, 12, 0};
    m.PosSteel[1] = {500, 120, 12, 0};
    m.PosSteel[2] = {800, 120, 12, 0};
    m.PosSteelStrength = 300;
    m.NegSteelStrength = 300;
    m.ConcreteStrength = 25;
    m.FRRequired = 60;
    m.DeadLoad = 5;
    m.LiveLoad = 3;
    m.DeadLoadFactor = 1;
    m.LiveLoadFactor = 0.4f;
    m.Span = 4;
}

}  // namespace

class tst_reliabilitySoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void memoryStaysFlatOverCalculateAndOpenSaveCycles() {
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        platform.programDir = QStringLiteral(FD9_TEST_SOURCE_DIR "/calc/data");
        frmMenu menu(model, platform);
        DescribeSlab(menu);
        const QString file = dir.filePath(QStringLiteral("soak.dat"));

        auto cycle = [&] {
            menu.Calculate();
            platform.fileNames.push_back(file);
            QVERIFY(menu.mnuSaveAs_Click());
            platform.fileNames.push_back(file);
            menu.mnuOpen_Click();
            // The recording platform keeps every box; the program keeps none.
            platform.boxes.clear();
            platform.fileRequests.clear();
        };
        menu.Calculate();
        // A soak of runs that stop at once would prove little.
        QVERIFY2(menu.lblMessages->text().contains(QStringLiteral("STABILITY")),
                 qPrintable(menu.lblMessages->text()));
        // Warm-up: the dialogs, fonts and caches that the first commands create once.
        for (int i = 0; i < 10; ++i)
            cycle();
        malloc_trim(0);
        const std::size_t start = HeapInUse();
        const int cycles = Cycles();
        for (int i = 0; i < cycles; ++i)
            cycle();
        malloc_trim(0);
        const std::size_t end = HeapInUse();
        qInfo("heap in use after warm-up %zu bytes, after %d cycles %zu bytes", start, cycles, end);
        if (HeapIsMeasurable) {
            // A leak of even one small block per cycle shows; allocator noise stays far below.
            QVERIFY2(end <= start + 16 * 1024, "the heap grew over the cycles");
        }
    }
};

QTEST_MAIN(tst_reliabilitySoak)
#include "tst_reliabilitySoak.moc"
