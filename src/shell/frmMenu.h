#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "calc/Calculate.h"
#include "dialogs/DialogHost.h"
#include "model/FloorModel.h"
#include "model/RecordDetails.h"

class QAction;
class QBoxLayout;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace fd9 {

class Platform;
struct FileDialogRequest;
class CrossSectionWidget;
class frmBeamDimensions;
class frmSlabDimensions;
class frmDoubleTeeDimensions;
class frmTeeBeamDimensions;
class frmAddSteel;
class frmRemoveSteel;
class frmSteelProperties;
class frmConcreteProperties;
class frmDesignLoads;
class frmStandardFire;
class frmNonStandardFire;
class frmExpose;
class frmFireExplorer;

// "ORVAN FD9 - FIRE DESIGN OF CONCRETE FLOORS (Ver 2.6)", with the program's own version.
QString MainCaption();

// The main window: menus, the CALCULATE button, the result panels, the message area and the
// cross-section view. It owns the dialogs (created on first use, discarded by a reset) but not
// the model, which the application owns.
class frmMenu : public QMainWindow, public DialogHost {
    Q_OBJECT

public:
    frmMenu(FloorModel& model, Platform& platform, QWidget* parent = nullptr);
    ~frmMenu() override;

    FloorModel& model() override { return model_; }
    Platform& platform() override { return platform_; }
    QWidget* dialogParent() override { return this; }

    // The dialogs, loaded on first use with their initial contents.
    frmBeamDimensions& beamDimensions();
    frmSlabDimensions& slabDimensions();
    frmDoubleTeeDimensions& doubleTeeDimensions();
    frmTeeBeamDimensions& teeBeamDimensions();
    frmAddSteel& addSteel();
    frmRemoveSteel& removeSteel();
    frmSteelProperties& steelProperties();
    frmConcreteProperties& concreteProperties();
    frmDesignLoads& designLoads();
    frmStandardFire& standardFire();
    frmNonStandardFire& nonStandardFire();
    frmExpose& expose();
    // The fire resistance explorer window, created on first use.
    frmFireExplorer& fireExplorer();
    // True once a dialog of that kind has been loaded since the last reset.
    bool slabDimensionsLoaded() const { return slabDimensions_ != nullptr; }

    // The check marks are the current floor type and design fire; moving one moves the
    // selection the calculation reads.
    void setFloorType(FloorType type) override;
    void setDesignFire(DesignFire fire) override;

    void ResetModel();
    // Fills the dialogs with the loads and fires the model holds after a reset.
    void showHeldValues();
    void DrawCrossSection() override;
    void ClearCrossSection();
    void markTeeBeamDimension(TeeBeamDimension dimension) override;
    void refreshBarLists() override;

    // Commands, public so that tests can run them without menus.
    void Calculate();
    void mnuNew_Click();
    void mnuExit_Click();
    void mnuOpen_Click();
    // A model named on the command line, opened as File > Open opens the one chosen.
    void openModelFile(const QString& name);
    // False when the save failed or was cancelled; New and Exit stop then.
    bool mnuSaveAs_Click();
    void mnuSaveResultsFile_Click();
    void mnuPrint_Click();
    // Asks the record details and the file, then writes the calculation record of a copy of
    // the model; the model, the results shown and TempDataFile stay as they are.
    void mnuExportRecord_Click();
    void mnuAbout_Click();
    void SetUpHelp();
    void ShowHelpContents();
    void QuitHelp();
    void ShowHelpContext(int contextId);

    void fraResults_Click(int index);
    // The value label of one result.
    QLabel* resultLabel(ResultLabel label) const;
    void ShowResultPanel(int index);
    void ClearResults();

    // Absolute path of the help file beside the program.
    QString helpFile() const { return helpFile_; }
    // The model file last opened or saved; empty for a new model.
    QString modelFile() const { return modelFile_; }
    // The temperature data file last chosen by a calculation.
    std::string TempDataFile;

    // Menus and items, named after their commands.
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QMenu* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuSaveResultsFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExportRecord = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuFloorType = nullptr;
    std::array<QAction*, 4> mnuFloor{};  // indexed by FloorType: Beam, Slab, DoubleTee, TeeBeam
    QMenu* mnuMaterials = nullptr;
    QAction* mnuSteel = nullptr;
    QAction* mnuConcrete = nullptr;
    QMenu* mnuReinforcement = nullptr;
    QAction* mnuAddSteel = nullptr;
    QAction* mnuRemoveSteel = nullptr;
    QMenu* mnuDesignFire = nullptr;
    QAction* mnuStandardFire = nullptr;
    QAction* mnuNonStandardFire = nullptr;
    QAction* mnuFireExplorer = nullptr;
    QAction* mnuLoads = nullptr;
    QAction* mnuExposure = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    QPushButton* cmdUpdateResults = nullptr;
    QGroupBox* fraMessages = nullptr;
    QLabel* lblMessages = nullptr;
    std::array<QGroupBox*, 2> fraResults{};
    QLabel* lblEffectiveCover = nullptr;
    QLabel* lblSteelTemp = nullptr;
    QLabel* lblSteelArea = nullptr;
    QLabel* lblReducedDepth = nullptr;
    QLabel* lblReducedWidth = nullptr;
    QLabel* lblConcTemp = nullptr;
    QLabel* lblAvailMomCapacity = nullptr;
    QLabel* lblAppliedMom = nullptr;
    QLabel* lblReqNegMomEndBay = nullptr;
    QLabel* lblReqNegMomIntBay = nullptr;
    QLabel* lblAvailNegMom = nullptr;
    QLabel* lblFailureMode = nullptr;
    QLabel* lblInflectionEndBay = nullptr;
    QLabel* lblInflectionIntBay = nullptr;
    QLabel* lblFloorCrossSection = nullptr;
    CrossSectionWidget* picFloorCrossSection = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void followCheckMarks();
    void buildPanels();
    void buildResultPanels(QBoxLayout* column);
    void discardDialogs();
    bool askToSave(const QString& question);
    void modelFileOpened(const QString& name);
    // Offers the name last given when the request names none.
    std::optional<QString> askFileName(bool save, FileDialogRequest request);
    void keepRecordDetails(const RecordDetails& details);
    template <typename Dialog>
    Dialog& dialog(std::unique_ptr<Dialog>& slot);
    template <typename Dialog>
    void showDialog(Dialog& dialog);
    // True, after saying so, when the last CALCULATE stopped and the results would mix two runs.
    bool refuseStaleReport();

    FloorModel& model_;
    Platform& platform_;
    QStackedWidget* panels_ = nullptr;
    QString helpFile_;
    bool exiting_ = false;
    QString modelFile_;
    // The name the window's file dialogs last returned, or the file last opened.
    QString lastFileName_;
    // The model's own fields of its record; the engineer and the organisation are the user's,
    // kept in the settings.
    RecordDetails projectDetails_;
    // A stopped CALCULATE leaves the model's results half from this run and half from the one
    // before, so no report is written until a run completes or the model is new or opened.
    bool lastRunStopped_ = false;

    std::unique_ptr<frmBeamDimensions> beamDimensions_;
    std::unique_ptr<frmSlabDimensions> slabDimensions_;
    std::unique_ptr<frmDoubleTeeDimensions> doubleTeeDimensions_;
    std::unique_ptr<frmTeeBeamDimensions> teeBeamDimensions_;
    std::unique_ptr<frmAddSteel> addSteel_;
    std::unique_ptr<frmRemoveSteel> removeSteel_;
    std::unique_ptr<frmSteelProperties> steelProperties_;
    std::unique_ptr<frmConcreteProperties> concreteProperties_;
    std::unique_ptr<frmDesignLoads> designLoads_;
    std::unique_ptr<frmStandardFire> standardFire_;
    std::unique_ptr<frmNonStandardFire> nonStandardFire_;
    std::unique_ptr<frmExpose> expose_;
    frmFireExplorer* fireExplorer_ = nullptr;  // a child window, owned by Qt
};

}  // namespace fd9
