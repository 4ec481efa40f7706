#include "frmCores.h"

#include "app/Settings.h"
#include "calendar/frmCalendario.h"
#include "menus/Help.h"
#include "modCores.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmCores::frmCores(frmCalendario *calendar)
    : QDialog(calendar, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint),
      m_calendar(calendar), m_escolha(EsquemaAtual())
{
    setObjectName(QStringLiteral("frmCores"));
    setWindowTitle(TituloPrograma() + Texto(566));
    DefineTopicoAjuda(this, 1200);

    Frame1 = new QGroupBox(Texto(567), this);
    auto *grid = new QGridLayout(Frame1);
    for (int i = 0; i < 9; ++i) {
        auto *option =
            new QRadioButton(Texto(TabelaCores()[static_cast<size_t>(i)].nomeTexto), Frame1);
        option->setObjectName(QStringLiteral("optEsquema%1").arg(i));
        option->installEventFilter(this);
        grid->addWidget(option, i % 3, i / 3);
        optEsquema[static_cast<size_t>(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] {
            m_escolha = i;
            m_calendar->PintaEsquema(i);
        });
    }
    Frame1->installEventFilter(this);

    static constexpr int captions[3] = {551, 552, 553};
    static constexpr int tips[3] = {554, 555, 556};
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(Texto(captions[i]), this);
        button->setToolTip(Texto(tips[i]));
        button->setObjectName(QStringLiteral("cmdBotoes%1").arg(i));
        buttons->addWidget(button);
        cmdBotoes[static_cast<size_t>(i)] = button;
    }
    cmdBotoes[0]->setDefault(true);
    connect(cmdBotoes[0], &QPushButton::clicked, this, &frmCores::ok);
    connect(cmdBotoes[1], &QPushButton::clicked, this, &frmCores::cancela);
    connect(cmdBotoes[2], &QPushButton::clicked, this, [] { AbreAjuda(1200); });
    connect(this, &QDialog::rejected, this, [this] { m_calendar->PintaEsquema(EsquemaAtual()); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    optEsquema[static_cast<size_t>(m_escolha)]->setChecked(true);
}

bool frmCores::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        optEsquema[static_cast<size_t>(m_escolha)]->setChecked(true);
        MouseNoBotaoPadrao(cmdBotoes[0], this);
    }
    return QDialog::event(event);
}

void frmCores::ok()
{
    DefineEsquemaAtual(m_escolha);
    GravaRegistro(Chave::Usuario, QStringLiteral("ColorScheme"), QString::number(m_escolha));
    m_calendar->PintaEsquema(m_escolha);
    accept();
}

void frmCores::cancela()
{
    reject(); // the rejected signal undoes any preview
}

void frmCores::destaca(QRadioButton *option)
{
    for (QRadioButton *o : optEsquema) {
        QFont font = o->font();
        font.setBold(o == option);
        o->setFont(font);
    }
}

bool frmCores::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (watched == Frame1)
            destaca(nullptr);
        else if (auto *option = qobject_cast<QRadioButton *>(watched))
            destaca(option);
    }
    return QDialog::eventFilter(watched, event);
}
