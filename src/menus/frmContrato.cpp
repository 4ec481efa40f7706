#include "frmContrato.h"

#include "calendar/frmCalendario.h"
#include "list/Printing.h"
#include "text/TextTable.h"

#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

QString frmContrato::PaginaLicenca()
{
    return QStringLiteral(":/licence") + Texto(501); // ":/licence/License Agreement.html"
}

frmContrato::frmContrato(QWidget *parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmContrato"));
    setWindowTitle(TituloPrograma() + Texto(502));
    cmdBarra[0] = new QPushButton(Texto(503), this);
    cmdBarra[0]->setToolTip(Texto(505));
    cmdBarra[1] = new QPushButton(Texto(504), this);
    cmdBarra[1]->setToolTip(Texto(506));
    for (QPushButton *button : cmdBarra)
        button->setFixedSize(81, 23);
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setOpenExternalLinks(true);
    WebBrowser1->setSource(QUrl(QStringLiteral("qrc") + PaginaLicenca()));
    connect(cmdBarra[0], &QPushButton::clicked, this,
            [this] { Imprime(*WebBrowser1->document(), this); });
    connect(cmdBarra[1], &QPushButton::clicked, this, &frmContrato::close);

    // It covers the calendar window exactly.
    if (const frmCalendario *calendar = JanelaCalendario())
        setGeometry(calendar->geometry());
    else
        resize(700, 520);
}

void frmContrato::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int middle = width() / 2;
    cmdBarra[0]->move(middle - cmdBarra[0]->width() * 6 / 5, 3);
    cmdBarra[1]->move(middle + cmdBarra[1]->width() / 5, 3);
    WebBrowser1->setGeometry(0, 29, width(), std::max(0, height() - 29));
}
