#include "frmConfigLembrete.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "dates/DateRules.h"
#include "menus/Help.h"
#include "msgbox/ParaBox.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <cmath>

frmConfigLembrete::frmConfigLembrete(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmConfigLembrete"));
    setWindowTitle(TituloPrograma() + Texto(451));
    DefineTopicoAjuda(this, 1100);

    // Design sizes (twips / 15): frame 293 x 83 at (14, 14), buttons 81 x 21.
    fraOpcoes = new QFrame(this);
    fraOpcoes->setObjectName(QStringLiteral("fraOpcoes"));
    fraOpcoes->setFrameShape(QFrame::Box);
    fraOpcoes->setAutoFillBackground(true);
    QPalette white = fraOpcoes->palette();
    white.setColor(QPalette::Window, Qt::white);
    fraOpcoes->setPalette(white);
    fraOpcoes->setGeometry(14, 18, 293, 79);
    fraOpcoes->installEventFilter(this);

    chkLembrete = new QCheckBox(Texto(454), this);
    chkLembrete->setObjectName(QStringLiteral("chkLembrete"));
    chkLembrete->setToolTip(Texto(455));
    // Drawn in blue, across the frame's top edge as its title.
    QPalette blue = chkLembrete->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    chkLembrete->setPalette(blue);
    chkLembrete->setAutoFillBackground(true);
    chkLembrete->adjustSize();
    chkLembrete->move(28, 10);
    chkLembrete->installEventFilter(this);

    lblAvisar = new QLabel(Texto(456), fraOpcoes);
    lblDias = new QLabel(Texto(457), fraOpcoes);
    txtDias = new QLineEdit(QStringLiteral("30"), fraOpcoes);
    txtDias->setObjectName(QStringLiteral("txtDias"));
    txtDias->setMaxLength(3);
    txtDias->setAlignment(Qt::AlignCenter);
    txtDias->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtDias));
    txtDias->installEventFilter(this);

    // The line "Notify me ... [30] day(s)" is centred in the frame.
    const QFontMetrics metrics(font());
    const int lineWidth =
        metrics.horizontalAdvance(Texto(456) + QStringLiteral(" 99999  ") + Texto(457));
    const int left = (fraOpcoes->width() - lineWidth) / 2;
    lblAvisar->adjustSize();
    lblDias->adjustSize();
    lblAvisar->move(left, 38);
    txtDias->setGeometry(left + metrics.horizontalAdvance(Texto(456)) + 3, 36, 33, 19);
    lblDias->move(txtDias->x() + txtDias->width() + 6, 38);

    static constexpr int lefts[3] = {31, 120, 210};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(Texto(458 + i), this);
        button->setObjectName(QStringLiteral("cmdBotoes%1").arg(i));
        button->setToolTip(Texto(461 + i));
        button->setGeometry(lefts[i], 108, 81, 23);
        cmdBotoes[static_cast<size_t>(i)] = button;
    }
    cmdBotoes[0]->setDefault(true);
    connect(cmdBotoes[0], &QPushButton::clicked, this, &frmConfigLembrete::Grava);
    connect(cmdBotoes[1], &QPushButton::clicked, this, &frmConfigLembrete::reject);
    connect(cmdBotoes[2], &QPushButton::clicked, this, [] { AbreAjuda(1100); });
    connect(chkLembrete, &QCheckBox::clicked, this, [this](bool on) { HabilitaDias(on); });
    connect(txtDias, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.size() == 3 && isVisible())
            cmdBotoes[0]->setFocus();
    });

    const qint16 days = Programa().reminder.ReminderDays;
    if (days > 0)
        txtDias->setText(QString::number(days));
    setFixedSize(321, 140);
}

void frmConfigLembrete::HabilitaDias(bool on)
{
    txtDias->setEnabled(on);
    lblDias->setEnabled(on);
    lblAvisar->setEnabled(on);
    (on ? static_cast<QWidget *>(txtDias) : cmdBotoes[0])->setFocus();
}

bool frmConfigLembrete::event(QEvent *event)
{
    // The box starts from the stored setting; later activations (after a
    // message or another window) keep what the user has chosen so far.
    if (event->type() == QEvent::WindowActivate && !m_iniciado) {
        m_iniciado = true;
        chkLembrete->setChecked(Programa().reminder.ReminderType != 0);
        HabilitaDias(chkLembrete->isChecked());
        cmdBotoes[0]->setFocus();
        MouseNoBotaoPadrao(cmdBotoes[0], this);
    }
    return QDialog::event(event);
}

bool frmConfigLembrete::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDias && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(
            txtDias, [this] { SelecionaTexto(txtDias); }, Qt::QueuedConnection);
    if (event->type() == QEvent::Enter && (watched == chkLembrete || watched == fraOpcoes)) {
        QFont font = chkLembrete->font();
        font.setUnderline(watched == chkLembrete);
        chkLembrete->setFont(font);
    }
    return QDialog::eventFilter(watched, event);
}

void frmConfigLembrete::Grava()
{
    ReminderSettings &reminder = Programa().reminder;
    if (chkLembrete->isChecked()) {
        const double n = ValorNumerico(txtDias->text());
        if (n < 1 || n > 365) {
            ParaBox(Texto(452), Texto(453), {}, BotoesOk, 1, IconeAviso, 0, 0, {}, 0, {}, {}, 4700,
                    1100);
            txtDias->setFocus();
            return;
        }
        reminder.ReminderType = 3;
        reminder.ReminderDays = static_cast<qint16>(std::lround(n));
    } else {
        reminder.ReminderType = 0;
    }
    GravaRegistro(Chave::Usuario, QStringLiteral("ReminderType"),
                  QString::number(reminder.ReminderType));
    GravaRegistro(Chave::Usuario, QStringLiteral("ReminderDays"),
                  QString::number(reminder.ReminderDays));
    // Whether the entry could be removed or not, the setting itself is stored.
    AtualizaEntradaLogon(reminder.ReminderType != 0, QCoreApplication::applicationFilePath());
    accept();
}
