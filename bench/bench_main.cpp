// Times the store and the upcoming-birthdays pass on generated data files.
// Usage: rerevid_bench [sizes...]   (default 1000 10000 100000)

#include "app/Clock.h"
#include "app/ProgramState.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "dates/clsLembrete.h"
#include "platform/MemoryTuning.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

QByteArray generateFile(int count)
{
    QRandomGenerator random(20261211);
    QByteArray xml = "<EVENTS>";
    for (int i = 0; i < count; ++i) {
        const int month = random.bounded(1, 13);
        const int day = random.bounded(1, DiasNoMes(month, 2001) + 1);
        const QByteArray alias =
            "Person" + QByteArray::number(random.bounded(1000000)) + "_" + QByteArray::number(i);
        xml += "<NIVER PESSOA=\"" + alias + " Surname\" APELIDO=\"" + alias + "\" DIA=\"" +
               DoisDigitos(day).toLatin1() + "\" MES=\"" + DoisDigitos(month).toLatin1() +
               "\" ANO=\"" + QByteArray::number(random.bounded(1900, 2020)) + "\" EMAIL=\"" +
               alias + "@example.org\" FONE=\"555-0100\"/>";
    }
    return xml + "</EVENTS>";
}

// Median milliseconds of `runs` calls.
double timeIt(int runs, const std::function<void()> &work)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[static_cast<size_t>(runs / 2)];
}

} // namespace

int main(int argc, char *argv[])
{
    AjustaMemoria(); // as the program does at start
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> sizes;
    for (const QString &arg : app.arguments().mid(1))
        sizes << arg.toInt();
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000};

    Clock::setToday(QDate(2026, 12, 11));
    QTemporaryDir folder;
    QTextStream out(stdout);
    out << "| operation | ";
    for (int n : sizes)
        out << n << " | ";
    out << "\n|---|";
    for (int i = 0; i < sizes.size(); ++i)
        out << "---|";
    out << "\n";

    struct Row {
        QString name;
        QList<double> ms;
    };
    QList<Row> rows{{"CarregaArquivo", {}},
                    {"ContaNivers", {}},
                    {"ConsultaNivers one month", {}},
                    {"ConsultaNivers all by date", {}},
                    {"ConsultaNivers all by alias", {}},
                    {"ProcuraNiver by alias", {}},
                    {"IncluiNiver + AlteraNiver (save)", {}},
                    {"clsLembrete 365 days", {}},
                    {"calendar: month change", {}},
                    {"calendar: resize layout", {}}};

    for (int n : sizes) {
        const QString path = folder.filePath(QStringLiteral("Events%1.xml").arg(n));
        {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(generateFile(n));
        }
        BirthdayStore store;
        const int runs = n >= 100000 ? 5 : 15;
        int r = 0;
        rows[r++].ms << timeIt(runs, [&] { store.CarregaArquivo(path); });
        rows[r++].ms << timeIt(runs, [&] { store.ContaNivers(); });
        rows[r++].ms << timeIt(runs, [&] { store.ConsultaNivers({}, "03", 0); });
        rows[r++].ms << timeIt(runs, [&] { store.ConsultaNivers({}, {}, OrdemPorData); });
        rows[r++].ms << timeIt(runs, [&] { store.ConsultaNivers({}, {}, OrdemPorApelido); });
        const QString wanted = store.ConsultaNivers({}, {}, 0).constLast().Apelido.toUpper();
        rows[r++].ms << timeIt(runs, [&] { store.ProcuraNiver({}, {}, wanted); });
        int added = 0;
        rows[r++].ms << timeIt(runs, [&] {
            store.IncluiNiver();
            store.AlteraNiver("Bench Person", QStringLiteral("Bench%1").arg(added++), "05", "03",
                              "1990", "", "");
        });
        rows[r++].ms << timeIt(runs, [&] { clsLembrete reminder(store, 365); });

        // The calendar window on the program's store: a month change rebuilds
        // the grid, its three month queries and the upcoming line.
        Store().CarregaArquivo(path);
        Programa().calendar.AnoCalendario = 2026;
        Programa().calendar.MesCalendario = 12;
        frmCalendario calendar;
        calendar.resize(1000, 700);
        calendar.show();
        QApplication::processEvents();
        rows[r++].ms << timeIt(runs, [&] {
            calendar.MesSeguinte();
            QApplication::processEvents();
        });
        int step = 0;
        rows[r++].ms << timeIt(runs, [&] {
            calendar.resize(900 + (step++ % 2) * 100, 700);
            QApplication::processEvents();
        });
    }
    for (const Row &row : rows) {
        out << "| " << row.name << " | ";
        for (double ms : row.ms)
            out << QString::number(ms, 'f', 2) << " ms | ";
        out << "\n";
    }
    return 0;
}
