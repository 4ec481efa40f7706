#include "frmParaBox.h"

#include "menus/Help.h"
#include "platform/Sound.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

constexpr int kMaxSeconds = 32; // the delay is kept in 16-bit milliseconds

QFont boxFont(bool bold)
{
    return FonteDesenho(QStringLiteral("Tahoma"), 8.25, bold);
}

QIcon iconPicture(int icone, const QStyle *style)
{
    switch (icone) {
    case 16:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case 32:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case 48:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    default:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    }
}

bool anyProgramWindowVisible(const QWidget *except)
{
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w != except && w->isVisible() && w->isWindow())
            return true;
    }
    return false;
}

} // namespace

frmParaBox::frmParaBox(const ParaBoxArgs &args, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_args(args)
{
    setObjectName(QStringLiteral("frmParaBox"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    TocaSomDoIcone(m_args.Icone);
    const QString suffix = m_args.Titulo.trimmed();
    setWindowTitle(suffix.isEmpty() ? TituloPrograma()
                                    : TituloPrograma() + QStringLiteral(" - ") + m_args.Titulo);
    criaControles();
    defineBotoes();
    aplicaLayout();
    if (!anyProgramWindowVisible(this))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);

    pbTimer = new QTimer(this);
    pbTimer->setSingleShot(true);
    connect(pbTimer, &QTimer::timeout, this, [this] {
        m_respondido = true; // closes without an answer
        m_codigo = 0;
        accept();
    });
    const int topic = m_args.AjudaID != 0 ? m_args.AjudaID : 100;
    DefineTopicoAjuda(this, topic);
}

void frmParaBox::criaControles()
{
    imgIcone = new QLabel(this);
    imgIcone->setObjectName(QStringLiteral("imgIcone"));
    imgIcone->setVisible(m_args.Icone > 0);
    if (m_args.Icone > 0)
        imgIcone->setPixmap(iconPicture(m_args.Icone, style()).pixmap(ParaBoxLayout::IconSize));

    const auto makeLabel = [this](const char *name, const QString &text, bool bold) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(boxFont(bold));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setVisible(!text.trimmed().isEmpty());
        return label;
    };
    txtTituloMensagem = makeLabel("txtTituloMensagem", m_args.Cabecalho, true);
    txtMensagem = makeLabel("txtMensagem", m_args.Mensagem, false);

    htmLink = new QLabel(this);
    htmLink->setObjectName(QStringLiteral("htmLink"));
    htmLink->setVisible(!m_args.TextoLink.trimmed().isEmpty());
    htmLink->setTextFormat(Qt::RichText);
    htmLink->setText(
        QStringLiteral("<a href='%1'>%2</a>")
            .arg(m_args.EnderecoLink.toHtmlEscaped(), m_args.TextoLink.toHtmlEscaped()));
    htmLink->setOpenExternalLinks(true);

    txtEntrada = new QLineEdit(this);
    txtEntrada->setObjectName(QStringLiteral("txtEntrada"));
    txtEntrada->setFont(boxFont(false));
    txtEntrada->setVisible(m_args.Botoes == BotoesEntrada);
    if (m_args.TamanhoEntrada >= 1)
        txtEntrada->setMaxLength(m_args.TamanhoEntrada);

    pbCheck = new QCheckBox(m_args.TextoMarcar, this);
    pbCheck->setObjectName(QStringLiteral("pbCheck"));
    pbCheck->setFont(boxFont(true));
    pbCheck->setChecked(m_args.ValorMarcar == 1);
    pbCheck->setVisible(!m_args.TextoMarcar.trimmed().isEmpty());

    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdBotao%1").arg(i + 1));
        button->setFixedSize(ParaBoxLayout::ButtonWidth, ParaBoxLayout::ButtonHeight);
        button->setAutoDefault(false);
        cmdBotao[static_cast<size_t>(i)] = button;
        if (i < 3)
            connect(button, &QPushButton::clicked, this, [this, i] { responde(i); });
    }
    connect(cmdBotao[3], &QPushButton::clicked, this, [this] { AbreAjuda(m_args.AjudaID); });
}

int frmParaBox::codigoDoBotao(int button) const
{
    static constexpr int codes[5][3] = {{1, 0, 0}, {1, 2, 0}, {6, 7, 0}, {6, 7, 2}, {1, 2, 0}};
    const int set = std::clamp(m_args.Botoes, 0, 4);
    return codes[set][button];
}

void frmParaBox::defineBotoes()
{
    static constexpr int captions[5][3] = {
        {701, 0, 0}, {701, 702, 0}, {703, 704, 0}, {703, 704, 702}, {701, 702, 0}};
    const int set = std::clamp(m_args.Botoes, 0, 4);
    const int count = BotoesDoConjunto(set);
    for (int i = 0; i < 3; ++i) {
        cmdBotao[static_cast<size_t>(i)]->setVisible(i < count);
        if (i < count)
            cmdBotao[static_cast<size_t>(i)]->setText(Texto(captions[set][i]));
    }
    cmdBotao[3]->setText(Texto(705));
    cmdBotao[3]->setVisible(m_args.AjudaID != 0);
}

void frmParaBox::aplicaLayout()
{
    const QFont captionFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    const QFontMetrics captionMetrics(captionFont);

    ParaBoxLayoutInput in;
    in.icon = m_args.Icone > 0;
    in.heading = !m_args.Cabecalho.trimmed().isEmpty();
    in.message = !m_args.Mensagem.trimmed().isEmpty();
    in.link = !m_args.TextoLink.trimmed().isEmpty();
    in.input = m_args.Botoes == BotoesEntrada;
    in.check = !m_args.TextoMarcar.trimmed().isEmpty();
    in.buttonSet = std::clamp(m_args.Botoes, 0, 4);
    in.help = m_args.AjudaID != 0;
    in.captionWidth = captionMetrics.horizontalAdvance(windowTitle());
    in.minimumWidth = m_args.LarguraMinima / 15;
    in.inputLength = m_args.TamanhoEntrada;
    in.wWidth = captionMetrics.horizontalAdvance(QLatin1Char('W'));
    in.headingHeight = [this](int width) { return txtTituloMensagem->heightForWidth(width); };
    in.messageHeight = [this](int width) { return txtMensagem->heightForWidth(width); };
    in.linkSize = htmLink->sizeHint();
    in.inputHeight = txtEntrada->sizeHint().height();
    in.checkHeight = pbCheck->sizeHint().height();
    m_layout = CalculaLayoutParaBox(in);

    imgIcone->setGeometry(m_layout.icon);
    txtTituloMensagem->setGeometry(m_layout.heading);
    txtMensagem->setGeometry(m_layout.message);
    htmLink->setGeometry(m_layout.link);
    txtEntrada->setGeometry(m_layout.input);
    pbCheck->setGeometry(m_layout.check);
    for (size_t i = 0; i < 4; ++i) {
        if (!m_layout.buttons[i].isEmpty())
            cmdBotao[i]->move(m_layout.buttons[i].topLeft());
    }
    setFixedSize(m_layout.outer);
}

bool frmParaBox::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        ativa();
    return QDialog::event(event);
}

void frmParaBox::ativa()
{
    int byDefault = 0;
    if (m_args.BotaoPadrao == 2 && m_args.Botoes != 0)
        byDefault = 1;
    else if (m_args.BotaoPadrao == 3 && m_args.Botoes == 3)
        byDefault = 2;
    for (int i = 0; i < 3; ++i)
        cmdBotao[static_cast<size_t>(i)]->setDefault(i == byDefault);
    cmdBotao[static_cast<size_t>(byDefault)]->setFocus();

    const int seconds = std::min<int>(m_args.Segundos, kMaxSeconds);
    if (seconds > 0)
        pbTimer->start(seconds * 1000);
    if (m_args.BotaoPadrao >= 1 && m_args.BotaoPadrao <= 3)
        MouseNoBotaoPadrao(cmdBotao[static_cast<size_t>(byDefault)], this);
    if (m_args.Botoes == BotoesEntrada)
        txtEntrada->setFocus();
}

void frmParaBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_args.Botoes != 0)
            responde(1);
        return; // in set 0 Esc does nothing
    }
    QDialog::keyPressEvent(event);
}

void frmParaBox::closeEvent(QCloseEvent *event)
{
    // The window's close box answers like Esc; in set 0 like OK.
    if (!m_respondido)
        responde(m_args.Botoes != 0 ? 1 : 0);
    event->accept();
}

void frmParaBox::responde(int button)
{
    m_codigo = codigoDoBotao(button);
    m_texto = m_args.Botoes == BotoesEntrada ? txtEntrada->text() : QString();
    if (pbCheck->isVisible() && pbCheck->isChecked())
        m_codigo += 10;
    m_respondido = true;
    pbTimer->stop();
    accept();
}

QVariant frmParaBox::Resultado() const
{
    if (m_args.Botoes == BotoesEntrada) {
        // Cancel is always 2, also with a ticked check box, so it is never taken for a typed text.
        if (m_codigo % 10 == ResultadoCancelar || m_codigo == 0)
            return m_codigo == 0 ? QVariant(0) : QVariant(int(ResultadoCancelar));
        return m_texto;
    }
    return m_codigo;
}

QVariant MostraParaBox(const ParaBoxArgs &args)
{
    frmParaBox box(args, QApplication::activeWindow());
    box.exec();
    return box.Resultado();
}

void InstalaParaBox()
{
    DefineParaBoxResponder(MostraParaBox);
}
