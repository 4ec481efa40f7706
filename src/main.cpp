#include "app/Startup.h"
#include "platform/MemoryTuning.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    AjustaMemoria();
    QApplication app(argc, argv);
    return Main(app.arguments());
}
