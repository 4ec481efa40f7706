#pragma once

#include <QIcon>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// The pop-up menus of the calendar and list windows. An item's key is its
// action's object name.

struct MenusCalendario {
    QMenu *mnuPopNiver = nullptr;  // birthday menu
    QMenu *mnuPopMeses = nullptr;  // month menu
    QMenu *mnuPopAnos = nullptr;   // year menu
    QMenu *mnuPopHelp = nullptr;   // help menu
    QMenu *mnuPopDados = nullptr;  // data (file) menu
    QMenu *mnuPopOpcoes = nullptr; // settings menu
};

MenusCalendario CriaMenusCalendario(QWidget *owner);
QMenu *CriaMenuPeriodo(QWidget *owner);
QMenu *CriaMenuOrdem(QWidget *owner);

// The action of a key, or nullptr.
QAction *AcaoDaChave(const QMenu *menu, const QString &key);
// The icon of a picture key: from the desktop's icon theme, else the bundled one.
QIcon IconeDoMenu(const QString &pictureKey);

// The year menu offers the displayed year - 5 .. + 5, the displayed year checked.
void AtualizaMenuAnos(QMenu *menu, int ano);
void AtualizaMenuMeses(QMenu *menu, int mes);
