#include "frmProcurar.h"

#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "menus/Help.h"
#include "msgbox/ParaBox.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmProcurar::frmProcurar(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmProcurar"));
    setWindowTitle(TituloPrograma() + QStringLiteral(" - ") + Texto(901));
    DefineTopicoAjuda(this, 900);

    Frame1 = new QGroupBox(Texto(904), this);
    txtApelido = new QLineEdit(Frame1);
    txtApelido->setObjectName(QStringLiteral("txtApelido"));
    txtApelido->setToolTip(Texto(911));
    txtApelido->installEventFilter(this);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(txtApelido);

    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(Texto(905 + i), this);
        button->setObjectName(QStringLiteral("cmdBotoes%1").arg(i));
        button->setToolTip(Texto(908 + i));
        buttons->addWidget(button);
        cmdBotoes[static_cast<size_t>(i)] = button;
    }
    cmdBotoes[0]->setDefault(true);
    connect(cmdBotoes[0], &QPushButton::clicked, this, &frmProcurar::ProcuraApelido);
    connect(cmdBotoes[1], &QPushButton::clicked, this, &frmProcurar::reject);
    connect(cmdBotoes[2], &QPushButton::clicked, this, [] { AbreAjuda(900); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setFixedSize(std::max(300, sizeHint().width()), std::max(130, sizeHint().height()));
}

bool frmProcurar::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        MouseNoBotaoPadrao(cmdBotoes[0], this);
    return QDialog::event(event);
}

bool frmProcurar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtApelido && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(
            txtApelido, [this] { SelecionaTexto(txtApelido); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void frmProcurar::reject()
{
    Programa().dialog.RetornoNiver = -1;
    QDialog::reject();
}

void frmProcurar::ProcuraApelido()
{
    const QString typed = txtApelido->text();
    if (typed.trimmed().isEmpty()) {
        ParaBox(Texto(901), Texto(902), {}, BotoesOk, 1, IconeAviso, 0, 0, {}, 0, {}, {}, 4500, 0);
        txtApelido->setFocus();
        return;
    }
    const std::optional<clsNiver> found = Store().ProcuraNiver({}, {}, typed);
    if (!found) {
        ParaBox(Texto(901), Texto(903), {}, BotoesOk, 1, IconeInformacao, 0, 0, {}, 0, {}, {}, 4000,
                900);
        txtApelido->setFocus();
        return;
    }
    ProgramState &state = Programa();
    state.dialog.RetornoNiver = ValorInteiro(found->Dia);
    state.dialog.ApelidoRetorno = found->Apelido;
    state.calendar.DiaSelecionado = found->Dia;
    state.calendar.MesSelecionado = found->Mes;
    state.calendar.ApelidoSelecionado = found->Apelido;
    accept();
}
