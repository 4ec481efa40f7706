#pragma once

#include "MonthModel.h"
#include "menus/Menus.h"

#include <QWidget>

#include <array>
#include <memory>

class DayList;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class clsToolTip;

// The program's main window: the month calendar with its button bar, month and
// year selector, Today, Reminder and upcoming lines and the 6 x 7 day cells.
// Closing it closes every other window and ends the program.
class frmCalendario : public QWidget {
    Q_OBJECT
public:
    explicit frmCalendario(QWidget *parent = nullptr);
    ~frmCalendario() override;

    // Caption with title, version and count; Find and List need a birthday.
    void MontaLegendaForm();

    // The month: rebuilds the cells for MesCalendario/AnoCalendario.
    void MontaCalendario();
    void CarregaEventosDoMes();
    void DestacaDia(int cell);
    void CarregaTxtMes();
    const MonthGrid &Grade() const { return m_grid; }

    // Selecting a cell: the one entry point for mouse, keys and commands.
    void listEvento_MouseDown(int cell, Qt::MouseButton button, int shift, const QPoint &point);
    void SelecionaCelula(int cell); // as a left click at the list's top-left corner
    // Selects the cell and, in it, the line of that alias (the select-string search).
    void SelecionaNiverNaCelula(int cell, const QString &alias);
    void HabilitaEdicao(bool on);
    void PosicionaMouse(QListWidget *list, bool showTip);
    void AtivaToolTips(bool on);
    bool LinhaDefinida = false;
    int LinhaSobMouse = -1;
    int LinhaSalva = -1;

    // The three lines.
    QString TextoHoje() const;
    void lblHoje_Click();
    void AtualizaLembrete();
    void CarregaProximoNiver();
    const ListaNivers &ListaProximos() const { return m_proximos; }

    // Navigation.
    void MesSeguinte();
    void MesAnterior();
    void AnoSeguinte();
    void AnoAnterior();
    void MostraMenuMeses();
    void MostraMenuAnos();
    void EscolheMes(int month);
    void EscolheAno(int year);
    void OutroAno();

    // Commands.
    void NovoNiver();
    void AlteraNiverSelecionado();
    void ExcluiNiverSelecionado();
    void ProcuraNiverDialogo();
    void SelecionaNiver();
    void MostraMenuNiver(); // the birthday menu from the keyboard
    void MostraLista();
    void ConfiguraLembrete();
    // Shows the birthday chosen in the list window: cell c of the month built, its alias's line.
    void MostraNiverEscolhido(int cell, const QString &alias);

    // Moving a birthday to another day by drag and drop.
    void IniciaArrasto(int cell);
    void SoltaEm(int target, const QString &alias);
    void ConcluiArrasto(int source);

    void AjustaObjetosNoForm();
    // Paints the cells in a colour scheme (the colour dialog's preview).
    void PintaEsquema(int scheme);

    // The controls, named as the window's design names them.
    std::array<QPushButton *, 8> cmdBarra{};
    QFrame *Line1 = nullptr;
    QFrame *FrameMesAno = nullptr;
    QLabel *txtMes = nullptr;
    QLabel *txtAno = nullptr;
    QToolButton *cmdMesDown = nullptr;
    QToolButton *cmdMesUp = nullptr;
    QToolButton *cmdAnoDown = nullptr;
    QToolButton *cmdAnoUp = nullptr;
    QLabel *lblHoje = nullptr;
    QLabel *lblLembrete = nullptr;
    QLabel *lblProximoNiver = nullptr;
    std::array<QLabel *, 7> lblDiaSemana{};
    std::array<QLabel *, 42> lblDia{};
    std::array<DayList *, 42> listEvento{};
    std::array<clsToolTip *, 42> dicas{};
    MenusCalendario menus;

signals:
    // Commands whose windows come from elsewhere.
    void abreConfigLembrete();
    void abreLista();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void criaControles();
    void CriaListEventos();
    void criaMenus();
    void conectaMenus();
    bool trataTecla(QKeyEvent *event);
    void selecionaMesMantendoDia(int month, int year);
    void atualizaDica(int cell, const QPoint &point);
    void proximoNiverClicado(const QString &href);
    void sublinhaMesAno(QLabel *label);
    void gravaEstadoJanela();
    void pintaCelulas(int scheme, int selectedCell);
    void conectaComandos();
    void reselecionaLinha();
    // Runs a birthday dialog; true when it left a birthday, which is then shown.
    bool mostraDialogo(QDialog &dialog);
    void avisaNaoGravado(const QString &titulo);

    MonthGrid m_grid;
    ListaNivers m_proximos;
    QString m_ultimoTextoDica;
    QString m_ultimoTituloDica;
    bool m_carregando = false;
    int m_celulaArrasto = -1;
    int m_indiceArrasto = -1;
};

// The calendar window while it is loaded (shown or hidden), or nullptr.
frmCalendario *JanelaCalendario();

// "Rerevid 1.1", then " - 1,234 birthdays" when there are any.
QString LegendaCalendario(int count);
