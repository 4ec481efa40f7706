#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QUrl>

class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

// Small window routines shared by the windows.

// Selects the whole text of a box (on focus).
void SelecionaTexto(QLineEdit *box);

// The mail link for an address: the address is the link's path, so it cannot
// add parameters of its own; the subject is added only when not empty.
QUrl LinkEmail(const QString &address, const QString &subject = {});
// Opens a new message in the user's mail program.
void EnviaEmail(const QString &address, const QString &subject = {});

// True while `window` is one of the program's open windows.
bool FormCarregado(const QWidget *window);

// Moves the mouse pointer onto a dialog's default button when the user asked
// for it (SnapToDefaultButton in the group Mouse of the settings).
bool SnapToDefaultButtonLigado();
void MouseNoBotaoPadrao(QPushButton *button, QWidget *window);

// The designed fonts (Tahoma, Verdana ...), by name; fontconfig substitutes.
QFont FonteDesenho(const QString &family, double points = 8.25, bool bold = false);

// The flat buttons of the button bars: white, light blue under the mouse.
void EstiloBotaoBarra(QPushButton *button);

// Opens a menu just below a button's left end; centred on that point when asked.
void MostraMenuSob(QMenu *menu, QWidget *anchor, bool centred = false);

// The menus' own drop shadow: off only where the Windows XP flag is set.
void AjustaSombra(const QList<QMenu *> &menus);
