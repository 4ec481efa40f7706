#pragma once

#include <QString>

#include <functional>

class QWidget;

// Opening help goes through one seam: the program shows its help window at the
// topic's page, tests record the topic instead.
using HelpResponder = std::function<void(int topic)>;
HelpResponder DefineHelpResponder(HelpResponder responder);

void AbreAjuda(int topic);

// F1 in `window` opens `topic`.
void DefineTopicoAjuda(QWidget *window, int topic);

// The resource path of a topic's page.
QString PaginaDaAjuda(int topic);
