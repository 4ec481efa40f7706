#pragma once

#include <QDialog>

#include <array>

class QPushButton;
class QTextBrowser;

// The licence agreement, over the calendar window's exact area, with Print and Close.
class frmContrato : public QDialog {
    Q_OBJECT
public:
    explicit frmContrato(QWidget *parent = nullptr);

    // The licence page shipped with the program.
    static QString PaginaLicenca();

    std::array<QPushButton *, 2> cmdBarra{}; // Print, Close
    QTextBrowser *WebBrowser1 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
