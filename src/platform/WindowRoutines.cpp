#include "WindowRoutines.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "dates/DateRules.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QUrlQuery>

void SelecionaTexto(QLineEdit *box)
{
    box->setSelection(0, static_cast<int>(box->text().size()));
}

QUrl LinkEmail(const QString &address, const QString &subject)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address, QUrl::DecodedMode);
    if (!subject.isEmpty()) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), subject);
        url.setQuery(query);
    }
    return url;
}

void EnviaEmail(const QString &address, const QString &subject)
{
    QDesktopServices::openUrl(LinkEmail(address, subject));
}

bool FormCarregado(const QWidget *window)
{
    return window && QApplication::topLevelWidgets().contains(const_cast<QWidget *>(window));
}

bool SnapToDefaultButtonLigado()
{
    const std::optional<QString> value =
        LeRegistro(Chave::Mouse, QStringLiteral("SnapToDefaultButton"));
    if (!value)
        return false;
    const QString text = value->trimmed();
    if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    return EhNumerico(text) && text.toDouble() != 0;
}

void MouseNoBotaoPadrao(QPushButton *button, QWidget *window)
{
    if (!button || !window || !SnapToDefaultButtonLigado())
        return;
    const QPoint centre = button->mapTo(window, button->rect().center());
    const QPoint screen = window->mapToGlobal(centre);
    QCursor::setPos(screen + QPoint(10, 3));
    QApplication::processEvents();
    QCursor::setPos(screen);
}

QFont FonteDesenho(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void EstiloBotaoBarra(QPushButton *button)
{
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setStyleSheet(QStringLiteral("QPushButton { background: rgb(255,255,255); border: 1px "
                                         "solid rgb(190,190,190); padding: 2px 6px; }"
                                         "QPushButton:hover { background: rgb(217,228,255); }"
                                         "QPushButton:disabled { color: rgb(160,160,160); }"));
}

void MostraMenuSob(QMenu *menu, QWidget *anchor, bool centred)
{
    QPoint point = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (centred)
        point.rx() -= menu->sizeHint().width() / 2;
    menu->popup(point);
}

void AjustaSombra(const QList<QMenu *> &menus)
{
    for (QMenu *menu : menus)
        menu->setWindowFlag(Qt::NoDropShadowWindowHint, Programa().startup.WindowsXP);
}
