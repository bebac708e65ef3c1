#include "shell/frmStartup.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "shell/AboutText.h"
#include "shell/frmMenu.h"

namespace fd9 {

frmStartup::frmStartup(frmMenu& menu, int pauseMs, QWidget* parent) : QWidget(parent), menu_(menu) {
    BusyPointer busy(menu_.platform());
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QString::fromLatin1(AppTitle));
    setWindowFlags(Qt::SplashScreen);

    lblTitle = new QLabel;
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    lblTitle->setFont(titleFont);
    lblTitle->setText(QString::fromLatin1(GuideTitleLine1) + QLatin1Char('\n') +
                      QString::fromLatin1(GuideTitleLine2) +
                      QStringLiteral("\nFIRE ENGINEERING\nDESIGN OF CONCRETE\nFLOOR SYSTEMS\n"
                                     "(version 2.6)"));

    lblAuthor = new QLabel;
    lblAuthor->setObjectName(QStringLiteral("lblAuthor"));
    lblAuthor->setAlignment(Qt::AlignCenter);
    lblAuthor->setText(QStringLiteral("1 September 2000\n") + QString::fromLatin1(AuthorLine) +
                       QLatin1Char('\n') + QString::fromLatin1(PostalAddress));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(lblTitle);
    layout->addSpacing(20);
    layout->addWidget(lblAuthor);

    tmrPause = new QTimer(this);
    tmrPause->setSingleShot(true);
    tmrPause->setInterval(pauseMs);
    connect(tmrPause, &QTimer::timeout, this, &frmStartup::tmrPause_Timer);
    tmrPause->start();
}

void frmStartup::tmrPause_Timer() {
    tmrPause->stop();
    {
        BusyPointer busy(menu_.platform());
        menu_.show();
        menu_.platform().messageBox(QString::fromLatin1(DisclaimerText),
                                    QString::fromLatin1(AppTitle), MsgIcon::Critical,
                                    MsgButtons::OK);
        menu_.ResetModel();
    }
    close();
}

}  // namespace fd9
