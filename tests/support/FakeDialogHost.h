#pragma once

#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <functional>
#include <vector>

#include "dialogs/DialogHost.h"
#include "dialogs/InputDialog.h"
#include "model/ResetModel.h"
#include "support/FakePlatform.h"

class QLineEdit;

namespace fd9 {

// Replaces the field's text by typing, as a user would.
void Type(QLineEdit* field, const QString& text);
void PressEnter(QWidget* widget);
// Moves the focus into field, running whatever the field that had it does on leaving.
void FocusInto(QLineEdit* field);
// Shows the dialog as the active window: focus only moves between its fields for a user (and
// leaving checks only run) once it is active, even offscreen.
bool Activate(QWidget& dialog);

// Names the table row a failed check left the test in.
struct RowTrace {
    QByteArray row;
    ~RowTrace() {
        if (QTest::currentTestFailed()) {
            qWarning("in row %s", row.constData());
        }
    }
};

// Stands in for the main window: the model and platform are the test's, and every request a
// dialog makes of its window is counted or recorded.
class FakeDialogHost : public DialogHost {
public:
    FakeDialogHost(FloorModel& model, FakePlatform& platform)
        : model_(model), platform_(platform) {}

    FloorModel& model() override { return model_; }
    Platform& platform() override { return platform_; }
    QWidget* dialogParent() override { return &window_; }
    void DrawCrossSection() override { ++redraws; }
    void markTeeBeamDimension(TeeBeamDimension dimension) override { marked.push_back(dimension); }
    void refreshBarLists() override { onRefreshBarLists(); }
    void setFloorType(FloorType type) override { model_.Selected.FloorType = type; }
    void setDesignFire(DesignFire fire) override { model_.Selected.DesignFire = fire; }

    int redraws = 0;
    std::vector<TeeBeamDimension> marked;
    std::function<void()> onRefreshBarLists = [] {};

private:
    FloorModel& model_;
    FakePlatform& platform_;
    QWidget window_;
};

inline FloorModel NewModel(FloorType type = FloorType::Slab) {
    FloorModel model;
    model.Selected.FloorType = type;
    ResetModelData(model);
    return model;
}

template <class Dialog>
InputDialog& Make(DialogHost& host) {
    return *new Dialog(host);
}

// One dialog on a fake host, on a model as New leaves it: where a dialog test starts. A dialog
// of any kind comes from its maker.
template <class Dialog = InputDialog>
struct HostRig {
    FloorModel model = NewModel();
    FakePlatform platform;
    FakeDialogHost host{model, platform};
    Dialog& dialog;

    explicit HostRig(FloorType type = FloorType::Slab)
        : model(NewModel(type)), dialog(*new Dialog(host)) {}
    HostRig(InputDialog& (*make)(DialogHost&), FloorType type)
        : model(NewModel(type)), dialog(make(host)) {}
    QStringList boxes() const { return platform.boxTexts(); }
    // Shows the dialog as its menu item does.
    Dialog& shown() {
        dialog.showOrRaise();
        return dialog;
    }
};

}  // namespace fd9
