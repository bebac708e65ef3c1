#include "view/CrossSectionWidget.h"

namespace fd9 {

CrossSectionWidget::CrossSectionWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
}

}  // namespace fd9
