#include "Menus.h"

#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QHash>
#include <QMenu>

namespace {

struct Item {
    const char *key; // nullptr: separator
    int textId;
    const char *picture; // nullptr: no icon
};

QMenu *buildMenu(QWidget *owner, const char *rootKey, std::initializer_list<Item> items)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(rootKey));
    for (const Item &item : items) {
        if (!item.key) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(MontaTexto(item.textId, {"|1", TituloPrograma()}));
        action->setObjectName(QString::fromLatin1(item.key));
        if (item.picture)
            action->setIcon(IconeDoMenu(QString::fromLatin1(item.picture)));
    }
    return menu;
}

} // namespace

QIcon IconeDoMenu(const QString &pictureKey)
{
    static const QHash<QString, QString> themeNames{{"NIVER_NOVO", "list-add"},
                                                    {"NIVER_ALTERAR", "document-edit"},
                                                    {"NIVER_EXCLUIR", "edit-delete"},
                                                    {"NIVER_PROCURAR", "edit-find"},
                                                    {"NIVER_LISTA", "view-list-text"},
                                                    {"EMAIL", "mail-message-new"},
                                                    {"AJUDA2", "help-contents"},
                                                    {"WEB", "internet-web-browser"},
                                                    {"SOBRE", "help-about"},
                                                    {"EXPORTAR", "document-export"},
                                                    {"IMPORTAR", "document-import"},
                                                    {"FECHAR", "application-exit"},
                                                    {"NIVER_LEMBRETE", "appointment-soon"},
                                                    {"NIVER_CORES", "preferences-desktop-color"},
                                                    {"LISTA_TODOS", "view-calendar-list"}};
    const QString bundled = QStringLiteral(":/icons/%1.svg")
                                .arg(pictureKey == QLatin1String("AJUDA2") ? QStringLiteral("ajuda")
                                                                           : pictureKey.toLower());
    return QIcon::fromTheme(themeNames.value(pictureKey), QIcon(bundled));
}

MenusCalendario CriaMenusCalendario(QWidget *owner)
{
    MenusCalendario m;
    m.mnuPopNiver = buildMenu(owner, "mnuNiver",
                              {{"mnuNiverNovo", 1102, "NIVER_NOVO"},
                               {"mnuNiverAlterar", 1103, "NIVER_ALTERAR"},
                               {"mnuNiverExcluir", 1104, "NIVER_EXCLUIR"},
                               {nullptr, 0, nullptr},
                               {"mnuNiverProcurar", 1105, "NIVER_PROCURAR"},
                               {nullptr, 0, nullptr},
                               {"mnuNiverLista", 1106, "NIVER_LISTA"},
                               {nullptr, 0, nullptr},
                               {"mnuNiverEmail", 1119, "EMAIL"}});

    m.mnuPopMeses = new QMenu(owner);
    m.mnuPopMeses->setObjectName(QStringLiteral("mnuMeses"));
    for (int month = 1; month <= 12; ++month) {
        QAction *action = m.mnuPopMeses->addAction(NomeMes(month));
        action->setObjectName(QString::number(month));
        action->setCheckable(true);
    }

    m.mnuPopAnos = new QMenu(owner);
    m.mnuPopAnos->setObjectName(QStringLiteral("mnuAnos"));
    for (int i = 0; i < 11; ++i)
        m.mnuPopAnos->addAction(QString())->setCheckable(true);
    QAction *another = m.mnuPopAnos->addAction(Texto(1107));
    another->setObjectName(QStringLiteral("mnuOutroAno"));
    another->setCheckable(true);

    m.mnuPopHelp = buildMenu(owner, "mnuHelp",
                             {{"mnuHelpConteudo", 1108, "AJUDA2"},
                              {nullptr, 0, nullptr},
                              {"mnuHelpWeb", 1110, "WEB"},
                              {nullptr, 0, nullptr},
                              {"mnuHelpSobre", 1111, "SOBRE"}});
    m.mnuPopDados = buildMenu(owner, "mnuDados",
                              {{"mnuDadosExportar", 1112, "EXPORTAR"},
                               {"mnuDadosImportar", 1113, "IMPORTAR"},
                               {nullptr, 0, nullptr},
                               {"mnuDadosFechar", 1114, "FECHAR"}});
    // "&Close " is followed by the program title.
    AcaoDaChave(m.mnuPopDados, QStringLiteral("mnuDadosFechar"))
        ->setText(Texto(1114) + TituloPrograma());
    m.mnuPopOpcoes = buildMenu(owner, "mnuOpcoes",
                               {{"mnuLembrete", 1115, "NIVER_LEMBRETE"},
                                {nullptr, 0, nullptr},
                                {"mnuCores", 1116, "NIVER_CORES"}});

    for (QMenu *menu : {m.mnuPopNiver, m.mnuPopHelp, m.mnuPopDados, m.mnuPopOpcoes})
        menu->setFont(FonteDesenho(QStringLiteral("Tahoma")));
    for (QMenu *menu : {m.mnuPopMeses, m.mnuPopAnos})
        menu->setFont(FonteDesenho(QStringLiteral("Verdana")));
    AjustaSombra(
        {m.mnuPopNiver, m.mnuPopMeses, m.mnuPopAnos, m.mnuPopHelp, m.mnuPopDados, m.mnuPopOpcoes});
    return m;
}

QMenu *CriaMenuPeriodo(QWidget *owner)
{
    QMenu *menu = buildMenu(owner, "mnuMostraLista",
                            {{"mnuListaTodos", 1101, "LISTA_TODOS"}, {nullptr, 0, nullptr}});
    for (int month = 1; month <= 12; ++month) {
        QAction *action = menu->addAction(NomeMes(month));
        action->setObjectName(QString::number(month));
        action->setCheckable(true);
    }
    return menu;
}

QMenu *CriaMenuOrdem(QWidget *owner)
{
    QMenu *menu = buildMenu(owner, "mnuMostraOrdem",
                            {{"mnuOrdemData", 1117, nullptr}, {"mnuOrdemNome", 1118, nullptr}});
    for (QAction *action : menu->actions())
        action->setCheckable(true);
    AcaoDaChave(menu, QStringLiteral("mnuOrdemData"))->setChecked(true);
    return menu;
}

QAction *AcaoDaChave(const QMenu *menu, const QString &key)
{
    for (QAction *action : menu->actions()) {
        if (action->objectName() == key)
            return action;
    }
    return nullptr;
}

void AtualizaMenuAnos(QMenu *menu, int ano)
{
    const QList<QAction *> actions = menu->actions();
    for (int i = 0; i < 11 && i < actions.size(); ++i) {
        const QString year = QString::number(ano - 5 + i);
        actions[i]->setText(year);
        actions[i]->setObjectName(year);
        actions[i]->setChecked(i == 5);
    }
    if (actions.size() > 11)
        actions[11]->setChecked(false);
}

void AtualizaMenuMeses(QMenu *menu, int mes)
{
    for (QAction *action : menu->actions())
        action->setChecked(action->objectName() == QString::number(mes));
}
