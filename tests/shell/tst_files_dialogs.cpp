#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "files/ModelFile.h"
#include "model/NumberText.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

Q_DECLARE_METATYPE(fd9::FloorType)

namespace {

QString Text(float value) {
    return QString::fromStdString(NumberText(value));
}

std::string FileImage(const FloorModel& model) {
    std::ostringstream out;
    WriteModelFile(out, model, LoadCombination::NZS4203);
    return out.str();
}

// A model of the floor type as a user leaves it: fields, stored codes, bars and dialog options.
void Describe(frmMenu& menu, FloorType type, bool userFactors) {
    FloorModel& m = menu.model();
    menu.setFloorType(type);
    menu.setDesignFire(type == FloorType::Slab || type == FloorType::TeeBeam
                           ? DesignFire::NonStandard
                           : DesignFire::Standard);
    m.SectionWidth = type == FloorType::Beam ? 350 : 1000;
    m.SectionDepth = type == FloorType::Beam ? 650 : 175;
    m.OverallDepth = 500;
    m.OverallWidth = 2000;
    m.RibDepth = 380;
    m.RibWidthBot = 120;
    m.RibWidthTop = 160.5f;
    m.PosSteelCount = 2;
    m.PosSteel[0] = {90, 600, 20, 0};
    m.PosSteel[1] = {260, 600, 20, 0};
    m.NegSteelCount = 1;
    m.NegSteel[0] = {175, 45.5f, 16, 0};
    m.PosSteelStrength = 1770;
    m.NegSteelStrength = 430;
    m.ConcreteStrength = 32.5f;
    m.PosSteelType = 1;
    m.ConcreteType = 3;
    m.DeadLoad = 8.25f;
    m.LiveLoad = 3;
    m.DeadLoadFactor = 1.1f;
    m.LiveLoadFactor = 0.3f;
    m.Span = 7.5f;
    m.FRRequired = 90;
    m.FireLoad = 74;
    m.OpeningFactor = 0.08f;
    frmDesignLoads& loads = menu.designLoads();
    loads.optContinuous->click();
    if (userFactors) {
        loads.optUserSpecified->click();
    } else {
        loads.optStorageFloors->click();
    }
}

}  // namespace

class tst_files_dialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void everyFloorTypeComesBackInANewSession_data() {
        QTest::addColumn<FloorType>("type");
        QTest::addColumn<bool>("userFactors");
        QTest::newRow("beam, user factors") << FloorType::Beam << true;
        QTest::newRow("slab, NZS 4203") << FloorType::Slab << false;
        QTest::newRow("double-tee, NZS 4203") << FloorType::DoubleTee << false;
        QTest::newRow("tee-beam, user factors") << FloorType::TeeBeam << true;
    }

    void everyFloorTypeComesBackInANewSession() {
        QFETCH(FloorType, type);
        QFETCH(bool, userFactors);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        std::string saved;
        {
            FloorModel model;
            FakePlatform platform;
            frmMenu menu(model, platform);
            menu.ResetModel();
            Describe(menu, type, userFactors);
            platform.fileNames.push_back(path);
            QVERIFY(menu.mnuSaveAs_Click());
            saved = FileImage(model);
            QCOMPARE(model.SupportCondition, 1);
            if (!userFactors) {
                QCOMPARE(model.LiveLoadFactor, 0.6f);  // storage floors
            }
        }

        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        platform.fileNames.push_back(path);
        menu.mnuOpen_Click();
        QVERIFY2(platform.boxes.empty(), qPrintable(platform.boxTexts().join(QLatin1Char('|'))));
        QCOMPARE(FileImage(model), saved);

        for (FloorType t :
             {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
            QCOMPARE(menu.mnuFloor[int(t)]->isChecked(), t == type);
        }
        const bool nonStandard = type == FloorType::Slab || type == FloorType::TeeBeam;
        QCOMPARE(menu.mnuNonStandardFire->isChecked(), nonStandard);
        QCOMPARE(menu.mnuStandardFire->isChecked(), !nonStandard);
        QCOMPARE(model.Selected.SupportCondition, SupportCondition::Continuous);
        QCOMPARE(model.Selected.PosSteelType, SteelType::PrestressingStrand);
        QCOMPARE(model.Selected.ConcreteType, ConcreteType::Dacite);

        switch (type) {
            case FloorType::Beam:
                QCOMPARE(menu.beamDimensions().txtBeamDepth->text(), Text(650));
                QCOMPARE(menu.beamDimensions().txtBeamWidth->text(), Text(350));
                break;
            case FloorType::Slab:
                QCOMPARE(menu.slabDimensions().txtSlabDepth->text(), Text(175));
                break;
            case FloorType::DoubleTee: {
                frmDoubleTeeDimensions& d = menu.doubleTeeDimensions();
                QCOMPARE(d.txtDoubleTeeOverallDepth->text(), Text(500));
                QCOMPARE(d.txtDoubleTeeOverallWidth->text(), Text(2000));
                QCOMPARE(d.txtDoubleTeeRibDepth->text(), Text(380));
                QCOMPARE(d.txtDoubleTeeRibWidthBot->text(), Text(120));
                QCOMPARE(d.txtDoubleTeeRibWidthTop->text(), Text(160.5f));
                break;
            }
            case FloorType::TeeBeam: {
                frmTeeBeamDimensions& d = menu.teeBeamDimensions();
                QCOMPARE(d.txtTeeBeamDepth->text(), Text(500));
                QCOMPARE(d.txtTeeBeamWidth->text(), Text(2000));
                QCOMPARE(d.txtTeeBeamRibDepth->text(), Text(380));
                QCOMPARE(d.txtTeeBeamRibWidthBot->text(), Text(120));
                QCOMPARE(d.txtTeeBeamRibWidthTop->text(), Text(160.5f));
                break;
            }
        }

        frmRemoveSteel& lists = menu.removeSteel();
        QCOMPARE(lists.lstSteelPos->count(), 2);
        QCOMPARE(lists.lstSteelNeg->count(), 1);
        QCOMPARE(lists.lstSteelPos->item(1)->text(), SteelListItem(model.PosSteel, 1));
        QCOMPARE(lists.lstSteelNeg->item(0)->text(), SteelListItem(model.NegSteel, 0));

        frmDesignLoads& loads = menu.designLoads();
        QVERIFY(loads.optContinuous->isChecked());
        QCOMPARE(loads.txtDeadLoad->text(), Text(8.25f));
        QCOMPARE(loads.txtLiveLoad->text(), Text(3));
        QCOMPARE(loads.txtSpan->text(), Text(7.5f));
        QCOMPARE(loads.optUserSpecified->isChecked(), userFactors);
        QCOMPARE(loads.optNZS4203->isChecked(), !userFactors);
        QCOMPARE(loads.txtDeadLoadReduction->isEnabled(), userFactors);
        QCOMPARE(loads.optRoofs->isEnabled(), !userFactors);
        if (userFactors) {
            QCOMPARE(loads.txtDeadLoadReduction->text(), Text(1.1f));
            QCOMPARE(loads.txtLiveLoadReduction->text(), Text(0.3f));
        } else {
            QVERIFY(loads.optStorageFloors->isChecked());
        }

        QCOMPARE(menu.standardFire().txtFRRequired->text(), Text(90));
        QCOMPARE(menu.concreteProperties().txtCompressiveStrength->text(), Text(32.5f));
        QCOMPARE(menu.concreteProperties().cboConcreteType->currentIndex(), 3);
        QCOMPARE(menu.steelProperties().txtSteelPosStrength->text(), Text(1770));
        QCOMPARE(menu.steelProperties().txtSteelNegStrength->text(), Text(430));
        QCOMPARE(menu.steelProperties().lstSteelPosType->currentRow(), 1);
        QCOMPARE(menu.steelProperties().lstSteelNegType->currentRow(), 0);
        if (nonStandard) {
            QVERIFY(menu.nonStandardFire().optMedFireLoad->isChecked());
            QVERIFY(menu.nonStandardFire().optOpeningFactor08->isChecked());
        }
        QCOMPARE(platform.busyDepth, 0);
    }

    void openingTwiceInARowGivesTheSameDialogs() {
        // Lists are emptied before they are filled: no bar appears twice.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("model.dat"));
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        Describe(menu, FloorType::Beam, true);
        platform.fileNames.push_back(path);
        QVERIFY(menu.mnuSaveAs_Click());
        platform.fileNames.push_back(path);
        menu.mnuOpen_Click();
        platform.fileNames.push_back(path);
        menu.mnuOpen_Click();
        QCOMPARE(menu.removeSteel().lstSteelPos->count(), 2);
        QCOMPARE(menu.removeSteel().lstSteelNeg->count(), 1);
    }

    void openCalculateAndReportAgree() {
        // A model opened in a fresh session calculates with the file's settings, and the
        // report's verdict is the one the calculation showed.
        QTemporaryDir dir;
        FloorModel model;
        FakePlatform platform;
        platform.programDir = QStringLiteral(FD9_DATA_DIR);
        frmMenu menu(model, platform);
        menu.ResetModel();
        platform.fileNames.push_back(
            QStringLiteral(FD9_TEST_SOURCE_DIR "/tools/cli/models/slab.dat"));
        menu.mnuOpen_Click();
        QVERIFY(platform.boxes.empty());
        menu.Calculate();
        QVERIFY(!platform.boxes.empty());
        const QString verdict = platform.boxes.back().text.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(verdict.startsWith(QStringLiteral("STABILITY OF  30 MINUTES")),
                 qPrintable(verdict));
        const QString report = dir.filePath(QStringLiteral("report.txt"));
        platform.fileNames.push_back(report);
        menu.mnuSaveResultsFile_Click();
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(QString::fromLatin1(lines.at(lines.size() - 2).trimmed()), verdict.trimmed());
        QVERIFY(lines.contains("Concrete Type is alluvial quartz (NZS 3101 Type A)\r"));
    }
};

QTEST_MAIN(tst_files_dialogs)
#include "tst_files_dialogs.moc"
