#include "frmAbout.h"

#include "app/Settings.h"
#include "frmContrato.h"
#include "platform/HtmlView.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(TituloPrograma() + Texto(301));

    Image1 = new QLabel(this);
    Image1->setPixmap(QIcon(QStringLiteral(":/icons/rerevid.svg")).pixmap(64, 64));
    lblProg = new QLabel(TituloPrograma() + QStringLiteral(" 1.1"), this);
    QFont big = lblProg->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblProg->setFont(big);
    lblVersion = new QLabel(Texto(302) + VersaoPrograma, this);

    HTMLView1 = new HtmlView(this);
    HTMLView1->setObjectName(QStringLiteral("HTMLView1"));
    HTMLView1->setHtml(MontaTexto(303, {"|1", Texto(4), "|2", Texto(6)}));
    HTMLView1->setFrameShape(QFrame::NoFrame);
    HTMLView1->setMinimumSize(380, 170);
    connect(HTMLView1, &HtmlView::linkClicado, this, &frmAbout::LinkClicado);

    cmdBarra = new QPushButton(Texto(305), this);
    cmdBarra->setToolTip(Texto(306));
    cmdBarra->setDefault(true);
    connect(cmdBarra, &QPushButton::clicked, this, &frmAbout::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblProg, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(HTMLView1, 2, 0, 1, 2);
    layout->addWidget(cmdBarra, 3, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::LinkClicado(const QString &href)
{
    const QString target = href.toUpper();
    if (target == QLatin1String("CONTRATO")) {
        frmContrato agreement(this);
        agreement.exec();
    } else if (target == QLatin1String("EMAIL")) {
        EnviaEmail(Texto(6));
    } else if (target == QLatin1String("SITE")) {
        QDesktopServices::openUrl(QUrl(Texto(4)));
    }
}
