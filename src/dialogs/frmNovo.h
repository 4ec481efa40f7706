#pragma once

#include "data/clsNiver.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// True when the text is empty or holds an "@" with a "." somewhere after it.
// The text is taken as typed: blanks only are not an address.
bool EmailValido(const QString &text);

// The stored forms of a typed date: "3x" -> "03", "85" -> "0085", empty year -> "".
QString DiaDigitado(const QString &typed);
QString MesEscolhido(int zeroBasedIndex);
QString AnoDigitado(const QString &typed);

// Adding a birthday (ModoNiver "New") or changing one ("Edit"), with live age
// and signs. The result goes back through the dialog hand-over values.
class frmNovo : public QDialog {
    Q_OBJECT
public:
    explicit frmNovo(QWidget *parent = nullptr);

    bool ModoEdicao() const { return m_edicao; }
    int TopicoAjuda() const { return m_edicao ? 700 : 600; }

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtPessoa = nullptr;
    QLineEdit *txtApelido = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtFone = nullptr;
    QLineEdit *txtDia = nullptr;
    QComboBox *cboMeses = nullptr;
    QLineEdit *txtAno = nullptr;
    QLabel *lblIdade = nullptr;
    QLabel *lblSignoOcidental = nullptr;
    QLabel *lblSignoChines = nullptr;
    std::array<QPushButton *, 3> cmdBotoes{};

    void AtualizaIdade();
    void AtualizaSignos();
    void GravaNiver();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void criaControles();
    void carrega();
    void avisa(int heading, const QString &body, int minimumWidth, QWidget *focus);
    void resultados(const QString &dia, const QString &mes, const QString &apelido);

    bool m_edicao = false;
    bool m_incluido = false;          // New mode: the record appended by an earlier failed save
    std::optional<clsNiver> m_antigo; // Edit mode: the values as they were at load
};
