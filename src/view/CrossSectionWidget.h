#pragma once

#include <QWidget>

namespace fd9 {

// The drawing surface of the cross-section view.
class CrossSectionWidget : public QWidget {
    Q_OBJECT

public:
    explicit CrossSectionWidget(QWidget* parent = nullptr);

signals:
    void clicked();
};

}  // namespace fd9
