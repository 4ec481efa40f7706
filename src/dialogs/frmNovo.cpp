#include "frmNovo.h"

#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "dates/Ages.h"
#include "dates/DateRules.h"
#include "dates/Signs.h"
#include "menus/Help.h"
#include "msgbox/ParaBox.h"
#include "platform/WindowRoutines.h"
#include "text/TextRoutines.h"
#include "text/TextTable.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

bool EmailValido(const QString &text)
{
    if (text.isEmpty())
        return true;
    const qsizetype at = text.indexOf(u'@');
    return at >= 0 && text.lastIndexOf(u'.') > at;
}

QString DiaDigitado(const QString &typed)
{
    return QStringLiteral("%1").arg(std::max(0, ValorInteiro(typed)), 2, 10, QChar(u'0'));
}

QString MesEscolhido(int zeroBasedIndex)
{
    return DoisDigitos(zeroBasedIndex < 0 ? 0 : zeroBasedIndex + 1);
}

QString AnoDigitado(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return {};
    return QStringLiteral("%1").arg(std::max(0, ValorInteiro(typed)), 4, 10, QChar(u'0'));
}

frmNovo::frmNovo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmNovo"));
    setFont(FonteDesenho(QStringLiteral("Tahoma")));
    m_edicao = Programa().dialog.ModoNiver == Texto(678);
    criaControles();
    carrega();
    DefineTopicoAjuda(this, TopicoAjuda());
}

void frmNovo::criaControles()
{
    setWindowTitle(TituloPrograma() + QStringLiteral(" - ") + Programa().dialog.ModoNiver +
                   Texto(651));
    const QFont fieldFont = FonteDesenho(QStringLiteral("Verdana"));
    const auto field = [this, &fieldFont](const char *name, int tip) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(Texto(tip));
        box->setFont(fieldFont);
        box->installEventFilter(this);
        return box;
    };
    txtPessoa = field("txtPessoa", 666);
    txtApelido = field("txtApelido", 667);
    txtEmail = field("txtEmail", 681);
    txtFone = field("txtFone", 682);
    txtDia = field("txtDia", 668);
    txtDia->setMaxLength(2);
    txtDia->setFixedWidth(32);
    txtAno = field("txtAno", 670);
    txtAno->setMaxLength(4);
    txtAno->setFixedWidth(48);

    cboMeses = new QComboBox(this);
    cboMeses->setObjectName(QStringLiteral("cboMeses"));
    cboMeses->setToolTip(Texto(669));
    cboMeses->setFont(fieldFont);
    for (int month = 1; month <= 12; ++month) // CarregaMeses
        cboMeses->addItem(NomeMes(month));
    cboMeses->setMaxVisibleItems(12); // AjustaListaMeses: room for all twelve names
    cboMeses->installEventFilter(this);

    const auto value = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor(254, 235, 199));
        label->setPalette(palette);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(110);
        return label;
    };
    lblIdade = value("lblIdade");
    lblSignoOcidental = value("lblSignoOcidental");
    lblSignoChines = value("lblSignoChines");

    Frame1 = new QGroupBox(Texto(658), this);
    auto *data = new QFormLayout(Frame1);
    data->addRow(Texto(660), txtPessoa);
    data->addRow(Texto(661), txtApelido);
    auto *date = new QHBoxLayout;
    date->addWidget(txtDia);
    date->addWidget(cboMeses, 1);
    date->addWidget(txtAno);
    data->addRow(Texto(662), date);
    data->addRow(Texto(679), txtEmail);
    data->addRow(Texto(680), txtFone);

    Frame2 = new QGroupBox(Texto(659), this);
    auto *info = new QFormLayout(Frame2);
    info->addRow(Texto(663), lblIdade);
    info->addRow(Texto(664), lblSignoOcidental);
    info->addRow(Texto(665), lblSignoChines);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(Texto(671 + i), this);
        button->setObjectName(QStringLiteral("cmdBotoes%1").arg(i));
        button->setToolTip(Texto(674 + i));
        buttons->addWidget(button);
        cmdBotoes[static_cast<size_t>(i)] = button;
    }
    cmdBotoes[0]->setDefault(true);
    connect(cmdBotoes[0], &QPushButton::clicked, this, &frmNovo::GravaNiver);
    connect(cmdBotoes[1], &QPushButton::clicked, this, &frmNovo::reject);
    connect(cmdBotoes[2], &QPushButton::clicked, this, [this] { AbreAjuda(TopicoAjuda()); });

    connect(txtDia, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.size() != 2)
            return;
        AtualizaSignos();
        if (isVisible())
            cboMeses->setFocus();
    });
    connect(cboMeses, &QComboBox::currentIndexChanged, this, [this] { AtualizaSignos(); });
    connect(txtAno, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.size() != 4 && !text.isEmpty())
            return;
        AtualizaIdade();
        AtualizaSignos(); // the Chinese sign depends on the year too
        if (isVisible())
            cmdBotoes[0]->setFocus();
    });

    auto *top = new QHBoxLayout;
    top->addWidget(Frame1, 3);
    top->addWidget(Frame2, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(std::max(430, sizeHint().width()), std::max(297, sizeHint().height()));
}

void frmNovo::carrega()
{
    const CalendarSelection &sel = Programa().calendar;
    txtDia->setText(sel.DiaSelecionado);
    cboMeses->setCurrentIndex(ValorInteiro(sel.MesSelecionado) - 1);
    if (!m_edicao)
        return;
    BirthdayStore &store = Store();
    store.NiverAtual =
        store.ProcuraNiver(sel.DiaSelecionado, sel.MesSelecionado, sel.ApelidoSelecionado);
    m_antigo = store.NiverAtual;
    if (!m_antigo)
        return; // nothing to load: the dialog then adds the birthday as new
    const clsNiver &r = *m_antigo;
    txtPessoa->setText(r.Pessoa);
    txtApelido->setText(r.Apelido);
    txtEmail->setText(r.Email);
    txtFone->setText(r.Fone);
    txtDia->setText(r.Dia);
    cboMeses->setCurrentIndex(ValorInteiro(r.Mes) - 1);
    txtAno->setText(r.Ano);
    lblIdade->setText(CalculaIdade(r.Ano, r.Mes, r.Dia));
}

void frmNovo::AtualizaIdade()
{
    lblIdade->setText(CalculaIdade(QString::number(ValorNumerico(txtAno->text())),
                                   QString::number(cboMeses->currentIndex() + 1),
                                   QString::number(ValorNumerico(txtDia->text()))));
}

void frmNovo::AtualizaSignos()
{
    const QString day = QString::number(ValorNumerico(txtDia->text()));
    const QString month = QString::number(cboMeses->currentIndex() + 1);
    lblSignoOcidental->setText(SignoZodiacal(day, month));
    lblSignoChines->setText(SignoChines(day, month, txtAno->text()));
}

bool frmNovo::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        MouseNoBotaoPadrao(cmdBotoes[0], this);
    return QDialog::event(event);
}

bool frmNovo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched != txtFone && watched != cboMeses) {
            auto *box = static_cast<QLineEdit *>(watched);
            QMetaObject::invokeMethod(
                box, [box] { SelecionaTexto(box); }, Qt::QueuedConnection);
        }
        break;
    case QEvent::FocusOut:
        if (watched == txtPessoa) {
            txtPessoa->setText(FormataNome(txtPessoa->text()));
            if (txtApelido->text().isEmpty())
                txtApelido->setText(txtPessoa->text().section(u' ', 0, 0));
        } else if (watched == txtApelido) {
            txtApelido->setText(FormataNome(txtApelido->text()));
        } else if (watched == txtDia || watched == txtAno) {
            AtualizaIdade();
        }
        break;
    case QEvent::KeyPress:
        // Down opens the month list, as the list's extended keyboard interface does.
        if (watched == cboMeses && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down &&
            static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
            cboMeses->showPopup();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == txtEmail && EmailValido(txtEmail->text()) &&
            !txtEmail->text().trimmed().isEmpty()) {
            EnviaEmail(txtEmail->text().trimmed());
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmNovo::avisa(int heading, const QString &body, int minimumWidth, QWidget *focus)
{
    ParaBox(Programa().dialog.ModoNiver + Texto(651), Texto(heading), body, BotoesOk, 1, IconeAviso,
            0, 0, {}, 0, {}, {}, static_cast<qint16>(minimumWidth),
            static_cast<qint16>(TopicoAjuda()));
    focus->setFocus();
}

void frmNovo::reject()
{
    // Cancel, Esc and the close box all leave without a birthday.
    Programa().dialog.RetornoNiver = -1;
    QDialog::reject();
}

void frmNovo::resultados(const QString &dia, const QString &mes, const QString &apelido)
{
    ProgramState &state = Programa();
    state.dialog.RetornoNiver = ValorInteiro(dia);
    state.dialog.ApelidoRetorno = apelido;
    state.calendar.DiaSelecionado = dia;
    state.calendar.MesSelecionado = mes;
    state.calendar.ApelidoSelecionado = apelido;
    accept();
}

void frmNovo::GravaNiver()
{
    cmdBotoes[0]->setFocus(); // the field being left cleans its text first
    const QString dia = DiaDigitado(txtDia->text());
    const QString mes = MesEscolhido(cboMeses->currentIndex());
    const QString ano = AnoDigitado(txtAno->text());
    const QString pessoa = txtPessoa->text();
    const QString apelido = txtApelido->text();

    if (pessoa.trimmed().isEmpty())
        return avisa(652, {}, 3500, txtPessoa);
    if (apelido.trimmed().isEmpty())
        return avisa(653, {}, 3500, txtApelido);
    if (!EmailValido(txtEmail->text()))
        return avisa(683, {}, 4000, txtEmail);
    if (!ValidaData(dia, mes, ano))
        return avisa(654, MontaTexto(655, {"|1", 1800, "|2", 2199}), 4000,
                     ValidaDia(dia, mes) ? txtAno : txtDia);

    BirthdayStore &store = Store();
    const std::optional<clsNiver> found = store.ProcuraNiver({}, {}, apelido);
    const auto ownRecord = [&] {
        return found && store.NiverAtual && found->Node == store.NiverAtual->Node;
    };
    bool saved = false;
    if (m_edicao && m_antigo) {
        const QString email = txtEmail->text().trimmed();
        const QString fone = txtFone->text().trimmed();
        const clsNiver &old = *m_antigo;
        if (old.Dia == dia && old.Mes == mes && old.Ano == ano && old.Apelido == apelido &&
            old.Pessoa == pessoa && old.Email == email && old.Fone == fone) {
            accept(); // nothing changed: nothing is written
            return;
        }
        if (found && old.Apelido.toUpper() != apelido.toUpper() && !ownRecord())
            return avisa(656, Texto(657), 4700, txtApelido);
        saved = store.AlteraNiver(pessoa, apelido, dia, mes, ano, email, fone);
    } else {
        if (found && !(m_incluido && ownRecord()))
            return avisa(656, Texto(657), 4700, txtApelido);
        if (!m_incluido)
            store.IncluiNiver();
        m_incluido = true;
        saved =
            store.AlteraNiver(pessoa, apelido, dia, mes, ano, txtEmail->text(), txtFone->text());
    }
    if (!saved) {
        // The change stays in memory; the user is told and may try again or cancel.
        ParaBox(Programa().dialog.ModoNiver + Texto(651), Texto(3000), store.UltimoErro().descricao,
                BotoesOk, 1, IconeErro, 0, 0, {}, 0, {}, {}, 4500,
                static_cast<qint16>(TopicoAjuda()));
        return;
    }
    resultados(dia, mes, apelido);
}
