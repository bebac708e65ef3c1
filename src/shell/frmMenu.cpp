#include "shell/frmMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Version.h"
#include "calc/Calculate.h"
#include "dialogs/frmAddSteel.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmExpose.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "model/LoadCombinations.h"
#include "model/ResetModel.h"
#include "model/Verdicts.h"
#include "platform/Platform.h"
#include "record/VersionText.h"
#include "shell/AboutText.h"
#include "shell/DrawCrossSection.h"
#include "shell/HelpWindow.h"
#include "shell/ShippedFiles.h"
#include "shell/frmFireExplorer.h"
#include "view/CrossSectionWidget.h"
#include "view/SectionDrawing.h"

namespace fd9 {

QString MainCaption() {
    return QStringLiteral("ORVAN FD9 - FIRE DESIGN OF CONCRETE FLOORS (Ver ") +
           QString::fromLatin1(ProgramMajorMinor) + QLatin1Char(')');
}

namespace {

const char* const HelpContextProperty = "helpContextId";
// The longest texts of the value labels: a failure mode, and a number wider than any result.
const char* const LongestResultTexts[] = {FlexuralTensionText, CompressiveText, "-88888888.888"};
// A window that the cross-section view can use; the layout may ask for more.
constexpr int InitialWidth = 1000;
constexpr int InitialHeight = 600;
// Room for the title bar and borders, which are not known before the first show.
const QSize WindowFrameAllowance(16, 48);

// The value labels of the two result panels, in the order the calculation lists its results.
struct ResultRow {
    int panel;
    QLabel* frmMenu::*label;
    const char* caption;
};
const ResultRow ResultRows[ResultLabelCount] = {
    {0, &frmMenu::lblEffectiveCover, "Effective Cover to Steel (mm) from bar centres"},
    {0, &frmMenu::lblSteelTemp, "Steel Temperature (deg C)"},
    {0, &frmMenu::lblSteelArea, "Steel Area (sq mm)"},
    {0, &frmMenu::lblReducedDepth, "Reduced Depth (mm)"},
    {0, &frmMenu::lblReducedWidth, "Reduced Width (mm)"},
    {0, &frmMenu::lblConcTemp, "Concrete Temperature (deg C)"},
    {0, &frmMenu::lblAvailMomCapacity, "Available Moment Capacity (kNm)"},
    {0, &frmMenu::lblAppliedMom, "Simply Supported Applied Moment (kNm)"},
    {1, &frmMenu::lblReqNegMomEndBay, "Required negative moment capacity for an end bay (kNm)"},
    {1, &frmMenu::lblReqNegMomIntBay,
     "Required negative moment capacity for an intermediate bay (kNm)"},
    {1, &frmMenu::lblAvailNegMom, "Available negative moment capacity (kNm)"},
    {1, &frmMenu::lblFailureMode, "Failure Mode"},
    {1, &frmMenu::lblInflectionEndBay, "Distance from support to inflection point - end bay (m)"},
    {1, &frmMenu::lblInflectionIntBay,
     "Distance from support to inflection point - intermediate bay (m)"},
};

QLabel* AddResultRow(QGridLayout* grid, const char* caption) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
    auto* value = new QLabel;
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    grid->addWidget(value, row, 1);
    return value;
}

}  // namespace

frmMenu::frmMenu(FloorModel& model, Platform& platform, QWidget* parent)
    : QMainWindow(parent), model_(model), platform_(platform) {
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(MainCaption());
    buildMenus();
    buildPanels();
    SetUpHelp();
}

frmMenu::~frmMenu() = default;

void frmMenu::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->installEventFilter(this);
    auto menu = [&](const char* title, int contextId) {
        QMenu* m = bar->addMenu(QString::fromLatin1(title));
        m->setProperty(HelpContextProperty, contextId);
        m->menuAction()->setProperty(HelpContextProperty, contextId);
        m->installEventFilter(this);
        return m;
    };
    auto item = [&](QMenu* m, const char* title, auto handler) {
        QAction* a = m->addAction(QString::fromLatin1(title));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    mnuFile = menu("&File", 320);
    mnuNew = item(mnuFile, "&New", &frmMenu::mnuNew_Click);
    mnuOpen = item(mnuFile, "&Open", &frmMenu::mnuOpen_Click);
    mnuSave = mnuFile->addMenu(QStringLiteral("Save"));
    mnuSaveAs = item(mnuSave, "Save &As", [this] { mnuSaveAs_Click(); });
    mnuSaveResultsFile = item(mnuSave, "Save to Ascii File", &frmMenu::mnuSaveResultsFile_Click);
    mnuPrint = item(mnuFile, "&Print", &frmMenu::mnuPrint_Click);
    mnuExportRecord = mnuFile->addAction(QString::fromUtf8("&Export Calculation Record\u2026"));
    mnuExportRecord->setProperty(HelpContextProperty, CalculationRecordHelpContext);
    connect(mnuExportRecord, &QAction::triggered, this, &frmMenu::mnuExportRecord_Click);
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "E&xit", &frmMenu::mnuExit_Click);

    mnuFloorType = menu("Floor T&ype", 340);
    mnuFloor[static_cast<int>(FloorType::Beam)] =
        item(mnuFloorType, "&Beam", [this] { showDialog(beamDimensions()); });
    mnuFloor[static_cast<int>(FloorType::Slab)] =
        item(mnuFloorType, "&Slab", [this] { showDialog(slabDimensions()); });
    mnuFloor[static_cast<int>(FloorType::DoubleTee)] =
        item(mnuFloorType, "&Double-Tee", [this] { showDialog(doubleTeeDimensions()); });
    mnuFloor[static_cast<int>(FloorType::TeeBeam)] =
        item(mnuFloorType, "&T-Beam", [this] { showDialog(teeBeamDimensions()); });

    mnuMaterials = menu("&Materials", 360);
    mnuSteel = item(mnuMaterials, "Steel", [this] { showDialog(steelProperties()); });
    mnuConcrete = item(mnuMaterials, "&Concrete", [this] { showDialog(concreteProperties()); });

    mnuReinforcement = menu("&Reinforcement", 380);
    mnuAddSteel = item(mnuReinforcement, "Add R&einforcement", [this] { showDialog(addSteel()); });
    mnuRemoveSteel =
        item(mnuReinforcement, "Remo&ve Reinforcement", [this] { showDialog(removeSteel()); });

    mnuDesignFire = menu("Des&ign Fire", 400);
    mnuStandardFire = item(mnuDesignFire, "Standard (ISO)", [this] { showDialog(standardFire()); });
    mnuNonStandardFire =
        item(mnuDesignFire, "Non-Standard", [this] { showDialog(nonStandardFire()); });
    mnuDesignFire->addSeparator();
    mnuFireExplorer = mnuDesignFire->addAction(QStringLiteral("Fire Resistance Explorer…"));
    connect(mnuFireExplorer, &QAction::triggered, this, [this] {
        frmFireExplorer& explorer = fireExplorer();
        explorer.show();
        explorer.raise();
        explorer.activateWindow();
        explorer.Refresh();
    });

    mnuLoads = bar->addAction(QStringLiteral("&Loads"));
    mnuLoads->setProperty(HelpContextProperty, 420);
    connect(mnuLoads, &QAction::triggered, this, [this] { showDialog(designLoads()); });
    mnuExposure = bar->addAction(QStringLiteral("&Exposure"));
    connect(mnuExposure, &QAction::triggered, this, [this] { showDialog(expose()); });

    mnuHelp = menu("&Help", 440);
    mnuContents = item(mnuHelp, "Contents", &frmMenu::ShowHelpContents);
    mnuHelp->addSeparator();
    mnuAbout = item(mnuHelp, "About", &frmMenu::mnuAbout_Click);
    followCheckMarks();
}

// Check marks follow the model, never the click: a dialog moves them when it accepts.
void frmMenu::followCheckMarks() {
    for (QAction* a : mnuFloor) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this] { setFloorType(model_.Selected.FloorType); });
    }
    for (QAction* a : {mnuStandardFire, mnuNonStandardFire}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this,
                [this] { setDesignFire(model_.Selected.DesignFire); });
    }
    setFloorType(model_.Selected.FloorType);
    setDesignFire(model_.Selected.DesignFire);
}

void frmMenu::buildPanels() {
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    columns->addLayout(left);

    cmdUpdateResults = new QPushButton(QStringLiteral("CALCULATE"));
    cmdUpdateResults->setObjectName(QStringLiteral("cmdUpdateResults"));
    connect(cmdUpdateResults, &QPushButton::clicked, this, &frmMenu::Calculate);
    left->addWidget(cmdUpdateResults);
    buildResultPanels(left);

    fraMessages = new QGroupBox(QStringLiteral("Messages"));
    fraMessages->setObjectName(QStringLiteral("fraMessages"));
    auto* messages = new QVBoxLayout(fraMessages);
    lblMessages = new QLabel;
    lblMessages->setObjectName(QStringLiteral("lblMessages"));
    lblMessages->setWordWrap(true);
    lblMessages->setMinimumHeight(80);
    lblMessages->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messages->addWidget(lblMessages);
    left->addWidget(fraMessages);
    left->addStretch();

    auto* right = new QVBoxLayout;
    columns->addLayout(right, 1);
    lblFloorCrossSection = new QLabel(QStringLiteral("Cross Sectional View Through Floor"));
    lblFloorCrossSection->setObjectName(QStringLiteral("lblFloorCrossSection"));
    right->addWidget(lblFloorCrossSection);
    picFloorCrossSection = new CrossSectionWidget;
    picFloorCrossSection->setObjectName(QStringLiteral("picFloorCrossSection"));
    connect(picFloorCrossSection, &CrossSectionWidget::clicked, this, &frmMenu::DrawCrossSection);
    right->addWidget(picFloorCrossSection, 1);

    setCentralWidget(central);
    ShowResultPanel(0);
    // Open large enough for every label, and never larger than the screen.
    QSize size = sizeHint().expandedTo(QSize(InitialWidth, InitialHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() - WindowFrameAllowance);
    }
    resize(size);
}

void frmMenu::buildResultPanels(QBoxLayout* column) {
    // Both panels occupy the same place; the stack takes the size of the larger, so switching
    // between them never resizes the window.
    panels_ = new QStackedWidget;
    column->addWidget(panels_);
    fraResults[0] = new QGroupBox(QStringLiteral("Calculation Summary - Simply Supported"));
    fraResults[1] = new QGroupBox(QStringLiteral("Calculation Summary - Continuity Over Supports"));
    std::array<QGridLayout*, 2> grids{};
    for (int i = 0; i < 2; ++i) {
        fraResults[i]->setObjectName(QStringLiteral("fraResults%1").arg(i));
        fraResults[i]->installEventFilter(this);
        panels_->addWidget(fraResults[i]);
        grids[i] = new QGridLayout(fraResults[i]);
    }
    for (int i = 0; i < ResultLabelCount; ++i) {
        const ResultRow& row = ResultRows[i];
        QLabel* value = AddResultRow(grids[row.panel], row.caption);
        value->setObjectName(QStringLiteral("lbl") +
                             QString::fromLatin1(ResultLabelName(static_cast<ResultLabel>(i))));
        // Room for the longest text a label is given, so no result is ever shown cut off; the
        // x is the indent a framed label keeps from its edge.
        const QFontMetrics metrics = value->fontMetrics();
        int widest = 0;
        for (const char* text : LongestResultTexts) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(text)));
        }
        value->setMinimumWidth(widest + 2 * value->frameWidth() +
                               metrics.horizontalAdvance(QLatin1Char('x')) + 4);
        this->*row.label = value;
    }
}

QLabel* frmMenu::resultLabel(ResultLabel label) const {
    return this->*ResultRows[static_cast<int>(label)].label;
}

template <typename Dialog>
Dialog& frmMenu::dialog(std::unique_ptr<Dialog>& slot) {
    if (!slot) {
        slot = std::make_unique<Dialog>(*this);
    }
    return *slot;
}

template <typename Dialog>
void frmMenu::showDialog(Dialog& d) {
    d.showOrRaise();
}

frmBeamDimensions& frmMenu::beamDimensions() {
    return dialog(beamDimensions_);
}
frmSlabDimensions& frmMenu::slabDimensions() {
    return dialog(slabDimensions_);
}
frmDoubleTeeDimensions& frmMenu::doubleTeeDimensions() {
    return dialog(doubleTeeDimensions_);
}
frmTeeBeamDimensions& frmMenu::teeBeamDimensions() {
    return dialog(teeBeamDimensions_);
}
frmAddSteel& frmMenu::addSteel() {
    return dialog(addSteel_);
}
frmRemoveSteel& frmMenu::removeSteel() {
    return dialog(removeSteel_);
}
frmSteelProperties& frmMenu::steelProperties() {
    return dialog(steelProperties_);
}
frmConcreteProperties& frmMenu::concreteProperties() {
    return dialog(concreteProperties_);
}
frmDesignLoads& frmMenu::designLoads() {
    return dialog(designLoads_);
}
frmStandardFire& frmMenu::standardFire() {
    return dialog(standardFire_);
}
frmNonStandardFire& frmMenu::nonStandardFire() {
    return dialog(nonStandardFire_);
}
frmExpose& frmMenu::expose() {
    return dialog(expose_);
}
frmFireExplorer& frmMenu::fireExplorer() {
    if (!fireExplorer_) {
        fireExplorer_ = new frmFireExplorer(*this);
    }
    return *fireExplorer_;
}

void frmMenu::discardDialogs() {
    beamDimensions_.reset();
    slabDimensions_.reset();
    doubleTeeDimensions_.reset();
    teeBeamDimensions_.reset();
    addSteel_.reset();
    removeSteel_.reset();
    steelProperties_.reset();
    concreteProperties_.reset();
    designLoads_.reset();
    standardFire_.reset();
    nonStandardFire_.reset();
    expose_.reset();
    // Its tables describe the member that was there before; a new model must not inherit them.
    delete fireExplorer_;
    fireExplorer_ = nullptr;
}

void frmMenu::setFloorType(FloorType type) {
    model_.Selected.FloorType = type;
    for (int i = 0; i < static_cast<int>(mnuFloor.size()); ++i) {
        mnuFloor[i]->setChecked(i == static_cast<int>(type));
    }
}

void frmMenu::setDesignFire(DesignFire fire) {
    model_.Selected.DesignFire = fire;
    mnuStandardFire->setChecked(fire == DesignFire::Standard);
    mnuNonStandardFire->setChecked(fire == DesignFire::NonStandard);
}

void frmMenu::ResetModel() {
    BusyPointer busy(platform_);
    ClearCrossSection();
    discardDialogs();
    ResetModelData(model_);
    ShowResultPanel(0);
    ClearResults();
    DrawCrossSection();
}

// After New the dialogs show what the model still holds, as after Open, so that nothing the
// calculation reads differs from what a dialog shows. A value the model never got (0, which no
// dialog stores) leaves the initial texts, and the calculation refuses until it is confirmed.
void frmMenu::showHeldValues() {
    const FloorModel& m = model_;
    if (m.DeadLoad != 0 && m.Span != 0 && (m.DeadLoadFactor != 0 || m.LiveLoadFactor != 0)) {
        // Factors that NZS 4203 gives for an occupancy show as that choice; any others were
        // typed in.
        designLoads().setLoadCombination(
            ShownCombination(LoadCombination::NZS4203, m.DeadLoadFactor, m.LiveLoadFactor));
        designLoads().showModelValues();
    }
    if (m.FRRequired != 0) {
        standardFire().showModelValues();
    }
    if (m.FireLoad != 0 && m.OpeningFactor != 0) {
        nonStandardFire().showModelValues();
    }
}

void frmMenu::DrawCrossSection() {
    fd9::DrawCrossSection(*this);
}

void frmMenu::ClearCrossSection() {
    fd9::ClearCrossSection(*this);
}

void frmMenu::markTeeBeamDimension(TeeBeamDimension dimension) {
    ClearCrossSection();
    DrawCrossSection();
    DrawTeeBeamMarker(*picFloorCrossSection, model_, dimension);
}

void frmMenu::refreshBarLists() {
    removeSteel().FollowSteelLists();
}

void frmMenu::ClearResults() {
    for (const ResultRow& row : ResultRows) {
        (this->*row.label)->clear();
    }
    lblMessages->clear();
    lastRunStopped_ = false;
}

void frmMenu::ShowResultPanel(int index) {
    panels_->setCurrentWidget(fraResults[index == 1 ? 1 : 0]);
}

void frmMenu::fraResults_Click(int index) {
    ShowResultPanel(index == 0 ? 1 : 0);
}

bool frmMenu::askToSave(const QString& question) {
    const MsgAnswer answer = platform_.messageBox(question, QStringLiteral("Save now?"),
                                                  MsgIcon::Exclamation, MsgButtons::YesNo);
    // No closes every open file; none is ever left open between commands.
    return answer != MsgAnswer::Yes || mnuSaveAs_Click();
}

void frmMenu::mnuNew_Click() {
    BusyPointer busy(platform_);
    if (!askToSave(QStringLiteral("Would you like to save current file?"))) {
        return;
    }
    ResetModel();
    showHeldValues();
    modelFile_.clear();
    projectDetails_ = {};
}

void frmMenu::mnuExit_Click() {
    if (!askToSave(QStringLiteral("Would you like to save file?"))) {
        return;
    }
    exiting_ = true;
    QApplication::quit();
}

void frmMenu::mnuAbout_Click() {
    // The same two lines as --version, so a record can be matched to the program that made it.
    const std::string version = VersionText("FD9", ShippedTempData(platform_));
    platform_.messageBox(QString::fromLatin1(AboutBoxText) + QStringLiteral("\n\n") +
                             QString::fromStdString(version).trimmed(),
                         QStringLiteral("ORVAN FD9 - FIRE DESIGN OF CONCRETE FLOORS"),
                         MsgIcon::Information, MsgButtons::OK);
}

void frmMenu::closeEvent(QCloseEvent* event) {
    // The close box ends the program without asking; only Exit asks to save.
    if (!exiting_) {
        QuitHelp();
    }
    event->accept();
    QApplication::quit();
}

bool frmMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i) {
            if (watched == fraResults[i]) {
                fraResults_Click(i);
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QVariant id;
        if (auto* m = qobject_cast<QMenu*>(watched)) {
            // An item with a topic of its own, else the menu's.
            if (m->activeAction()) {
                id = m->activeAction()->property(HelpContextProperty);
            }
            if (!id.isValid()) {
                id = m->property(HelpContextProperty);
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(watched); bar && bar->activeAction()) {
            id = bar->activeAction()->property(HelpContextProperty);
        }
        if (id.isValid()) {
            ShowHelpContext(id.toInt());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace fd9
