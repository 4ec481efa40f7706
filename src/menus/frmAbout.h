#pragma once

#include <QDialog>

class HtmlView;
class QLabel;
class QPushButton;

// About the program: its name, version, a short text with the licence, web
// site and e-mail links.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Link targets are compared in capitals: CONTRATO, EMAIL, SITE.
    void LinkClicado(const QString &href);

    QLabel *Image1 = nullptr;
    QLabel *lblProg = nullptr;
    QLabel *lblVersion = nullptr;
    HtmlView *HTMLView1 = nullptr;
    QPushButton *cmdBarra = nullptr;
};
