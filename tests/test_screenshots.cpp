// Pictures of the windows for a look by eye: set REREVID_SHOTS to a folder.
#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "appearance/frmCores.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "dialogs/frmNovo.h"
#include "dialogs/frmProcurar.h"
#include "list/frmListagem.h"
#include "menus/frmAbout.h"
#include "msgbox/frmParaBox.h"
#include "reminder/frmConfigLembrete.h"
#include "text/TextTable.h"

class TestScreenshots : public QObject {
    Q_OBJECT
private slots:
    void windows();
};

void TestScreenshots::windows()
{
    const QString folder = QString::fromLocal8Bit(qgetenv("REREVID_SHOTS"));
    if (folder.isEmpty())
        QSKIP("set REREVID_SHOTS to a folder to save pictures of the windows");
    TestSandbox::reset();
    Clock::setToday(QDate(2026, 12, 11));
    writeFile(
        Caminhos().dados,
        "<EVENTS><NIVER PESSOA=\"Ana Souza\" APELIDO=\"Ana\" DIA=\"11\" MES=\"12\" ANO=\"1975\" "
        "EMAIL=\"ana@example.org\" FONE=\"555-0101\"/><NIVER PESSOA=\"Bruno\" APELIDO=\"Bruno\" "
        "DIA=\"24\" "
        "MES=\"12\" ANO=\"\" EMAIL=\"\" FONE=\"\"/><NIVER PESSOA=\"Carla\" APELIDO=\"Carla\" "
        "DIA=\"02\" "
        "MES=\"01\" ANO=\"2001\" EMAIL=\"\" FONE=\"555-0199\"/></EVENTS>");
    QVERIFY(Store().CarregaArquivo(Caminhos().dados));
    const auto save = [&folder](QWidget &w, const char *name) {
        w.show();
        QApplication::processEvents();
        QVERIFY(w.grab().save(folder + "/" + name + ".png"));
    };
    ParaBoxArgs args;
    args.Titulo = Texto(211);
    args.Cabecalho = MontaTexto(214, {"|1", "Rerevid"});
    args.Mensagem = Texto(215);
    args.Botoes = 1;
    args.Icone = 48;
    args.LarguraMinima = 5500;
    args.AjudaID = 1350;
    frmParaBox box(args, nullptr);
    save(box, "msgbox");
    Programa().dialog.ModoNiver = Texto(678);
    Programa().calendar = {12, 2026, 11, "11", "12", "Ana", 0};
    frmNovo edit;
    save(edit, "edit");
    frmProcurar find;
    save(find, "find");
    frmListagem list;
    list.ListaGeral();
    list.CarregaNivers();
    list.AtualizaTitulo(true);
    save(list, "list");
    frmConfigLembrete reminder;
    save(reminder, "reminder");
    frmAbout about;
    save(about, "about");
}

REREVID_GUI_TEST_MAIN(TestScreenshots)
#include "test_screenshots.moc"
