#pragma once

#include "data/clsNiver.h"
#include "msgbox/ParaBox.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>
#include <QtTest>

// Every test process runs in its own temporary home, data and config folders.
// Call TestSandbox::install() before the application object exists.
class TestSandbox {
public:
    static void install();
    // Empties the data and config folders and the settings; the clock returns to today.
    static void reset();
    static QString root();
    static QString dataFolder();   // where the program keeps Events.xml
    static QString configFolder(); // $XDG_CONFIG_HOME
};

// A message-box responder that records every call and answers from a script.
// Unscripted calls are answered with the box's default button.
class ScriptedParaBox {
public:
    ScriptedParaBox();
    ~ScriptedParaBox();
    ScriptedParaBox(const ScriptedParaBox &) = delete;
    ScriptedParaBox &operator=(const ScriptedParaBox &) = delete;

    void answer(const QVariant &reply) { m_script.append(reply); }
    const QList<ParaBoxArgs> &calls() const { return m_calls; }
    QStringList headings() const;
    void clear();

private:
    QList<ParaBoxArgs> m_calls;
    QList<QVariant> m_script;
    ParaBoxResponder m_previous;
};

// One NIVER element of a data file; the full name is the alias unless given.
QByteArray NiverXml(const QString &alias, const QString &day, const QString &month,
                    const QString &year = {}, const QString &email = {}, const QString &phone = {},
                    const QString &name = {});
// The same birthday as a record.
clsNiver Registro(const QString &alias, const QString &day, const QString &month,
                  const QString &year = {}, const QString &email = {}, const QString &phone = {});

// Receives the links the program asks the desktop to open (QDesktopServices::setUrlHandler).
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// Writes bytes to a file, creating its folder.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

#define REREVID_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestSandbox::install();                                                                    \
        QCoreApplication app(argc, argv);                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define REREVID_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestSandbox::install();                                                                    \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
